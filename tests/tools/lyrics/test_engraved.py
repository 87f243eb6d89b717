"""The engraved-score references: rules, TeX cuts taken or refused, Moby's divisions adjusted."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..",
                                "tools", "lyrics"))

import en_engraved  # noqa: E402
import la_engraved  # noqa: E402
import la_syllables  # noqa: E402
import liang  # noqa: E402
import ru_engraved  # noqa: E402


def patterns(*lines):
    return liang.Patterns(liang.parse_patterns(lines))


class LiangTest(unittest.TestCase):
    def test_cuts(self):
        cases = [
            (["1b"], "abab", [1, 3]),          # one-letter keys apply, no minimum fragment
            (["a1b", "2b"], "abab", []),       # the larger digit wins, even ones forbid
            ([".a1"], "abab", [1]),            # "." matches the word's edges only
            (["b1."], "abab", []),             # no cut after the last letter
            (["1b % comment", ""], "ab", [1]),
        ]
        for lines, word, expected in cases:
            with self.subTest(lines=lines, word=word):
                self.assertEqual(patterns(*lines).cuts(word), expected)


class RussianTest(unittest.TestCase):
    def tearDown(self):
        ru_engraved.use_patterns(patterns())

    def test_rules_without_patterns(self):
        ru_engraved.use_patterns(patterns())
        cases = {
            "это": "э-то",                      # every syllable marked
            "молоко": "мо-ло-ко",               # one consonant goes right
            "господи": "го-спо-ди",             # с, з with a stop go right whole
            "крепкий": "креп-кий",              # other clusters are split
            "отцу": "от-цу",
            "жизни": "жиз-ни",
            "честнейшую": "чест-ней-шу-ю",      # of three, the last goes right
            "сестра": "сес-тра",                # ... or a final т/д + р/л
            "слава": "сла-ва",                  # obstruent + л/р begins a syllable
            "играю": "и-гра-ю",
            "творец": "тво-рец",
            "семья": "се-мья",                  # ь before a vowel goes right with its consonant
            "платье": "пла-тье",
            "соловьи": "со-ло-вьи",
            "свадьба": "свадь-ба",              # й, ъ, and ь before a consonant stay left
            "подъезд": "подъ-езд",
            "бойкий": "бой-кий",
            "поэт": "по-эт",
            "кот": "кот",
        }
        for word, expected in cases.items():
            with self.subTest(word=word):
                self.assertEqual(ru_engraved.hyphenate(word), expected)

    def test_pattern_cuts(self):
        ru_engraved.use_patterns(patterns("з1с", ".от1", "г1р", ".вос1к", ".на1", "е1ст"))
        cases = {
            "настанет": "на-ста-нет",           # an open prefix stays whole
            "место": "ме-сто",                  # с with a stop goes right, as choirs sing
            "безсмертный": "без-смерт-ный",     # a prefix the patterns know
            "воскресе": "вос-кре-се",
            "отрок": "от-рок",                  # a cut inside an onset of т
            "играю": "и-гра-ю",                 # ... but not of a stop: г-р stays
            "исус": "и-сус",                    # no cut that leaves a consonant alone
        }
        for word, expected in cases.items():
            with self.subTest(word=word):
                self.assertEqual(ru_engraved.hyphenate(word), expected)


class LatinTest(unittest.TestCase):
    def tearDown(self):
        la_engraved.use_patterns(patterns())

    def test_rules_without_patterns(self):
        la_engraved.use_patterns(patterns())
        cases = {
            "eleison": "e-le-i-son",            # vowels stand alone
            "caelum": "cae-lum",                # ae, oe, au do not
            "laudate": "lau-da-te",
            "cujus": "cu-jus",                  # j is a consonant
            "dixit": "di-xit",                  # x goes right
            "agnus": "a-gnus",                  # gn, sc, sp go right
            "suscipe": "su-sci-pe",
            "vesperas": "ve-spe-ras",
            "christe": "chris-te",              # st is split
            "patris": "pa-tris",                # stop + liquid go right
            "sanctus": "sanc-tus",
            "iustus": "iu-stus",                # but not in iustus spelt with i
            "justus": "jus-tus",
            "goya": "go-ya",                    # y between vowels, sh: other languages
            "moshe": "mo-she",
        }
        for word, expected in cases.items():
            with self.subTest(word=word):
                self.assertEqual(la_engraved.hyphenate(word), expected)

    def test_pattern_cuts_and_corrections(self):
        la_engraved.use_patterns(patterns("c1u", "pot1en", "pot1es"))
        cases = {
            "sicut": "sic-ut",                  # compounds by their parts, from the patterns
            "omnipotentem": "om-ni-po-ten-tem",  # potens cut as one word when inflected
            "archangelus": "arch-an-ge-lus",
            "potes": "pot-es",                  # the verb is a compound, the nouns are not
            "impotes": "im-po-tes",
        }
        for word, expected in cases.items():
            with self.subTest(word=word):
                self.assertEqual(la_engraved.hyphenate(word), expected)

    def test_consonantal_j(self):
        for word, expected in {"eius": "ejus", "iam": "jam", "maior": "major", "adiuvo": "adiuvo",
                               "filii": "filii"}.items():
            with self.subTest(word=word):
                self.assertEqual(la_syllables.with_consonantal_j(word), expected)


MOBY = """a\u2022bout
glo\u2022ri\u2022ous
li\u2022on
spir\u2022it
man\u2022y
thorn
thorn\u2022y
ev\u2022er
heav\u2022en
come
wait
praise
bless
bless\u2022ed
re\u2022deem
lead
New\u2022ton
up-to-date
"""


class EnglishTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False, encoding="utf-8") as f:
            f.write(MOBY)
        cls.moby = en_engraved.Moby(f.name)
        os.unlink(f.name)

    def test_elided_forms(self):
        cases = {
            "wan-der-ing": ["wand-ring"],
            "ev-er-y": ["ev-ry"],
            "fa-vor-ite": ["fav-rite"],
            "moth-er": [],                      # not at the end
            "a-bout": [],
        }
        for divided, expected in cases.items():
            with self.subTest(divided=divided):
                self.assertEqual(en_engraved.elided_forms(divided), expected)

    def test_divisions(self):
        cases = {
            "about": "a-bout",                  # the list's own division
            "ever": "ev-er",
            "heaven": "heav-en",
            "spirit": "spir-it",
            "many": "ma-ny",                    # a consonant goes right before a final y
            "thorny": "thorn-y",                # ... unless a word stands before it
            "glorious": "glo-rious",            # an unstressed i is not cut from -ous
            "lion": "li-on",                    # ... after the first syllable only
            "coming": "com-ing",                # made from the stem: the ending stays whole
            "waiting": "wait-ing",
            "waited": "wait-ed",                # a sounded -ed stands alone
            "redeemed": "re-deemed",            # a silent one joins
            "praises": "prais-es",
            "blessed": "bless-ed",              # the list's word wins over the stem
            "blesses": "bless-es",
            "leadeth": "lead-eth",
            "waits": "waits",
            "newton": "new-ton",                # names count as words
            "uptodate": None,                   # compounds are not divided here
            "unknown": None,
        }
        for word, expected in cases.items():
            with self.subTest(word=word):
                self.assertEqual(self.moby.divide(word), expected)


if __name__ == "__main__":
    unittest.main()
