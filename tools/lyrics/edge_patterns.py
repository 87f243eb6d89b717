"""Patterns that keep the consonants at a word's edges with their vowel.

patgen's patterns generalise, and on unseen words they now and then cut a fragment without
a vowel off a word's start or end (mon-th, s-tay).  For every consonant cluster that starts
or ends a word of the training list, an inhibiting pattern forbids every cut inside it and
between it and the rest of the word (.s8t8r, 8n8t8h.).  8 is the largest digit patgen writes
with eight levels, and even, so it always wins.
"""

INHIBIT = "8"


def _clusters(words, vowels):
    starts, ends = set(), set()
    for word in words:
        k = 0
        while k < len(word) and word[k] not in vowels:
            k += 1
        if 0 < k < len(word):
            starts.add(word[:k])
        e = len(word)
        while e > 0 and word[e - 1] not in vowels:
            e -= 1
        if 0 < e < len(word):
            ends.add(word[e:])
    return starts, ends


def edge_patterns(words, vowels):
    """The inhibiting patterns for the clusters at the edges of these words."""
    starts, ends = _clusters(words, vowels)
    out = []
    for c in sorted(starts):
        if len(c) >= 2:  # a lone consonant at the start is joined by the word step already,
            out.append("." + INHIBIT.join(c) + INHIBIT)
    for c in sorted(ends):
        if len(c) >= 2:  # and a lone one at the end
            out.append(INHIBIT + INHIBIT.join(c) + ".")
    return out
