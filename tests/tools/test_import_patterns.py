"""Tests of the pattern importer on small collections."""
import io
import os
import random
import tempfile
import unittest

import import_patterns as ip

FIXTURES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fixtures")
RU = ip.PROFILES["ru"]
LA = ip.PROFILES["la"]
US = ip.PROFILES["us"]


def converted(raw, profile):
    return sorted(p.text() for p in ip.convert_patterns(raw, profile))


class PatternTextTest(unittest.TestCase):
    def test_digits_stay_at_their_gaps(self):
        for text in ["1б2л", ".ав1то", "2й1", "а8е1", ".ab"]:
            with self.subTest(text=text):
                self.assertEqual(ip.Pattern.parse(text).text(), text)
        self.assertEqual(ip.Pattern.parse("2й1"), ip.Pattern("й", (2, 1)))
        self.assertEqual(ip.Pattern.parse("б0л").text(), "бл")


class OneLetterExpansionTest(unittest.TestCase):
    neighbours = "." + RU.index_alphabet

    def test_digit_before_pairs_with_every_character_before(self):
        self.assertEqual(converted(["1ж"], RU), sorted(n + "1ж" for n in self.neighbours))

    def test_digit_after_pairs_with_every_character_after(self):
        self.assertEqual(converted(["ы1"], RU), sorted("ы1" + n for n in self.neighbours))

    def test_digits_on_both_sides_expand_on_both_sides(self):
        out = converted(["2й1"], RU)
        self.assertEqual(len(out), 2 * len(self.neighbours) - 1)
        self.assertIn("а2й", out)
        self.assertIn("й1а", out)
        self.assertIn("й2й", out)  # "й2й" and "й1й" weigh the same gap: the larger wins

    def test_expansion_merges_with_a_pattern_of_the_same_key(self):
        out = converted(["1ж", "а2ж", ".3ж"], RU)
        self.assertIn("а2ж", out)
        self.assertIn(".3ж", out)
        self.assertIn("б1ж", out)
        self.assertEqual(len(out), len(self.neighbours))

    def test_latin_neighbours_have_no_w(self):
        out = converted(["1b"], LA)
        self.assertEqual(len(out), 26)
        self.assertNotIn("w1b", out)

    def test_no_one_letter_key_is_left(self):
        for profile, raw in ((RU, ["1ж", "ы1", "2й1"]), (LA, ["a1", "1b", "æ1"])):
            for p in ip.convert_patterns(raw, profile):
                self.assertGreaterEqual(len(p.letters), 2, p.text())


class LetterMappingTest(unittest.TestCase):
    def test_yo_becomes_ye_and_merges_by_the_larger_digit(self):
        cases = [
            (["ё1л", "е2л"], ["е2л"]),
            (["е2л", "ё1л"], ["е2л"]),
            ([".ё2ж", ".е1ж3"], [".е2ж3"]),
            (["ё3"], sorted("е3" + n for n in "." + RU.index_alphabet)),
        ]
        for raw, expected in cases:
            with self.subTest(raw=raw):
                self.assertEqual(converted(raw, RU), expected)

    def test_dropped_patterns(self):
        cases = [
            (RU, ["-1-", ".а-8", "8-7"], "holds '-'"),
            (RU, [".не8", "8не."], "typesetting-only inhibitor"),
            (LA, ["á1", "a2b1ér", "8\u0301"], "letter outside the alphabet (accents, w, ...)"),
            (LA, ["w1a", "1w"], "letter outside the alphabet (accents, w, ...)"),
            (US, ["1é", "a'1b"], "letter outside the alphabet (accents, w, ...)"),
        ]
        for profile, raw, reason in cases:
            with self.subTest(raw=raw):
                report = ip.Report()
                self.assertEqual(ip.convert_patterns(raw, profile, report), [])
                self.assertEqual(report.dropped, {reason: len(raw)})

    def test_other_patterns_with_ne_stay(self):
        self.assertEqual(converted([".не1з2"], RU), [".не1з2"])

    def test_ae_and_oe_never_break(self):
        cases = [
            (["æ1"], ["a8e1"]),
            ([".cæ2l"], [".ca8e2l"]),
            (["1œ"], ["1o8e"]),
            (["æ1", "a1e"], ["a8e1"]),  # the mapped digraph outweighs a hiatus break
        ]
        for raw, expected in cases:
            with self.subTest(raw=raw):
                self.assertEqual(converted(raw, LA), expected)


class SourceLayoutTest(unittest.TestCase):
    def sections(self, lines):
        """The patterns under each section: '.' first, then the letters in file order."""
        out = [[]]
        for line in lines:
            if line == ip.SEPARATOR:
                out.append([])
            else:
                out[-1].append(line)
        return out

    def test_one_separator_per_index_letter_in_index_order(self):
        raw = ["я1б", ".аб1р", "1ж", "а1м", "ф2ф", ".ы1"]
        for profile, raw, count in ((RU, raw, 32), (LA, ["z1a", "a1z", ".a1"], 25), (US, ["w1a"], 26)):
            with self.subTest(profile=profile.code):
                lines = ip.main_source_lines(ip.convert_patterns(raw, profile), profile)
                sections = self.sections(lines)
                self.assertEqual(len(sections), count + 1)
                for first, patterns in zip("." + profile.index_alphabet, sections):
                    for text in patterns:
                        self.assertEqual(ip.Pattern.parse(text).letters[0], first, text)
                self.assertEqual(sum(map(len, sections)), len(lines) - count)

    def test_boundary_section_comes_first_and_sections_are_sorted(self):
        lines = ip.main_source_lines(ip.convert_patterns(["а1м", ".аб1р", "а1б", ".а1"], RU), RU)
        self.assertEqual(lines[:3], [".а1", ".аб1р", "%"])
        self.assertEqual(lines[3:5], ["а1б", "а1м"])

    def test_lines_of_at_most_32_characters(self):
        kept = "a1" * 16  # 32 characters
        too_long = "b1" * 16 + "c"
        report = ip.Report()
        out = ip.convert_patterns([kept, too_long], US, report)
        self.assertEqual([p.text() for p in out], [kept])
        self.assertEqual(report.dropped, {"longer than 32 characters": 1})

    def test_exceptions_longer_than_32_characters_are_dropped(self):
        long_word = "-".join(["ма"] * 11)  # 32 characters
        self.assertEqual(ip.convert_exceptions([long_word, long_word + "-ма"], RU), [long_word])


class ExceptionFilterTest(unittest.TestCase):
    def test_one_sung_syllable_per_fragment(self):
        cases = [
            (RU, "мо-ло-ко", True),
            (RU, "ёл-ка", True),
            (RU, "подъ-езд", True),
            (RU, "под-ъезд", False),  # a fragment may not start with ъ
            (RU, "пе-ние", False),  # two vowels in one fragment
            (RU, "вцспс", False),
            (RU, "бездн", False),  # no break: it only forbids breaks to a typesetter
            (RU, "го-ло-дра-", False),
            (US, "ta-ble", True),
            (US, "dec-li-na-tion", True),
            (US, "as-so-ciate", False),
            (US, "present", False),
        ]
        for profile, word, kept in cases:
            with self.subTest(word=word):
                self.assertEqual(ip.suits_singing(word, profile), kept)

    def test_words_are_lowered_and_sorted_without_duplicates(self):
        out = ip.convert_exceptions(["мо-ло-ко", "Ав-то-мат", "мо-ло-ко", "ab-ba"], RU)
        self.assertEqual(out, ["ав-то-мат", "мо-ло-ко"])


class ImportFilesTest(unittest.TestCase):
    def run_import(self, out_dir, *extra):
        args = ["--lang", "ru", "--out-dir", out_dir,
                "--patterns", os.path.join(FIXTURES, "ru.pat.txt"),
                "--exceptions", os.path.join(FIXTURES, "ru.hyp.txt"), *extra]
        log = io.StringIO()
        self.assertEqual(ip.main(args, log=log), 0)
        return log.getvalue()

    def read(self, folder, name):
        with open(os.path.join(folder, name), "rb") as f:
            return f.read()

    def test_writes_windows_1251_with_crlf(self):
        with tempfile.TemporaryDirectory() as out:
            log = self.run_import(out)
            txt = self.read(out, "RHYPHEN.TXT")
            xcp = self.read(out, "RHYPHEN.XCP")
        self.assertTrue(txt.startswith(".аб1р\r\n".encode("cp1251")), txt[:20])
        self.assertTrue(txt.endswith(b"\r\n"))
        self.assertNotIn(b"\n", txt.replace(b"\r\n", b""))
        self.assertEqual(txt.count(b"\r\n%\r\n"), 32)
        self.assertIn("\r\n.е2ж3\r\n".encode("cp1251"), txt)
        self.assertIn("\r\nав1то\r\n".encode("cp1251"), txt)
        self.assertNotIn("не8".encode("cp1251"), txt)
        self.assertEqual(xcp, "ёл-ка\r\nав-то-мат\r\nмо-ло-ко\r\nподъ-езд".encode("cp1251"))
        self.assertIn("RHYPHEN.TXT patterns: 14 read", log)

    def test_output_depends_on_the_patterns_only(self):
        with tempfile.TemporaryDirectory() as first, tempfile.TemporaryDirectory() as second:
            self.run_import(first)
            patterns = ip.read_words(os.path.join(FIXTURES, "ru.pat.txt"))
            random.Random(7).shuffle(patterns)
            shuffled = os.path.join(second, "shuffled.pat.txt")
            with open(shuffled, "w", encoding="utf-8") as f:
                f.write("\n".join(patterns))
            ip.main(["--lang", "ru", "--out-dir", second, "--patterns", shuffled, "--no-exceptions"],
                    log=io.StringIO())
            self.assertEqual(self.read(first, "RHYPHEN.TXT"), self.read(second, "RHYPHEN.TXT"))
            self.assertFalse(os.path.exists(os.path.join(second, "RHYPHEN.XCP")))

    def test_a_missing_input_fails_without_writing(self):
        patterns = os.path.join(FIXTURES, "ru.pat.txt")
        for files in (["--patterns", "/nonexistent.pat.txt"],
                      ["--patterns", patterns, "--exceptions", "/nonexistent.hyp.txt"]):
            with self.subTest(files=files), tempfile.TemporaryDirectory() as out:
                status = ip.main(["--lang", "ru", "--out-dir", out, *files], log=io.StringIO())
                self.assertEqual(status, 1)
                self.assertEqual(os.listdir(out), [])


if __name__ == "__main__":
    unittest.main()
