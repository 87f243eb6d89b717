"""Rule-based division of Italian words into sung syllables.

Nuclei: the vowels a e i o u and their accented forms. An unstressed i or u next to another
vowel glides into it (pia-ce, cie-lo, suo-lo, guar-do, co-lei, mai, miei, tuoi), but an i
between two vowels begins the next syllable (gio-ia, a-iu-to, no-ia); two of
a e o, or an accented i or u, are divided (be-a-to, so-a-ve, po-e-ta, mì-a), and so is an i
after a consonant and l or r inside a word (tri-on-fo, but pa-tria); h after a, o before i is
silent (ahi, ohi-mè). i after c, g
and sc before a vowel only softens them (gior-no, la-scia). u after q is a consonant.
Between two nuclei the right syllable takes the longest run of consonants that can begin a
word: one consonant, s before consonants (que-sto, na-sce, di-sprez-zo; but tras-for-ma and
as-col-to, as-co-sa at a word's start), a stop or f, v before
l or r (den-tro, om-bra), gn, gl, ch, gh, qu; double consonants are split (bel-la, fiam-ma).
"""

import sys

import west_syllables

ACCENTED = frozenset("àèéìíîòóùú")
VOWELS = frozenset("aeiou") | ACCENTED
LETTERS = frozenset("abcdefghijklmnopqrstuvwxyz") | ACCENTED
GLIDES = frozenset("iu")
DIGRAPHS = ("gn", "gl", "ch", "gh", "qu")
STOPS = frozenset("bcdgkptfv")
LIQUIDS = frozenset("lr")


def _onset(parts):
    if len(parts) == 1:
        return True
    if parts[0] == "s":
        return _onset(parts[1:]) and parts[1] != "s"
    return len(parts) == 2 and parts[0] in STOPS and parts[1] in LIQUIDS


def split_cluster(word, start, end):
    cluster = word[start:end]
    if not cluster:
        return 0
    if cluster[0] == "s" and len(cluster) > 1 and (
            (word[:start] == "tra" and cluster[1] != "c")
            or (word[:start] == "a" and cluster[1] == "c" and word[end:end + 1] in ("a", "o", "u"))):
        return 1  # the prefix tras- and a word's first as-co: tras-for-ma, as-col-to
    parts = west_syllables.units(cluster, DIGRAPHS)
    return west_syllables.max_onset(parts, _onset)


def is_vowel(word, k):
    c = word[k]
    if c not in VOWELS:
        return False
    if c == "u" and k > 0 and word[k - 1] == "q":
        return False
    return True


def nuclei(word):
    n = len(word)
    spans, k = [], 0
    while k < n:
        if not is_vowel(word, k):
            k += 1
            continue
        start = k
        k += 1
        while k < n:
            if word[k] == "h" and k + 1 < n and word[k + 1] == "i" and word[k - 1] in "ao":
                k += 2  # ahi, ohi-mè: the h is silent
                continue
            if not is_vowel(word, k):
                break
            a, b = word[k - 1], word[k]
            if b == "i" and a != "i" and k + 1 < n and is_vowel(word, k + 1):
                break  # an i between vowels begins the next syllable: gio-ia, a-iu-to, no-ia
            if b in GLIDES or (
                    a in GLIDES and not _hiatus_after_i(word, k - 1)):
                k += 1
            else:
                break
        spans.append((start, k))
    return spans


def _hiatus_after_i(word, k):
    """i (or u) before a vowel is sung apart after a consonant and l or r inside a word
    (tri-on-fo, but pa-tria)."""
    before = word[k - 2:k]
    cluster = len(before) == 2 and before[0] in STOPS and before[1] in LIQUIDS and before != "gl"
    return (cluster and k + 2 < len(word))


def syllables(word):
    return west_syllables.syllables(word, nuclei(word), split_cluster)


def hyphenate(word):
    return "-".join(syllables(word))


def is_word(word):
    return len(word) >= 2 and all(ch in LETTERS for ch in word)


if __name__ == "__main__":
    for line in sys.stdin:
        print(hyphenate(line.strip().lower()))
