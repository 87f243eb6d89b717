"""Latin division as the Solesmes chant books engrave it.

The liturgical TeX patterns (hyph-la-x-liturgic, Beccari and Roux with the Monastery of
Solesmes) write the convention down: ae, oe and au are one nucleus, other vowels stand
alone (e-le-i-son), j and a consonantal i are consonants (cu-jus), a single consonant and
x go right (di-xit), gn, sc and sp go right (a-gnus, su-sci-pe), st is split (chris-te),
and compounds are cut by their parts (quon-i-am, sic-ut).  Their cut is kept between two
nuclei (la_syllables.py finds them) where they make exactly one; the rules above fill in
where they make none (near the ends of a word, where TeX wants no short fragment).
"""

import os
import re

import la_syllables
import liang

TEX_FILE = "hyph-la-x-liturgic.pat.txt"
RIGHT_PAIRS = frozenset(["gn", "sc", "sp"])
_patterns = None


def use_patterns(source):
    """source: a hyph-utf8 pattern file, or a liang.Patterns."""
    global _patterns
    _patterns = source if isinstance(source, liang.Patterns) else liang.Patterns.load(source)


def _tex():
    if _patterns is None:
        use_patterns(os.path.join(liang.DEFAULT_TEXLIVE_DIR, TEX_FILE))
    return _patterns


def split_cluster(cluster):
    """Letters of the consonants between two nuclei that go left, by rule."""
    units = la_syllables._units(cluster)
    if len(units) <= 1:
        return 0
    if len(units) == 2 and (units[0] + units[1] in RIGHT_PAIRS
                            or (units[1] in la_syllables.LIQUIDS and units[0][0] in la_syllables.STOPS)):
        return 0
    return la_syllables.split_cluster(cluster)


def syllables(word):
    spans = la_syllables.nuclei(word)
    if len(spans) < 2:
        return [word]
    tex = set(_tex().cuts(word.replace("j", "i")))
    cuts = []
    for (_, a_end), (b_start, _) in zip(spans, spans[1:]):
        inside = [c for c in tex if a_end <= c <= b_start]
        if len(inside) == 1:
            cuts.append(inside[0])
        else:
            cuts.append(a_end + split_cluster(word[a_end:b_start]))
    bounds = [0] + cuts + [len(word)]
    return [word[i:j] for i, j in zip(bounds, bounds[1:])]


# Where the books part from the patterns: the oblique forms of potens are not cut as a
# compound (om-ni-pot-ens, but om-ni-po-ten-tem), archangelus is (arch-an-ge-lus); potes is
# cut as a compound only as the verb (pot-es-tas, but ne-po-tes, com-po-tes).  Books that print
# i for j set s with t in the words of iustus (iu-sti-ti-a, but jus-ti-ti-a).  In the names and
# words of other languages sung in Latin, y between two vowels is a consonant (ci-to-yens) and
# sh, zh are one (na-shas).
CORRECTIONS = (
    (r"pot-en-t", "po-ten-t"),
    (r"ar-chan", "arch-an"),
    (r"(?<=.)pot-es", "po-tes"),
    (r"^ius-t", "iu-st"),
    (r"(?<=[aeiou])-y-(?=[aeiou])", "-y"),
    (r"(?<=[aeiou])([sz])-h", r"-\1h"),
)


# The same corrections as engine patterns, for the TeX set, with digits above those the set
# gives these gaps: an odd digit cuts, an even one keeps together.
CORRECTION_PATTERNS = (("po5t6ent", ".ar6c6h5an", "po5t6es", ".po6t7es", ".iu5s6t", "1s4h", "1z4h")
                       + tuple(a + "7y8" + b for a in "aeiou" for b in "aeiou"))


def hyphenate(word):
    divided = "-".join(syllables(word))
    for wrong, right in CORRECTIONS:
        divided = re.sub(wrong, right, divided)
    return divided
