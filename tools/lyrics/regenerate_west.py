#!/usr/bin/env python3
"""Regenerates the German, French, Italian and Spanish dictionary sources
(GHYPHEN, FHYPHEN, IHYPHEN, SHYPHEN .TXT/.XCP, Windows-1252).

    python3 tools/lyrics/regenerate_west.py [--out dictionaries] [--lang de,fr,it,es]
        [--forms-dir DIR] [--report FILE]

For each language: the word forms of Debian's hunspell dictionary (expanded with unmunch) are
divided by the language's syllabifier, about one word in ten is held out, patgen learns
patterns from the rest, the patterns are put into the program's layout, and the training
words the patterns still divide wrongly become the exceptions.  The held-out words then
measure the patterns as the program would use them.

Needs: patgen (texlive-binaries), unmunch (hunspell-tools), hunspell-de-de, hunspell-fr,
hunspell-it, hunspell-es, and texlive-lang-german (its patterns guide the German compounds).
"""

import argparse
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import de_syllables  # noqa: E402
import engine_form  # noqa: E402
import es_syllables  # noqa: E402
import fr_syllables  # noqa: E402
import it_syllables  # noqa: E402
import patgen_driver  # noqa: E402
import west_languages  # noqa: E402
import wordlists  # noqa: E402

MAX_EXCEPTION_LENGTH = 12  # longer words are rare in lyrics; the patterns must do
MAX_WORD_LENGTH = 20  # longer forms are compounds of compounds and teach nothing new

# hunspell dictionary, syllabifier, which words go to patgen (every word of up to `short`
# letters and `percent` % of the longer ones: the forms repeat their stems), and whether only
# forms that unmunch wrote in lower case count (French and Italian: unmunch glues elided
# articles to capitalised stems there, Quell'Infossata).
LANGUAGES = {
    "de": ("de_DE", de_syllables, 9, 60, False),
    "fr": ("fr", fr_syllables, 8, 40, True),
    "it": ("it_IT", it_syllables, 7, 3, True),
    "es": ("es_ES", es_syllables, 8, 40, False),
}
HUNSPELL_DIR = "/usr/share/hunspell"
PACKAGE = {"de": "hunspell-de-de", "fr": "hunspell-fr", "it": "hunspell-it", "es": "hunspell-es"}


def word_forms(lang, forms_dir=None):
    """The lower-case forms of the language's hunspell dictionary, in its index letters.
    forms_dir may hold NAME.forms, unmunch's output saved before (it takes minutes for it)."""
    name, module, _, _, lower_only = LANGUAGES[lang]
    saved = os.path.join(forms_dir, name + ".forms") if forms_dir else None
    if saved and os.path.exists(saved):
        stream = open(saved, "rb")
    else:
        dic = os.path.join(HUNSPELL_DIR, name + ".dic")
        if shutil.which("unmunch") is None or not os.path.exists(dic):
            raise SystemExit(f"unmunch or {dic} is missing: apt-get install hunspell-tools {PACKAGE[lang]}")
        proc = subprocess.Popen(["unmunch", dic, os.path.join(HUNSPELL_DIR, name + ".aff")],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        stream = proc.stdout
    words = set()
    with stream:
        for raw in stream:
            # "créditait/n'q'l'm'": the form before its flags, after an elided article.
            w = raw.decode("utf-8", "replace").strip().split("/")[0].split("'")[-1]
            if lower_only and w != w.lower():
                continue
            w = w.lower()
            if not w or len(w) > MAX_WORD_LENGTH:
                continue
            w = west_languages.fold(w, lang)
            if w and module.is_word(w):
                words.add(w)
    return sorted(words)


def build(lang, args, log):
    t0 = time.time()
    _, module, short, percent, _ = LANGUAGES[lang]
    index = west_languages.INDEX[lang]
    words = word_forms(lang, args.forms_dir)
    variants = module.unaccented_variants(words) if hasattr(module, "unaccented_variants") else {}
    words = sorted(set(words) | set(variants))

    def reference(word):
        return variants.get(word) or module.hyphenate(word)
    train, test = wordlists.split(words)
    learn = [w for w in train if len(w) <= short or wordlists.held_out(w, percent, salt="sample")]
    log(f"{lang}: {len(words)} words, {len(learn)} to patgen, {len(test)} held out")
    patterns = patgen_driver.run_patgen([reference(w) for w in learn], index,
                                        patgen_driver.DEFAULT_LEVELS,
                                        encoding=west_languages.ENCODING)
    lines = engine_form.layout(engine_form.engine_patterns(patterns, index), index)
    model = west_languages.PatternSet([line for line in lines if line != "%"])

    # Exceptions: training words (sampled for patgen or not) the patterns divide wrongly.
    exceptions = {}
    for word in train:
        if 3 <= len(word) <= MAX_EXCEPTION_LENGTH:
            ref = reference(word)
            if west_languages.divide(word, model, lang) != ref:
                exceptions[word] = ref
    wrong = sum(west_languages.divide(w, model, lang) != reference(w) for w in test)
    share = 100.0 * (len(test) - wrong) / max(1, len(test))
    log(f"{lang}: {len(patterns)} patgen patterns, {len(lines)} lines, "
        f"{len(exceptions)} exceptions, held-out {share:.2f} % right ({time.time() - t0:.0f} s)")
    return lines, [exceptions[w] for w in sorted(exceptions)]


def write(out, base, lines, exceptions):
    with open(os.path.join(out, base + ".TXT"), "wb") as f:
        f.write(engine_form.source_bytes(lines, west_languages.ENCODING))
    with open(os.path.join(out, base + ".XCP"), "wb") as f:
        f.write(engine_form.exceptions_bytes(exceptions, west_languages.ENCODING))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--out", default=os.path.join(here, "..", "..", "dictionaries"))
    ap.add_argument("--lang", default="de,fr,it,es")
    ap.add_argument("--forms-dir", default=None, help="unmunch output saved as NAME.forms")
    ap.add_argument("--report", default=None, help="also write the held-out figures here")
    args = ap.parse_args()
    report = []

    def log(line):
        print(line, flush=True)
        report.append(line)

    for lang in args.lang.split(","):
        lines, exceptions = build(lang, args, log)
        write(args.out, west_languages.BASE_NAME[lang], lines, exceptions)
    if args.report:
        with open(args.report, "w", encoding="utf-8") as f:
            f.write("\n".join(report) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
