"""German, French, Italian and Spanish: the languages whose dictionaries are Windows-1252.

Their index letters are a..z followed by the language's own letters in Windows-1252 code
order; words are lower-case Python str until the files are written.
"""

import unicodedata

from engine_model import PatternSet  # noqa: F401  (re-exported for the language tools)

ASCII = "abcdefghijklmnopqrstuvwxyz"

INDEX = {
    "de": ASCII + "ßäöü",
    "fr": ASCII + "œàâæçèéêëîïôùûüÿ",
    "it": ASCII + "àèéìíîòóùú",
    "es": ASCII + "áéíñóúü",
}
BASE_NAME = {"de": "GHYPHEN", "fr": "FHYPHEN", "it": "IHYPHEN", "es": "SHYPHEN"}
ENCODING = "cp1252"

# The vowels of the word step's join rule: a fragment without one of these joins
# its neighbour (un-d, s-pleen, da-gl), as a sung syllable always holds a vowel.
VOWELS = {
    "de": frozenset("aeiouyäöü"),
    "fr": frozenset("aeiouyœàâæèéêëîïôùûüÿ"),
    "it": frozenset("aeiouyàèéìíîòóùú"),
    "es": frozenset("aeiouyáéíóúü"),
}


def fold(word, lang):
    """The word in the language's index letters: the other accented letters of Windows-1252
    lose their accents (café in German, Noël in Spanish), æ and œ become ae and oe outside
    French; None when a letter cannot be folded (ł, ź, Greek ...)."""
    index = INDEX[lang]
    out = []
    for ch in word:
        if ch in index:
            out.append(ch)
            continue
        if ch in "æœ":
            out.append("ae" if ch == "æ" else "oe")
            continue
        try:
            ch.encode(ENCODING)
        except UnicodeEncodeError:
            return None
        base = unicodedata.normalize("NFD", ch)[0]
        if base not in index or base == ch:
            return None
        out.append(base)
    return "".join(out)


def join_vowelless(h, lang):
    """A part without a vowel joins the part before it (un-d, a-h-jo), a first one the part
    after it (s-pleen)."""
    merged = []
    for part in h.split("-"):
        has_vowel = any(c in VOWELS[lang] for c in part)
        if merged and (not has_vowel or not any(c in VOWELS[lang] for c in merged[-1])):
            merged[-1] += part
        else:
            merged.append(part)
    return "-".join(merged)


def divide(word, patterns, lang, exceptions=None):
    """The division of a lower-case word of the language's letters, as the program writes it."""
    if exceptions and word in exceptions:
        return exceptions[word]
    if len(word) < 3:
        return word
    gaps = patterns.gap_weights(word)
    out = [word[0]]
    for i in range(1, len(word)):
        if gaps[i + 1] % 2 == 1:
            out.append("-")
        out.append(word[i])
    return join_vowelless("".join(out), lang)
