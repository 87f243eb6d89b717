"""The German, French, Italian and Spanish syllabifiers, their folding and join rules."""
import os
import shutil
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..",
                                "tools", "lyrics"))

import es_syllables  # noqa: E402
import fr_syllables  # noqa: E402
import it_syllables  # noqa: E402
import west_languages  # noqa: E402

CASES = {
    fr_syllables: {
        "fable": "fa-ble",            # one consonant right, stop + liquid right
        "fenêtre": "fe-nê-tre",
        "sonne": "son-ne",            # double consonants split, the mute e sung
        "belle": "bel-le",
        "chantes": "chan-tes",        # ... also before s and -nt
        "parlent": "par-lent",
        "joue": "jou-e",              # a final e after a vowel is sung too ...
        "aimée": "ai-mé-e",
        "voient": "voient",           # ... but not -ent
        "passion": "pas-si-on",       # an i apart before the endings of nouns
        "mélodieux": "mé-lo-di-eux",
        "cieux": "cieux",             # ... of more than one syllable
        "feuille": "feuil-le",        # the i of -ill after a group is a sign
        "oiseau": "oi-seau",          # vowel groups are one nucleus
        "fleuve": "fleu-ve",
        "nuage": "nua-ge",            # i, u glide into the next vowel ...
        "crier": "cri-er",            # ... not after a stop and l or r
        "jouer": "jou-er",
        "noël": "no-ël",              # ë, ï start their own nucleus
        "guerre": "guer-re",          # qu, gu before e, i: a silent u
        "quatorze": "qua-tor-ze",
        "rangeons": "ran-geons",      # ge before o: a silent e
        "moyen": "mo-yen",            # y before a vowel is a consonant
        "agneau": "a-gneau",          # gn goes right whole
        "orphelin": "or-phe-lin",
        "un": "un",
    },
    it_syllables: {
        "sorella": "so-rel-la",       # doubles split
        "cappello": "cap-pel-lo",
        "questo": "que-sto",          # s + consonant goes right
        "pasta": "pa-sta",
        "vento": "ven-to",            # other clusters split before the last consonant
        "ombra": "om-bra",            # stop + liquid goes right
        "figlio": "fi-glio",          # gl, gn, ch, gh whole
        "bagno": "ba-gno",
        "chiesa": "chie-sa",          # i, u glide into the next vowel
        "buono": "buo-no",
        "paese": "pa-e-se",           # strong vowels are divided
        "trionfo": "tri-on-fo",       # i after a stop and l or r is sung apart
        "aria": "a-ria",
        "poi": "poi",
        "gioia": "gio-ia",            # an i between vowels begins the next syllable
        "aiuto": "a-iu-to",
        "miei": "miei",               # ... not at the end
        "così": "co-sì",
    },
    es_syllables: {
        "calle": "ca-lle",            # ll, rr, ch go right whole
        "perro": "pe-rro",
        "mucho": "mu-cho",
        "tabla": "ta-bla",            # stop + liquid
        "atlas": "at-las",
        "instante": "ins-tan-te",     # s before a consonant stays left
        "tierra": "tie-rra",          # diphthongs kept
        "cuento": "cuen-to",
        "ciudad": "ciu-dad",
        "poeta": "po-e-ta",           # hiatus split
        "país": "pa-ís",
        "tía": "tí-a",
        "mias": "mi-as",              # a word of ia alone is í-a without its accent
        "criado": "cri-a-do",         # i after a stop and l or r is sung apart ...
        "frio": "fri-o",              # ... also at the end of a word with no other vowel
        "patria": "pa-tria",          # ... but not in an unstressed ending
        "guitarra": "gui-ta-rra",     # gu, qu before e, i
        "leyes": "le-yes",            # y before a vowel is a consonant ...
        "hoy": "hoy",                 # ... else a vowel
        "año": "a-ño",
    },
}


class DivisionTest(unittest.TestCase):
    def test_divisions(self):
        for module, cases in CASES.items():
            for word, expected in cases.items():
                with self.subTest(language=module.__name__, word=word):
                    self.assertEqual(module.hyphenate(word), expected)

    @unittest.skipUnless(os.path.exists("/usr/share/texlive/texmf-dist/tex/generic/hyph-utf8/"
                                        "patterns/txt/hyph-de-1996.pat.txt"), "texlive-lang-german")
    def test_german(self):
        import de_syllables
        cases = {
            "leben": "le-ben",            # one consonant goes right
            "zucker": "zu-cker",          # ch, sch, ck whole and right
            "kirche": "kir-che",
            "waschen": "wa-schen",
            "fenster": "fen-ster",        # st whole before an unstressed e or i ...
            "christus": "chris-tus",      # ... split elsewhere
            "dienstag": "diens-tag",
            "wusste": "wuss-te",          # ... and after the ss of an older ß
            "küssten": "küss-ten",
            "tropfen": "trop-fen",        # of other clusters the last goes right
            "sommer": "som-mer",
            "ruhe": "ru-he",
            "fahrt": "fahrt",
            "haustür": "haus-tür",        # compounds at their parts
            "vereinen": "ver-ei-nen",
            "darum": "da-rum",            # but as spoken here
            "feuer": "feu-er",            # diphthongs one nucleus
            "lilie": "li-li-e",
            "abend": "a-bend",            # one-letter syllables too
            "unendlich": "un-end-lich",   # but not a prefix's first letter alone
            "uralte": "ur-al-te",
        }
        for word, expected in cases.items():
            with self.subTest(word=word):
                self.assertEqual(de_syllables.hyphenate(word), expected)
        # ß written ss where that spells no other word, divided as the ß is.
        self.assertEqual(de_syllables.sharp_s_variants(["süße", "maße", "masse"]),
                         {"süsse": "sü-sse"})


class FoldAndJoinTest(unittest.TestCase):
    def test_fold(self):
        cases = [("de", "café", "cafe"), ("de", "straße", "straße"), ("es", "garçon", "garcon"),
                 ("it", "cæli", "caeli"), ("fr", "cœur", "cœur"), ("es", "łza", None),
                 ("fr", "ναι", None)]
        for lang, word, folded in cases:
            with self.subTest(word=word):
                self.assertEqual(west_languages.fold(word, lang), folded)

    def test_join_rules(self):
        cases = [("es", "dí-a", "dí-a"),      # a lone vowel at the end stays
                 ("de", "un-d", "und"),       # a lone consonant does not
                 ("it", "a-mo-re", "a-mo-re"),  # a lone vowel at the start stays
                 ("fr", "s-pleen", "spleen"),
                 ("it", "da-gl", "dagl"), ("es", "ah-j", "ahj"),
                 ("es", "a-h-jo-sé", "ah-jo-sé"),  # and one inside the word
                 ("de", "s-t-ra-s-se", "stras-se")]
        for lang, divided, joined in cases:
            with self.subTest(divided=divided):
                self.assertEqual(west_languages.join_vowelless(divided, lang), joined)


@unittest.skipUnless(shutil.which("patgen"), "patgen (texlive-binaries)")
class PatgenTest(unittest.TestCase):
    def test_windows_1252_letters_pass_through_patgen(self):
        import patgen_driver
        words = ["stra-ße", "grü-ße", "fü-ße", "ma-ße", "bu-ße", "so-ße"] * 3
        patterns = patgen_driver.run_patgen(words, west_languages.INDEX["de"],
                                            encoding=west_languages.ENCODING)
        model = west_languages.PatternSet(patterns)
        self.assertEqual(west_languages.divide("größe", model, "de"), "grö-ße")


if __name__ == "__main__":
    unittest.main()
