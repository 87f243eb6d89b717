#!/usr/bin/env python3
"""Measures German, French, Italian or Spanish dictionary sources through the model of the word
step, on a list in the sung-score format, before the program itself can run them.

    python3 tools/lyrics/model_score.py --lang de --dict-dir dictionaries --words LIST.tsv [--show N]

It prints what sung-score prints as "exact" and "whole": the words of two or more syllables
divided exactly as the list's reference, and the one-syllable words left whole.  A word is
folded to the dictionary letters, divided, and the cuts are put back into it as written.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import west_languages  # noqa: E402


def load_sources(dict_dir, lang):
    base = os.path.join(dict_dir, west_languages.BASE_NAME[lang])
    with open(base + ".TXT", encoding=west_languages.ENCODING, newline="") as f:
        lines = [line for line in f.read().split("\r\n") if line and line != "%"]
    with open(base + ".XCP", encoding=west_languages.ENCODING, newline="") as f:
        exceptions = {e.replace("-", ""): e for e in f.read().split("\r\n") if e}
    return west_languages.PatternSet(lines), exceptions


def divide_written(word, lang, patterns, exceptions):
    folded = west_languages.fold(word, lang)
    if folded is None or len(folded) != len(word):
        return word  # an unfoldable letter (or a ligature) leaves the word whole here
    out, k = [], 0
    for ch in west_languages.divide(folded, patterns, lang, exceptions):
        if ch == "-":
            out.append("-")
        else:
            out.append(word[k])
            k += 1
    return "".join(out)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--lang", required=True, choices=sorted(west_languages.BASE_NAME))
    ap.add_argument("--dict-dir", required=True)
    ap.add_argument("--words", required=True)
    ap.add_argument("--show", type=int, default=0)
    a = ap.parse_args()
    patterns, exceptions = load_sources(a.dict_dir, a.lang)
    poly = ok = mono = whole = 0
    wrong = []
    with open(a.words, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            word, ref, pieces = line.rstrip("\n").split("\t")[:3]
            got = divide_written(word, a.lang, patterns, exceptions)
            if "-" in ref:
                poly += 1
                ok += got == ref
            else:
                mono += 1
                whole += "-" not in got
            if got != ref:
                wrong.append((int(pieces), word, ref, got))
    print("%s exact %.2f %% of %d, whole %.2f %% of %d" % (
        a.lang, 100.0 * ok / max(1, poly), poly, 100.0 * whole / max(1, mono), mono))
    for pieces, word, ref, got in sorted(wrong, reverse=True)[:a.show]:
        print("  %5d  %-22s %-24s %s" % (pieces, word, ref, got))


if __name__ == "__main__":
    main()
