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
import filecmp
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import de_syllables  # noqa: E402
import engine_form  # noqa: E402
import es_syllables  # noqa: E402
import fr_syllables  # noqa: E402
import it_syllables  # noqa: E402
import patgen_driver  # noqa: E402
import sung_training  # noqa: E402
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


class Training:
    """A language's words and their divisions: the hunspell forms by the syllabifier, and the
    words engraved scores divide (sung_training.py), whose division wins where both have one."""

    def __init__(self, lang, args):
        _, self.module, self.short, self.percent, _ = LANGUAGES[lang]
        self.lang, self.index = lang, west_languages.INDEX[lang]
        words = word_forms(lang, args.forms_dir)
        module = self.module
        variants = getattr(module, "spelling_variants", None)
        self.variants = variants(words) if variants else {}
        self.words = sorted(set(words) | set(self.variants))
        self.engraved = sung_training.load(lang, self._fold, args.sung_dir, args.units,
                                           reference=self._reference)
        self.sung = sung_training.training(self.engraved, set(self.words))
        self._rules = {}
        train, _ = wordlists.split(self.words)
        self.learn = [w for w in train if len(w) <= self.short
                      or wordlists.held_out(w, self.percent, salt="sample")]

    def _fold(self, word):
        folded = west_languages.fold(word, self.lang)
        return folded if folded and self.module.is_word(folded) else None

    def _reference(self, word):
        """The syllabifier's division of a written word, when it folds letter for letter."""
        folded = self._fold(word)
        return self.module.hyphenate(folded) if folded and len(folded) == len(word) else None

    def rule(self, word):
        if word not in self._rules:
            self._rules[word] = self.variants.get(word) or self.module.hyphenate(word)
        return self._rules[word]

    def train(self, sung):
        """Patterns learnt from the sampled forms and every word of `sung`, and the model."""
        learn = sorted(set(self.learn) | set(sung))
        divided = [sung_training.division(sung[w]) if w in sung else self.rule(w) for w in learn]
        weights = {w: sung_training.weight(c) for w, c in sung.items()}
        patterns = patgen_driver.run_patgen(divided, self.index, patgen_driver.DEFAULT_LEVELS,
                                            encoding=west_languages.ENCODING, weights=weights)
        lines = engine_form.layout(engine_form.engine_patterns(patterns, self.index), self.index)
        return patterns, lines, west_languages.PatternSet([line for line in lines if line != "%"])

    def exception(self, word, model, sung, train):
        """The division a word is listed with, or None: a form the patterns divide otherwise
        than the syllabifier, or an engraved word they divide otherwise than most pieces,
        when enough pieces sang it."""
        if not 3 <= len(word) <= MAX_EXCEPTION_LENGTH:
            return None
        if word in sung and sung_training.trusted(sung[word]):
            ref = sung_training.division(sung[word])
        elif word in sung:
            return None
        elif word in train:
            ref = self.rule(word)
        else:
            return None
        return ref if west_languages.divide(word, model, self.lang) != ref else None


def build(lang, args, log, data=None):
    t0 = time.time()
    data = data or Training(lang, args)
    train, test = wordlists.split(data.words)
    train = set(train)
    test = [w for w in test if w not in data.sung]
    log(f"{lang}: {len(data.words)} words, {len(data.sung)} engraved, {len(test)} held out")
    patterns, lines, model = data.train(data.sung)
    exceptions = {}
    for word in sorted(train | set(data.sung)):
        ref = data.exception(word, model, data.sung, train)
        if ref:
            exceptions[word] = ref
    wrong = sum(west_languages.divide(w, model, lang) != data.rule(w) for w in test)
    share = 100.0 * (len(test) - wrong) / max(1, len(test))
    log(f"{lang}: {len(patterns)} patgen patterns, {len(lines)} lines, "
        f"{len(exceptions)} exceptions, held-out {share:.2f} % right ({time.time() - t0:.0f} s)")
    return lines, [exceptions[w] for w in sorted(exceptions)]


def cross_validate(lang, args, log, data=None):
    """Five-fold cross-validation over the engraved words: patterns learnt without one fifth
    of them, the words of that fifth on the development list divided by the patterns and by
    the exceptions the forms would give, against the list's division."""
    data = data or Training(lang, args)
    train = set(wordlists.split(data.words)[0])
    refs = sung_training.list_references(lang, data._fold, args.sung_dir)
    poly = exact = mono = whole = 0
    for k in range(sung_training.FOLDS):
        kept = {w: c for w, c in data.sung.items() if sung_training.fold_of(w) != k}
        _, _, model = data.train(kept)
        for word, ref in refs.items():
            if sung_training.fold_of(word) != k:
                continue
            got = data.exception(word, model, kept, train) or west_languages.divide(word, model, lang)
            if "-" in ref:
                poly, exact = poly + 1, exact + (got == ref)
            else:
                mono, whole = mono + 1, whole + ("-" not in got)
        log(f"{lang}: fold {k}: {exact} of {poly} exact, {whole} of {mono} whole so far")
    log(f"{lang}: cross-validated exact {100.0 * exact / max(1, poly):.2f} % of {poly}, "
        f"whole {100.0 * whole / max(1, mono):.2f} % of {mono}")


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
    ap.add_argument("--sung-dir", default=sung_training.SUNG_DIR, help="the engraved word lists")
    ap.add_argument("--units", default=sung_training.UNITS, help="the development scores' words")
    ap.add_argument("--check", action="store_true",
                    help="write nothing; exit 1 unless the files in --out are what this run makes")
    ap.add_argument("--cross-validate", action="store_true",
                    help="also print the five-fold figures over the engraved words")
    args = ap.parse_args()
    report = []
    out = tempfile.mkdtemp() if args.check else args.out

    def log(line):
        print(line, flush=True)
        report.append(line)

    for lang in args.lang.split(","):
        data = Training(lang, args)
        lines, exceptions = build(lang, args, log, data)
        write(out, west_languages.BASE_NAME[lang], lines, exceptions)
        if args.cross_validate:
            cross_validate(lang, args, log, data)
    if args.report:
        with open(args.report, "w", encoding="utf-8") as f:
            f.write("\n".join(report) + "\n")
    if args.check:
        made = sorted(os.listdir(out))
        differ = [name for name in made if not os.path.exists(os.path.join(args.out, name))
                  or not filecmp.cmp(os.path.join(out, name), os.path.join(args.out, name), shallow=False)]
        shutil.rmtree(out)
        log(f"{len(made) - len(differ)} of {len(made)} files as in {args.out}" +
            "".join(f"; {name} differs" for name in differ))
        return 1 if differ else 0
    return 0


if __name__ == "__main__":
    sys.exit(main())
