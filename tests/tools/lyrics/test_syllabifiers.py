"""The reference syllabifiers and the CMU alignment, on small tables of words."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..",
                                "tools", "lyrics"))

import en_syllables  # noqa: E402
import la_syllables  # noqa: E402
import ru_syllables  # noqa: E402


class RussianTest(unittest.TestCase):
    def test_divisions(self):
        cases = {
            "это": "э-то",              # a word-initial vowel stands alone
            "истина": "и-сти-на",       # open syllables
            "отвечать": "о-тве-чать",
            "поэт": "по-эт",            # two vowels in a row
            "маёвка": "ма-ё-вка",
            "бойкий": "бой-кий",        # й, ь, ъ stay left
            "семья": "семь-я",
            "объём": "объ-ём",
            "большой": "боль-шой",
            "майор": "май-ор",
            "картина": "кар-ти-на",     # a sonorant before an obstruent closes the syllable
            "солнце": "со-лнце",        # ... but not before another sonorant
            "касса": "кас-са",          # doubled consonants are split
            "встать": "встать",         # clusters at the edges stay with their vowel
            "здравствуйте": "здра-вствуй-те",
            "кот": "кот",
            "вздр": "вздр",             # no vowel: one piece
        }
        for word, expected in cases.items():
            with self.subTest(word=word):
                self.assertEqual(ru_syllables.hyphenate(word), expected)

    def test_every_syllable_has_one_vowel_and_no_sign_starts_one(self):
        for word in ["подъезд", "вьюга", "пьеса", "раёк", "сильный", "объявление", "взъерошенный"]:
            with self.subTest(word=word):
                parts = ru_syllables.syllables(word)
                self.assertEqual("".join(parts), word)
                self.assertTrue(all(sum(c in ru_syllables.VOWELS for c in p) == 1 for p in parts))
                self.assertFalse(any(p[0] in "йьъ" for p in parts[1:]))


class LatinTest(unittest.TestCase):
    def test_divisions(self):
        cases = {
            "rosa": "ro-sa",
            "caelum": "cae-lum",        # ae, oe, au are one nucleus
            "poena": "poe-na",
            "laudo": "lau-do",
            "aqua": "a-qua",            # u after q is a consonant
            "sanguis": "san-guis",      # and after ng before a vowel
            "eius": "e-ius",            # i between vowels is a consonant
            "iam": "iam",               # and at the start before a vowel
            "adiuvo": "a-di-u-vo",      # after a consonant it is a vowel
            "deus": "de-us",            # eu is two nuclei ...
            "seu": "seu",               # ... except in seu, neu, ceu, heu, heus
            "patris": "pa-tris",        # a stop with l or r goes right
            "exiit": "ex-i-it",         # x stays left
            "sanctus": "sanc-tus",
            "terra": "ter-ra",
            "gloria": "glo-ri-a",
            "pulchra": "pul-chra",
        }
        for word, expected in cases.items():
            with self.subTest(word=word):
                self.assertEqual(la_syllables.hyphenate(word), expected)

    def test_consonantal_v(self):
        cases = {"uita": "vita", "nouus": "novus", "caue": "cave", "quae": "quae",
                 "sanguis": "sanguis", "aurum": "aurum", "tuus": "tuus", "euangelium": "evangelium"}
        for word, expected in cases.items():
            with self.subTest(word=word):
                self.assertEqual(la_syllables.with_consonantal_v(word), expected)


class EnglishTest(unittest.TestCase):
    def test_divisions_from_pronunciations(self):
        cases = [
            ("about", "AH0 B AW1 T", "a-bout"),
            ("over", "OW1 V ER0", "o-ver"),
            ("very", "V EH1 R IY0", "ve-ry"),
            ("every", "EH1 V ER0 IY0", "e-ve-ry"),
            ("you", "Y UW1", "you"),                 # a leading y is a consonant
            ("table", "T EY1 B AH0 L", "ta-ble"),    # the schwa has no letter of its own
            ("little", "L IH1 T AH0 L", "lit-tle"),  # a doubled consonant is split
            ("happy", "HH AE1 P IY0", "hap-py"),
            ("singing", "S IH1 NG IH0 NG", "sing-ing"),  # ng, ck and x stay left
            ("pocket", "P AA1 K AH0 T", "pock-et"),
            ("exit", "EH1 G Z IH0 T", "ex-it"),
            ("lonely", "L OW1 N L IY0", "lone-ly"),  # a silent e closes its syllable
            ("winter", "W IH1 N T ER0", "win-ter"),
            ("children", "CH IH1 L D R AH0 N", "chil-dren"),
            ("idea", "AY0 D IY1 AH0", "i-de-a"),
            ("something", "S AH1 M TH IH2 NG", "some-thing"),
            ("hour", "AW1 ER0", "ho-ur"),            # never a lone consonant at the end
            ("make", "M EY1 K", "make"),
        ]
        for word, phones, expected in cases:
            with self.subTest(word=word):
                self.assertEqual("-".join(en_syllables.syllables_for(word, phones)), expected)

    def test_alignment_matches_letters_to_phonemes(self):
        phones = "B AA1 K S".split()
        phones = [p.rstrip("012") for p in phones]
        # x spells K S: K takes the x, S has no letter of its own.
        self.assertEqual(en_syllables.align("box", phones), [0, 1, 2, ("before", 3)])
        self.assertEqual(en_syllables.align("knee", ["N", "IY"]), [1, 2])

    def test_the_variant_nearest_the_spelling_is_chosen(self):
        self.assertEqual(en_syllables.choose("fire", ["F AY1 ER0", "F AY1 R"]), "F AY1 R")
        self.assertEqual(en_syllables.choose("every", ["EH1 V ER0 IY0", "EH1 V R IY0"]), "EH1 V ER0 IY0")
        self.assertEqual(en_syllables.choose("being", ["B IY1 IH0 NG"]), "B IY1 IH0 NG")


if __name__ == "__main__":
    unittest.main()
