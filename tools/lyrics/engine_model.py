"""A model of how the program divides one lower-case word with a pattern set.

It mirrors the word step: the dotted word, windows of two characters or more (never
longer than the longest pattern), the largest digit per gap, an odd digit is a break, no
break before the first letter, then the two join rules (a lone letter at the end, then at
the start), and in English and Russian a part without a vowel joined to the next.  Used to measure
pattern sets on whole word lists without building the program.
"""

from languages import (EN_CONSONANTS, EN_VOWELS, LATIN_VOWELS_FOR_JOIN, RU_CONSONANTS_AND_SIGNS,
                       RU_VOWELS, RU_VOWELS_AND_SHORT_I)

RU_SIGNS = frozenset("ьъ")


def split_pattern(text):
    """'.ав1то' -> ('.авто', [(3, 1)]): the key and the (gap, digit) pairs, a gap counted
    as the number of key characters before it."""
    key, weights = [], []
    for ch in text:
        if ch.isdigit():
            weights.append((len(key), int(ch)))
        else:
            key.append(ch)
    return "".join(key), weights


class PatternSet:
    def __init__(self, patterns):
        self.table = {}
        self.max_len = 0
        for text in patterns:
            key, weights = split_pattern(text)
            self.max_len = max(self.max_len, len(text))
            if len(key) >= 2:  # the program never tries a one-character window
                self.table.setdefault(key, []).extend(weights)

    def gap_weights(self, word):
        d = "." + word + "."
        n = len(d)
        gaps = [0] * (n + 1)
        limit = min(n, self.max_len)
        for s in range(n - 1):
            for length in range(2, min(limit, n - s) + 1):
                found = self.table.get(d[s:s + length])
                if found:
                    for gap, value in found:
                        if value > gaps[s + gap]:
                            gaps[s + gap] = value
        return gaps


def join_final(h, lang):
    t = h[-3:]
    if len(t) == 3 and t[0] != "-" and t[1] == "-":
        x, y = t[0], t[2]
        if lang == "ru":
            keep = (x in RU_VOWELS_AND_SHORT_I or x == "ь") and y in RU_VOWELS
        else:
            keep = y in EN_VOWELS and (x in EN_VOWELS or x in EN_CONSONANTS)
        if not keep:
            return h[:-2] + h[-1]
    return h


def join_initial(h, lang):
    t = h[:3]
    if len(t) == 3 and t[0] != "-" and t[1] == "-":
        x, y = t[0], t[2]
        if lang == "ru":
            drop = x in RU_CONSONANTS_AND_SIGNS and (y in RU_CONSONANTS_AND_SIGNS
                                                     or y in RU_VOWELS_AND_SHORT_I)
        else:
            drop = x in EN_CONSONANTS and (y in EN_CONSONANTS or y in LATIN_VOWELS_FOR_JOIN)
        if drop:
            return h[0] + h[2:]
    return h


def join_vowelless_forward(h, vowels=EN_VOWELS, joins_back=frozenset()):
    """English, Russian: a part without a vowel joins the part after it, the last one the one
    before, and so does one that ends in a letter of joins_back (Russian ь, ъ: купль-шы)."""
    parts = h.split("-")
    out = []
    pending = ""
    for part in parts:
        pending += part
        if any(c in vowels for c in pending):
            out.append(pending)
            pending = ""
        elif out and pending and pending[-1] in joins_back:
            out[-1] += pending
            pending = ""
    if pending:
        if out:
            out[-1] += pending
        else:
            out.append(pending)
    return "-".join(out)


def divide(word, patterns, lang, exceptions=None):
    """The division of a lower-case word of the language's letters, as the program writes it."""
    if exceptions and word in exceptions:
        return exceptions[word]
    if len(word) < 3:
        return word
    matched = word.replace("ё", "е") if lang == "ru" else word
    gaps = patterns.gap_weights(matched)
    out = [word[0]]
    for i in range(1, len(word)):
        if gaps[i + 1] % 2 == 1:
            out.append("-")
        out.append(word[i])
    joined = join_initial(join_final("".join(out), lang), lang)
    if lang in ("en", "us"):
        return join_vowelless_forward(joined)
    return join_vowelless_forward(joined, RU_VOWELS, RU_SIGNS) if lang == "ru" else joined
