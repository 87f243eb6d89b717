"""The engraved words as training data: what is read, what is left out, and how it counts."""

import json
import os
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..",
                                "tools", "lyrics"))

import patgen_driver  # noqa: E402
import sung_training  # noqa: E402
import west_languages  # noqa: E402


def fold_fr(word):
    return west_languages.fold(word, "fr")


class LoadTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        rows = [
            "# header",
            "mio\tmio\t32\t37\tmi-o:5;m-io:1",
            "Noël\tNo-ël\t3\t3\t",
            "cœur\tcœur\t4\t4\t",  # œ is a French letter: kept
            "łza\tłza\t2\t2\t",  # a letter the dictionary cannot hold
            "vi-e\tvi-e-\t1\t1\t",  # a broken division
        ]
        with open(os.path.join(self.dir, "fr-dev.tsv"), "w", encoding="utf-8") as f:
            f.write("\n".join(rows) + "\n")
        units = [
            {"lang": "fr", "score": "a", "words": [[0, "vi-e,", 0, 1, False, ""],
                                                   [1, "l’a-mour", 1, 1, False, ""],
                                                   [2, "mi-o", 2, 1, False, ""],
                                                   [3, "ai-me", 3, 1, False, "elision"]]},
            {"lang": "fr", "score": "a", "words": [[0, "vi-e", 0, 1, False, ""]]},
            {"lang": "fr", "score": "b", "words": [[0, "Vi-e!", 0, 1, False, ""],
                                                   [1, "not-te", 1, 1, False, ""]]},
            {"lang": "fr", "score": "c", "words": [[0, "notte", 0, 1, False, ""]]},
            {"lang": "de", "score": "c", "words": [[0, "Mi-o", 0, 1, False, ""]]},
        ]
        self.units = os.path.join(self.dir, "units.jsonl")
        with open(self.units, "w", encoding="utf-8") as f:
            f.write("".join(json.dumps(u, ensure_ascii=False) + "\n" for u in units))

    def tearDown(self):
        shutil.rmtree(self.dir)

    def test_sources_merge_by_pieces(self):
        got = sung_training.load("fr", fold_fr, self.dir, self.units)
        cases = [
            ("mio", {"mio": 32, "mi-o": 6, "m-io": 1}),  # the list's 5 and one score
            ("noël", {"no-ël": 3}),
            ("cœur", {"cœur": 4}),
            ("vie", {"vi-e": 2}),  # two scores, however many verses; punctuation and case go
        ]
        for word, counts in cases:
            self.assertEqual(dict(got[word]), counts, word)
        # Unfoldable letters, broken divisions, apostrophes, flagged words and words whose
        # pieces are split evenly (not-te, notte) are left out.
        self.assertEqual(set(got), {w for w, _ in cases})
        self.assertEqual(sung_training.list_references("fr", fold_fr, self.dir),
                         {"mio": "mio", "noël": "no-ël", "cœur": "cœur"})

    def test_division_pieces_and_weight(self):
        cases = [
            ({"mio": 32, "mi-o": 6}, "mio", 32, 9),  # the weight is one digit
            ({"a-mor": 1}, "a-mor", 1, 2),
            ({"no-tre": 3, "not-re": 3, "notre": 3}, "notre", 3, 4),  # fewer cuts win a tie
            ({"ro-sa": 2, "ros-a": 2}, "ro-sa", 2, 3),  # then the first in order
        ]
        for counts, division, pieces, weight in cases:
            c = sung_training.collections.Counter(counts)
            self.assertEqual(sung_training.division(c), division)
            self.assertEqual(sung_training.pieces(c), pieces)
            self.assertEqual(sung_training.weight(c), weight)

    def test_folds_are_fixed_and_all_used(self):
        words = [f"w{i}" for i in range(200)]
        folds = [sung_training.fold_of(w) for w in words]
        self.assertEqual(folds, [sung_training.fold_of(w) for w in words])
        self.assertEqual(set(folds), set(range(sung_training.FOLDS)))


class PatgenWeightTest(unittest.TestCase):
    @unittest.skipUnless(shutil.which("patgen"), "patgen is not installed")
    def test_patgen_reads_weighted_words(self):
        words, levels = ["a-ba", "ab-ab", "ba-ba"], [(1, 3, 1, 1, 1)]
        plain = patgen_driver.run_patgen(words, "ab", levels)
        self.assertTrue(plain)
        self.assertEqual(patgen_driver.run_patgen(words, "ab", levels, weights={"aba": 1}), plain)
        workdir = tempfile.mkdtemp()
        try:
            patgen_driver.run_patgen(words, "ab", levels, workdir=workdir, weights={"abab": 9})
            with open(os.path.join(workdir, "dict"), encoding="ascii") as f:
                self.assertEqual(f.read().split(), ["a-ba", "9ab-ab", "ba-ba"])
        finally:
            shutil.rmtree(workdir)


if __name__ == "__main__":
    unittest.main()
