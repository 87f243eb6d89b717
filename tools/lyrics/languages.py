"""Per-language constants shared by the lyric dictionary tools.

Words are handled as Python str in lower case; the dictionary files are written in
Windows-1251 only at the very end (engine_form.py).
"""

RUSSIAN_INDEX = "абвгдежзийклмнопрстуфхцчшщъыьэюя"  # а..я without ё, in section order
ENGLISH_INDEX = "abcdefghijklmnopqrstuvwxyz"
LATIN_INDEX = "abcdefghijklmnopqrstuvxyz"  # Latin has no w

INDEX = {"ru": RUSSIAN_INDEX, "en": ENGLISH_INDEX, "us": ENGLISH_INDEX, "la": LATIN_INDEX}
BASE_NAME = {"ru": "RHYPHEN", "en": "EHYPHEN", "us": "UHYPHEN", "la": "LHYPHEN"}

# The letter sets of the word step's join rules (lower case is enough: the tools work on
# lower-cased words).
RU_VOWELS = frozenset("аеёиоуыэюя")
RU_VOWELS_AND_SHORT_I = RU_VOWELS | {"й"}
RU_CONSONANTS_AND_SIGNS = frozenset("бвгджзклмнпрстфхцчшщъь")
EN_VOWELS = frozenset("aeiouy")
EN_CONSONANTS = frozenset("bcdfghklmnpqrstvwxz")  # no j, no y
LATIN_VOWELS_FOR_JOIN = frozenset("aeijouy")


def normalise_ru(word):
    """The engine matches ё as е; the references and patterns use е only."""
    return word.replace("ё", "е")
