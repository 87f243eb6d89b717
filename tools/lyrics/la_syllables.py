"""Rule-based division of Latin words into sung syllables.

Nuclei: a e i o u y; ae, oe and au are one nucleus (and eu in seu, neu, ceu, heu, heus and
words starting with neut); u after q, and after ng before a vowel, is a consonant (qui-a,
san-guis); i before a vowel is a consonant at the start of a word (iam, iu-stus) and between
vowels (e-ius, ma-ior).  A prefix such as ad-, ab-, in-, con- before i is not treated
specially: i after a consonant counts as a vowel (a-di-u-vo), as in the chant books' counts
of syllables.

Between two nuclei: one consonant goes right (ro-sa, e-ius); x stays left (ex-i-it); a stop
or f followed by l or r goes right with it (pa-tris, a-gri); ch, ph, th and qu are one
consonant; of other clusters the last consonant goes right (ter-ra, sanc-tus, mons-trum).
"""

import sys

VOWELS = frozenset("aeiouy")
EU_WORDS = frozenset(["seu", "neu", "ceu", "heu", "heus"])
LIQUIDS = frozenset("lr")
STOPS = frozenset("bcdgptf")
LETTERS = frozenset("abcdefghijklmnopqrstuvxyz")


def consonant_flags(w):
    n = len(w)
    cons = [c not in VOWELS for c in w]
    for k, c in enumerate(w):
        nxt = w[k + 1] if k + 1 < n else ""
        if nxt not in VOWELS:
            continue
        if c == "u" and (w[k - 1:k] == "q" or (k >= 2 and w[k - 2:k] == "ng")):
            cons[k] = True
        elif c == "i" and nxt != "i" and (k == 0 or (w[k - 1] in VOWELS and not cons[k - 1])):
            cons[k] = True
    return cons


def nuclei(w):
    """(start, end) letter spans of the nuclei."""
    cons = consonant_flags(w)
    eu = w in EU_WORDS or w.startswith("neut")
    spans, k, n = [], 0, len(w)
    while k < n:
        if cons[k]:
            k += 1
            continue
        pair = w[k:k + 2]
        if len(pair) == 2 and not cons[k + 1] and (pair in ("ae", "oe", "au") or (pair == "eu" and eu)):
            spans.append((k, k + 2))
            k += 2
        else:
            spans.append((k, k + 1))
            k += 1
    return spans


def _units(cluster):
    units, k = [], 0
    while k < len(cluster):
        two = cluster[k:k + 2]
        if two in ("ch", "ph", "th", "qu", "gu") and (two != "gu" or k > 0 and cluster[k - 1] == "n"):
            units.append(two)
            k += 2
        else:
            units.append(cluster[k])
            k += 1
    return units


def split_cluster(cluster):
    """How many letters of the consonants between two nuclei go to the left syllable."""
    if not cluster:
        return 0
    units = _units(cluster)
    if units[0] == "x":
        return 1
    if len(units) == 1:
        return 0
    right = 1
    if units[-1] in LIQUIDS and units[-2][0] in STOPS:
        right = 2
    return len(cluster) - sum(len(u) for u in units[len(units) - right:])


def syllables(word):
    spans = nuclei(word)
    if len(spans) < 2:
        return [word]
    cuts = [a_end + split_cluster(word[a_end:b_start]) for (_, a_end), (b_start, _) in zip(spans, spans[1:])]
    bounds = [0] + cuts + [len(word)]
    return [word[i:j] for i, j in zip(bounds, bounds[1:])]


def hyphenate(word):
    return "-".join(syllables(word))


def is_word(word):
    return len(word) >= 2 and all(c in LETTERS for c in word)


def with_consonantal_v(word):
    """The spelling with v for a consonantal u (uita -> vita, nouus -> novus)."""
    out = list(word)
    for k, c in enumerate(word):
        if c != "u" or k + 1 >= len(word) or word[k + 1] not in VOWELS:
            continue
        prev = word[k - 1] if k else ""
        if k == 0 or (prev in VOWELS and out[k - 1] != "v" and word[k - 2:k] not in ("qu", "gu")):
            out[k] = "v"
    return "".join(out)


def with_consonantal_j(word):
    """The spelling with j for a consonantal i (eius -> ejus, iam -> jam)."""
    cons = consonant_flags(word)
    return "".join("j" if c == "i" and cons[k] else c for k, c in enumerate(word))


if __name__ == "__main__":
    for line in sys.stdin:
        print(hyphenate(line.strip().lower()))
