"""The program's layout of patterns, the model of the word step, and the regeneration on a
small word list."""
import os
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..",
                                "tools", "lyrics"))

import engine_form  # noqa: E402
import engine_model  # noqa: E402
import languages  # noqa: E402
import liang  # noqa: E402
import prune  # noqa: E402
import regenerate  # noqa: E402
import ru_engraved  # noqa: E402
import wordlists  # noqa: E402

RU = languages.RUSSIAN_INDEX


def texts(merged):
    return sorted(engine_form.join_pattern(k, w) for k, w in merged.items())


class EngineFormTest(unittest.TestCase):
    def test_one_letter_keys_become_two_letter_patterns(self):
        before = texts(engine_form.engine_patterns(["1б"], RU))
        self.assertEqual(len(before), 33)  # every index letter and '.'
        self.assertIn("а1б", before)
        self.assertIn(".1б", before)
        after = texts(engine_form.engine_patterns(["b3"], languages.LATIN_INDEX))
        self.assertEqual(len(after), 26)
        self.assertIn("b3a", after)
        self.assertIn("b3.", after)
        self.assertNotIn("b3w", after)  # Latin has no w
        both = engine_form.engine_patterns(["2й1"], RU)
        self.assertEqual(both["ай"], {1: 2})
        self.assertEqual(both["йа"], {1: 1})

    def test_duplicates_merge_by_the_larger_digit(self):
        merged = engine_form.engine_patterns(["а1б", "1б", "а2б", "аб3в", "0а0б"], RU)
        self.assertEqual(merged["аб"], {1: 2})
        self.assertEqual(merged["абв"], {2: 3})
        self.assertEqual(engine_form.join_pattern("абв", merged["абв"]), "аб3в")

    def test_layout_has_the_dot_section_then_one_section_per_letter(self):
        merged = engine_form.engine_patterns([".ав1то", "я1я", "а1м", "б2л", ".э1"], RU)
        lines = engine_form.layout(merged, RU)
        self.assertEqual(lines[:2], [".ав1то", ".э1"])
        self.assertEqual(lines.count("%"), 32)
        first = lines.index("%")
        self.assertEqual(lines[first + 1], "а1м")
        self.assertEqual(lines[lines.index("б2л") - 1], "%")  # б's section follows а's
        self.assertEqual(lines[-2:], ["%", "я1я"])
        english = engine_form.layout({}, languages.ENGLISH_INDEX)
        self.assertEqual(english, ["%"] * 26)

    def test_lines_longer_than_32_are_refused(self):
        long_key = "a" * 33
        with self.assertRaises(ValueError):
            engine_form.layout({long_key: {1: 1}}, languages.ENGLISH_INDEX)

    def test_bytes_are_windows_1251_with_cr_lf(self):
        self.assertEqual(engine_form.source_bytes(["а1м", "%"]), b"\xe01\xec\r\n%\r\n")
        self.assertEqual(engine_form.exceptions_bytes(["ма-ма", "э-то"]), b"\xec\xe0-\xec\xe0\r\n\xfd-\xf2\xee")


class EngineModelTest(unittest.TestCase):
    def test_weights_and_breaks(self):
        cases = [
            (["а1м"], "мама", "ма-ма"),
            (["а1м", "а2м"], "мама", "мама"),  # the larger digit wins, even means no break
            (["1м"], "мама", "мама"),          # one-character windows are never tried
            ([".м1"], "мама", "мама"),         # never a break before the first letter
            (["а1т"], "тата", "та-та"),
            (["о1к"], "ёлка", "ёлка"),
            (["е1л"], "ёлка", "ё-лка"),        # ё is matched as е
        ]
        for patterns, word, expected in cases:
            with self.subTest(patterns=patterns, word=word):
                got = engine_model.divide(word, engine_model.PatternSet(patterns), "ru")
                self.assertEqual(got, expected)

    def test_join_rules(self):
        cases = [
            ("ru", "мо-я", "мо-я"), ("ru", "ко-т", "кот"), ("ru", "в-ход", "вход"),
            ("ru", "о-кно", "о-кно"), ("ru", "во-й", "вой"), ("ru", "мь-я", "мь-я"),
            ("en", "ide-a", "ide-a"), ("en", "ra-j", "raj"), ("en", "s-pring", "spring"),
            ("en", "a-bout", "a-bout"), ("en", "y-ou", "y-ou"), ("la", "ro-s", "ros"),
        ]
        for lang, divided, expected in cases:
            with self.subTest(divided=divided):
                self.assertEqual(engine_model.join_initial(engine_model.join_final(divided, lang), lang),
                                 expected)

    def test_exceptions_come_first(self):
        model = engine_model.PatternSet(["а1м"])
        self.assertEqual(engine_model.divide("мама", model, "ru", {"мама": "мам-а"}), "мам-а")
        self.assertEqual(engine_model.divide("ам", model, "ru"), "ам")  # too short


class WordListTest(unittest.TestCase):
    def test_the_split_is_fixed_and_disjoint(self):
        words = [f"w{k}" for k in range(2000)]
        train, test = wordlists.split(words)
        self.assertEqual((train, test), wordlists.split(list(words)))
        self.assertFalse(set(train) & set(test))
        self.assertTrue(150 < len(test) < 250)

    def test_cmu_entries_and_variants(self):
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder)
        with open(os.path.join(folder, "index.js"), "w", encoding="utf-8") as f:
            f.write('/** @type {{ [word: string]: string }} */\nexport const dictionary = {\n'
                    '  "\'bout": "B AW1 T",\n  "every": "EH1 V R IY0",\n'
                    '  "every(2)": "EH1 V ER0 IY0",\n  "you": "Y UW1"\n}\n')
        cmu = wordlists.cmu_dictionary(folder)
        self.assertEqual(cmu["every"], ["EH1 V R IY0", "EH1 V ER0 IY0"])
        self.assertEqual(cmu["'bout"], ["B AW1 T"])
        self.assertEqual(len(cmu), 3)

    def test_latin_marks_are_dropped(self):
        self.assertEqual(wordlists._latin_letters("Ālcўŏnē"), "alcyone")
        self.assertEqual(wordlists._latin_letters("wulfila"), "")


class ExceptionChoiceTest(unittest.TestCase):
    def test_english_exceptions_have_a_vowel_in_every_fragment(self):
        english = regenerate.English()
        english.cmu = {w: [] for w in ("ambrosia", "mcadam", "cdrom", "rhythm")}
        cases = [("ambrosia", "am-bro-sia", True), ("mcadam", "m-ca-dam", False),
                 ("cdrom", "c-d-rom", False), ("rhythm", "rhy-thm", False),
                 ("nightall", "night-all", False)]  # a form made here, not a CMU word
        for word, ref, expected in cases:
            with self.subTest(word=word):
                self.assertEqual(english.may_be_exception(word, ref), expected)

    def test_latin_exceptions_are_real_words(self):
        latin = regenerate.Latin()
        latin.real = {"postquam"}
        self.assertTrue(latin.may_be_exception("postquam", "post-quam"))
        self.assertFalse(latin.may_be_exception("caprque", "capr-que"))


class PruneTest(unittest.TestCase):
    def test_digits_no_word_can_use_go(self):
        cases = [
            (".с4", None),           # after a first consonant: the join undoes any cut
            (".1п4", None),          # before the first letter
            ("ь1.", None),           # after the last letter
            (".о1т", ".о1т"),        # after a first vowel a cut stands
            (".с8т8р8", ".ст8р8"),   # the rest of a pattern stays
        ]
        for line, expected in cases:
            with self.subTest(line=line):
                self.assertEqual(prune.live_patterns([line], "ru", RU), [expected] if expected else [])

    def test_patterns_that_decide_no_word_of_the_list_go(self):
        lines = ["а1б", "ма1б", "б2а", "б3в", "аб4в"]
        words = ["мабав", "абвгд", "бабвы"]
        cases = [
            (lambda key: False, ["а1б", "аб4в"]),  # ма1б repeats а1б; б3в loses to аб4в here
            (lambda key: key == "ба", ["а1б", "б2а", "аб4в"]),
        ]
        for keep, expected in cases:
            kept = prune.prune(lines, words, keep=keep)
            self.assertEqual(sorted(kept), sorted(expected))
            for word in words:
                self.assertEqual(engine_model.divide(word, engine_model.PatternSet(kept), "ru"),
                                 engine_model.divide(word, engine_model.PatternSet(lines), "ru"))


@unittest.skipUnless(shutil.which("patgen"), "patgen (texlive-binaries) is not installed")
class RegenerationTest(unittest.TestCase):
    """The whole chain on a few dozen words: patgen, the layout, the exceptions, the check."""

    class SmallRussian(regenerate.Russian):
        WORDS = ("мама папа рама молоко корова дорога истина отвечать семья объём бойкий "
                 "картина касса это окно сестра встать майор поэт земля вода голова").split()

        def words(self, args):
            ru_engraved.use_patterns(liang.Patterns({}))  # the rules alone
            words = self.WORDS + [w + "ми" for w in self.WORDS] + [w + "ой" for w in self.WORDS]
            return sorted({languages.normalise_ru(w) for w in words})

        def trains_on(self, word):
            return True

    def test_patterns_reproduce_the_training_words(self):
        maker = self.SmallRussian()
        lines, exceptions, share, tested = regenerate.build(maker, None, lambda _: None)
        self.assertEqual(lines.count("%"), 32)
        self.assertTrue(all(len(line) <= 32 for line in lines))
        model = engine_model.PatternSet([line for line in lines if line != "%"])
        table = {e.replace("-", ""): e for e in exceptions}
        train, _ = wordlists.split(maker.words(None))
        for word in train:
            with self.subTest(word=word):
                self.assertTrue(regenerate.ru_right(engine_model.divide(word, model, "ru", table)))
        self.assertEqual(engine_model.divide("истина", model, "ru", table), "и-сти-на")
        self.assertEqual(engine_model.divide("объём", model, "ru", table), "объ-ём")

        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder)
        regenerate.write(folder, "RHYPHEN", lines, exceptions)
        with open(os.path.join(folder, "RHYPHEN.TXT"), "rb") as f:
            self.assertEqual(f.read(), engine_form.source_bytes(lines))
        self.assertTrue(os.path.exists(os.path.join(folder, "RHYPHEN.XCP")))


if __name__ == "__main__":
    unittest.main()
