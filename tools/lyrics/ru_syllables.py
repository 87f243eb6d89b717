"""Rule-based division of Russian words into sung syllables.

Rules, for the consonant letters standing between two vowels:
  1. Every syllable holds exactly one vowel (а е ё и о у ы э ю я); two vowels in a row are
     divided (по-эт, ма-ё-вка).
  2. й, ь and ъ stay with the syllable on their left, together with every consonant before
     them (бой-кий, боль-шой, объ-ём, семь-я).
  3. Of the consonants left after rule 2 the syllable is open: they all go to the right
     (о-тве-чать, и-сти-на, се-стра), except
     - a sonorant л, м, н, р before a consonant that is not a sonorant closes the syllable
       (кар-ти-на, пол-ка; but со-лнце, ко-рмить), and
     - a doubled consonant is divided between the two syllables (кас-са, ван-на).
  Consonants before the first vowel belong to the first syllable, those after the last vowel
  to the last one.
"""

import sys

VOWELS = frozenset("аеёиоуыэюя")
SIGNS = frozenset("йьъ")
SONORANTS = frozenset("лмнр")
LETTERS = frozenset("абвгдеёжзийклмнопрстуфхцчшщъыьэюя")


def split_cluster(cluster):
    """How many letters of the consonant cluster between two vowels go to the left syllable."""
    left = 0
    for k, ch in enumerate(cluster):
        if ch in SIGNS:
            left = k + 1
    rest = cluster[left:]
    if len(rest) >= 2 and rest[0] == rest[1]:
        return left + 1
    if len(rest) >= 2 and rest[0] in SONORANTS and rest[1] not in SONORANTS:
        return left + 1
    return left


def syllables(word):
    """List of syllables of a lower-case Russian word; a word without vowels is one piece."""
    nuclei = [k for k, ch in enumerate(word) if ch in VOWELS]
    if len(nuclei) < 2:
        return [word]
    cuts = []
    for a, b in zip(nuclei, nuclei[1:]):
        cluster = word[a + 1:b]
        cuts.append(a + 1 + split_cluster(cluster))
    bounds = [0] + cuts + [len(word)]
    return [word[i:j] for i, j in zip(bounds, bounds[1:])]


def hyphenate(word):
    return "-".join(syllables(word))


def is_word(word):
    return len(word) >= 2 and all(ch in LETTERS for ch in word)


if __name__ == "__main__":
    for line in sys.stdin:
        print(hyphenate(line.strip().lower()))
