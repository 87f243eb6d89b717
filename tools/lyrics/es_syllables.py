"""Rule-based division of Spanish words into sung syllables.

Nuclei: the vowels a e i o u á é í ó ú ü, and y where no vowel follows (hoy, muy, rey).
i, u and ü next to another vowel form a diphthong with it (cie-lo, nues-tra, bue-na, ciu-dad,
le-güe-ros, hoy); a e o and the accented í ú are strong, and two strong vowels are divided
(po-e-ta, le-er, dí-a, ma-rí-a); a word whose only vowels are ia is dí-a written without
the accent; i after a stop and l or r before a vowel is sung apart (cri-a-do, cli-en-te, cri-o), but
not in a final -ia, -io after another vowel (pa-tria). u after q and after g before e, i is silent (que-so, gui-so).
Between two nuclei the right syllable takes the longest run of consonants that can begin a
word: one consonant, ch, ll, rr (ca-lle, co-rrer, no-che), a stop or f before l or r (pa-dre,
ha-bla; but at-las, ad-lá-te-re); s before a consonant stays left (es-te, nues-tra, ins-tan-te).
"""

import sys

import west_syllables

STRONG = frozenset("aeoáéóíú")
WEAK = frozenset("iuü")
VOWELS = STRONG | WEAK
LETTERS = frozenset("abcdefghijklmnopqrstuvwxyzáéíñóúü")
DIGRAPHS = ("ch", "ll", "rr", "qu", "gu")
STOPS = frozenset("bcdgkptf")
LIQUIDS = frozenset("lr")


def is_vowel(word, k):
    c = word[k]
    nxt = word[k + 1:k + 2]
    if c == "y":
        return k > 0 and not (nxt and nxt in VOWELS)
    if c not in VOWELS:
        return False
    if c == "u" and k > 0 and (word[k - 1] == "q" or (word[k - 1] == "g" and nxt in ("e", "i", "é", "í"))):
        return False
    return True


def _lone_ia(word):
    """día, tía, guía written without the accent: a word whose only vowels are ia (with an s
    at most after them) is always an í-a."""
    core = word[:-1] if word.endswith("s") else word
    return core.endswith("ia") and not any(c in VOWELS for c in core[:-2])


def _hiatus_after_i(word, k):
    """i before a vowel after a stop and l or r is sung apart (cri-a-do, cli-en-te, cri-ó,
    fri-o), but not in a final unstressed -ia, -io (pa-tria)."""
    before = word[k - 2:k]
    if word[k] != "i" or len(before) < 2 or before[0] not in STOPS or before[1] not in LIQUIDS:
        return False
    rest = word[k + 1:]
    unstressed_end = len(rest) <= 2 and rest[:1] in ("a", "o", "e") and rest[1:] in ("", "s")
    # with no vowel before it the ending carries the stress: cri-o, fri-o (crió, frío)
    return not (unstressed_end and any(c in VOWELS for c in word[:k - 2]))


def nuclei(word):
    n = len(word)
    lone_ia = _lone_ia(word)
    spans, k = [], 0
    while k < n:
        if not is_vowel(word, k):
            k += 1
            continue
        start = k
        k += 1
        while k < n and is_vowel(word, k):
            a, b = word[k - 1], word[k]
            if a in STRONG and b in STRONG or a == "y" or (lone_ia and b == "a") or _hiatus_after_i(word, k - 1):
                break
            k += 1
        spans.append((start, k))
    return spans


def _onset(parts):
    if len(parts) == 1:
        return True
    return len(parts) == 2 and parts[0] in STOPS and parts[1] in LIQUIDS and parts not in (["d", "l"], ["t", "l"])


def split_cluster(word, start, end):
    cluster = word[start:end]
    if not cluster:
        return 0
    parts = west_syllables.units(cluster, DIGRAPHS)
    return west_syllables.max_onset(parts, _onset)


def unaccented_variants(words):
    """día, tías written without the accent, as older and popular prints have them: the words
    of ía alone whose plain spelling is no other word, with their division."""
    known = set(words)
    out = {}
    for w in known:
        plain = w.replace("í", "i")
        if plain != w and plain not in known and _lone_ia(plain):
            out[plain] = hyphenate(plain)
    return out


spelling_variants = unaccented_variants


def syllables(word):
    return west_syllables.syllables(word, nuclei(word), split_cluster)


def hyphenate(word):
    return "-".join(syllables(word))


def is_word(word):
    return len(word) >= 2 and all(ch in LETTERS for ch in word)


if __name__ == "__main__":
    for line in sys.stdin:
        print(hyphenate(line.strip().lower()))
