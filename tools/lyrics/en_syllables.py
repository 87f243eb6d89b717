"""Orthographic syllables of English words from the CMU pronouncing dictionary.

1. The letters are aligned with the phonemes by a small edit-distance alignment: a letter
   matches a phoneme it can spell (cheap), stays silent (cheap for e, h, a doubled letter,
   a vowel after a vowel, u after q or g, w after a vowel), and a phoneme may have no letter
   of its own (x = K S, u = Y UW, the schwa of -ble, -ism).
2. Every vowel phoneme (one with a stress digit) is a syllable; its nucleus is the letter it
   matched plus the silent vowel letters right after it.
3. The letters between two nuclei are divided by spelling alone, so that patterns can learn
   the division: a silent vowel letter among them closes the left syllable (lone-ly);
   otherwise one consonant goes right (ma-ker) but x, ng and ck stay left (ex-it, sing-ing,
   pock-et), a doubled consonant is split (hap-py), a
   consonant followed by l or r that can begin a syllable goes right with it (ta-ble,
   a-pril), digraphs (ch sh th ph wh gh ck ng) are not split, and of a longer cluster the
   last consonant goes right (win-ter, chil-dren).
4. A last syllable of one consonant letter would be joined again by the program; the break
   moves one letter left instead (ho-ur).
"""

import sys

VOWEL_LETTERS = frozenset("aeiouy")
VOWEL_PHONES = frozenset("AA AE AH AO AW AY EH ER EY IH IY OW OY UH UW".split())

# Letters that can spell a consonant phoneme.
SPELLS = {
    "B": "b", "CH": "ct", "D": "dt", "DH": "t", "F": "fpgv", "G": "gx", "HH": "hw", "JH": "jgd",
    "K": "ckqxg", "L": "l", "M": "m", "N": "nkgm", "NG": "ng", "P": "p", "R": "r",
    "S": "sczx", "SH": "sctch", "T": "td", "TH": "t", "V": "vf", "W": "wuo", "Y": "yije",
    "Z": "zsx", "ZH": "szgjt",
}
DIGRAPHS = ("ch", "sh", "th", "ph", "wh", "gh", "ck", "ng")
ONSET_WITH_LIQUID = frozenset("bcdfgkpt")


def _match_cost(letter, phone):
    if phone in VOWEL_PHONES:
        if letter in VOWEL_LETTERS:
            return 0.0
        if phone in ("ER", "AH") and letter in "rlw":
            return 1.0
        return 4.0
    if letter in SPELLS.get(phone, ""):
        return 0.0
    if letter in VOWEL_LETTERS:
        return 4.0 if letter != "y" else 1.5
    return 2.0


def _silent_cost(word, i):
    c = word[i]
    prev = word[i - 1] if i else ""
    if c == prev:
        return 0.2
    if c == "e":
        return 0.4
    if c in VOWEL_LETTERS and prev in VOWEL_LETTERS:
        return 0.5
    if c == "h" or (c == "u" and prev in "qg") or (c in "wr" and prev in VOWEL_LETTERS):
        return 0.5
    if c in VOWEL_LETTERS:
        return 1.5
    if c == "k" and prev == "c" or c == "g" and i + 1 < len(word) and word[i + 1] == "h":
        return 0.5
    return 1.5


def _insert_cost(word, i, phone):
    """A phoneme without a letter of its own, before letter i."""
    prev = word[i - 1] if i else ""
    nxt = word[i] if i < len(word) else ""
    if phone in VOWEL_PHONES:
        return 1.5
    if phone == "Y" and nxt in "ue":
        return 0.3
    if prev in "xu" or prev == "j":
        return 0.5
    return 2.5


def align(word, phones):
    """For every phoneme the index of the letter it matched, or None."""
    n, m = len(word), len(phones)
    inf = float("inf")
    cost = [[inf] * (m + 1) for _ in range(n + 1)]
    back = [[None] * (m + 1) for _ in range(n + 1)]
    cost[0][0] = 0.0
    for i in range(n + 1):
        for j in range(m + 1):
            c = cost[i][j]
            if c == inf:
                continue
            if i < n and j < m:
                v = c + _match_cost(word[i], phones[j])
                if v < cost[i + 1][j + 1]:
                    cost[i + 1][j + 1], back[i + 1][j + 1] = v, "m"
            if i < n:
                v = c + _silent_cost(word, i)
                if v < cost[i + 1][j]:
                    cost[i + 1][j], back[i + 1][j] = v, "s"
            if j < m:
                v = c + _insert_cost(word, i, phones[j])
                if v < cost[i][j + 1]:
                    cost[i][j + 1], back[i][j + 1] = v, "i"
    where = [None] * m
    i, j = n, m
    while i or j:
        step = back[i][j]
        if step == "m":
            i, j = i - 1, j - 1
            where[j] = i
        elif step == "s":
            i -= 1
        else:
            j -= 1
            where[j] = ("before", i)
    return where


def _split_between(word, lo, hi):
    """Where the break goes among the letters word[lo:hi] lying between two nuclei."""
    between = word[lo:hi]
    if not between:
        return lo
    last_vowel = max((k for k, c in enumerate(between) if c in "aeiou"), default=-1)
    if last_vowel >= 0:
        return lo + last_vowel + 1
    units, k = [], 0
    while k < len(between):
        if between[k:k + 2] in DIGRAPHS:
            units.append(between[k:k + 2])
            k += 2
        else:
            units.append(between[k])
            k += 1
    if len(units) == 1:
        return hi if units[0] in ("x", "ng", "ck") else lo
    if units[-1] == units[-2]:
        return hi - 1
    if units[-1] in ("l", "r") and units[-2] in ONSET_WITH_LIQUID:
        if len(units) == 2:
            return lo
        return hi - 2
    return hi - len(units[-1])


def syllables_for(word, phones):
    phones = [p.rstrip("012") for p in phones.split()]
    where = align(word, phones)
    matched = {at for at in where if isinstance(at, int)}
    nuclei = []
    for j, p in enumerate(phones):
        if p not in VOWEL_PHONES:
            continue
        at = where[j]
        if isinstance(at, tuple):
            nuclei.append((at[1], at[1]))
            continue
        end = at + 1
        while end < len(word) and end not in matched and (
                word[end] in "aeiou" or word[end] in "wy" and word[end - 1] in "aeiou"):
            if end + 1 < len(word) and word[end] in "wy" and word[end + 1] in VOWEL_LETTERS:
                break
            end += 1
        nuclei.append((at, end))
    cuts = []
    for (_, a_end), (b_start, _) in zip(nuclei, nuclei[1:]):
        lo = max(a_end, cuts[-1] if cuts else 0)
        hi = max(b_start, lo)
        cut = _split_between(word, lo, hi)
        if 0 < cut < len(word) - 1 and word[cut] == word[cut + 1] and word[cut] not in VOWEL_LETTERS:
            cut += 1  # a doubled consonant is split (lit-tle)
        if cuts and cut <= cuts[-1] or cut <= 0 or cut >= len(word):
            continue
        cuts.append(cut)
    if cuts and cuts[-1] == len(word) - 1 and word[-1] not in VOWEL_LETTERS:
        cuts[-1] -= 1
        if cuts[-1] <= 0 or len(cuts) > 1 and cuts[-1] <= cuts[-2]:
            cuts.pop()
    bounds = [0] + cuts + [len(word)]
    return [word[a:b] for a, b in zip(bounds, bounds[1:])]


def vowel_groups(word):
    """A spelling-only syllable estimate, used to choose among the dictionary's variants."""
    w = word[:-1] if word.endswith("e") and len(word) > 3 and not word.endswith("le") else word
    count, prev = 0, False
    for k, c in enumerate(w):
        v = c in "aeiou" or (c == "y" and k > 0)
        if v and not prev:
            count += 1
        prev = v
    return max(count, 1)


def choose(word, prons):
    """The pronunciation whose syllable count is nearest the spelling's; the first on ties."""
    guess = vowel_groups(word)

    def count(p):
        return sum(ph[-1].isdigit() for ph in p.split())

    return min(prons, key=lambda p: abs(count(p) - guess))


def hyphenate(word, prons):
    return "-".join(syllables_for(word, choose(word, prons)))


def is_word(word):
    return len(word) >= 3 and word.isascii() and word.isalpha() and word.islower()


if __name__ == "__main__":
    import wordlists

    cmu = wordlists.cmu_dictionary(sys.argv[1])
    for line in sys.stdin:
        w = line.strip().lower()
        print(hyphenate(w, cmu[w]) if w in cmu else w)
