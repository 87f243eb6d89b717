#!/usr/bin/env python3
"""Checks that the Python model of the word step (tools/lyrics) divides as cantiva-cli does.

    check_engine_model.py CLI DICT_DIR

For each of the eight languages it builds words from the shipped patterns' own letters (pieces of
two or three pattern keys, so that many patterns and both join rules come into play), adds the
exception words, divides them with the model and with `cantiva-cli hyphenate`, and fails on the
first words where the two differ. The dictionary tools measure pattern sets through the model
before the program runs them, so a model that drifts from the program misleads every figure.
"""

import os
import random
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                                "lyrics"))

import engine_model  # noqa: E402
import west_languages  # noqa: E402

# cli name, dictionary base name, code page, letters of a word, the model's language.
LANGUAGES = [
    ("ru", "RHYPHEN", "cp1251", "абвгдеёжзийклмнопрстуфхцчшщъыьэюя", "ru"),
    ("en", "EHYPHEN", "cp1251", west_languages.ASCII, "en"),
    ("us", "UHYPHEN", "cp1251", west_languages.ASCII, "en"),
    ("la", "LHYPHEN", "cp1251", west_languages.ASCII, "la"),
] + [(lang, west_languages.BASE_NAME[lang], west_languages.ENCODING, west_languages.INDEX[lang],
      lang) for lang in ("de", "fr", "it", "es")]

WORDS_PER_LANGUAGE = 4000


def read_lines(path, encoding):
    with open(path, encoding=encoding, newline="") as f:
        return [line for line in f.read().split("\r\n") if line]


def sample_words(keys, exceptions, letters, seed):
    rng = random.Random(seed)
    pieces = [k for k in keys if k and all(c in letters for c in k)]
    words = set(exceptions)
    while len(words) < WORDS_PER_LANGUAGE + len(exceptions):
        word = "".join(rng.choice(pieces) for _ in range(rng.randint(1, 3)))
        if 3 <= len(word) <= 24:
            words.add(word)
    return sorted(words)


def model_division(lang, word, patterns, exceptions):
    if lang in west_languages.BASE_NAME:
        return west_languages.divide(word, patterns, lang, exceptions)
    return engine_model.divide(word, patterns, lang, exceptions)


def check_language(cli, dict_dir, entry):
    name, base, encoding, letters, model_lang = entry
    lines = read_lines(os.path.join(dict_dir, base + ".TXT"), encoding)
    patterns = [line for line in lines if line != "%"]
    exceptions = {e.replace("-", ""): e for e in read_lines(os.path.join(dict_dir, base + ".XCP"),
                                                            encoding)}
    keys = ["".join(c for c in p if not c.isdigit()).strip(".") for p in patterns]
    words = sample_words(keys, exceptions, letters, seed=name)
    model = engine_model.PatternSet(patterns)
    expected = [model_division(model_lang, w, model, exceptions) for w in words]
    run = subprocess.run([cli, "hyphenate", "--lang", name, "--dict-dir", dict_dir],
                         input="\n".join(words) + "\n", capture_output=True, text=True,
                         encoding="utf-8", check=False)
    if run.returncode != 0:
        return ["%s: cantiva-cli failed (%d): %s" % (name, run.returncode, run.stderr.strip())]
    got = run.stdout.split("\n")[:len(words)]
    return ["%s: %s model %s, program %s" % (name, w, e, g)
            for w, e, g in zip(words, expected, got) if e != g][:10]


def main():
    cli, dict_dir = sys.argv[1], sys.argv[2]
    failures = []
    for entry in LANGUAGES:
        failures += check_language(cli, dict_dir, entry)
    for line in failures:
        print(line)
    print("%s: %d languages, %d words each" % ("FAIL" if failures else "ok", len(LANGUAGES),
                                               WORDS_PER_LANGUAGE))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
