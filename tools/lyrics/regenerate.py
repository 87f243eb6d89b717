#!/usr/bin/env python3
"""Regenerates the lyric-grade dictionary sources (RHYPHEN, EHYPHEN, UHYPHEN, LHYPHEN .TXT/.XCP).

    python3 tools/lyrics/regenerate.py [--out dictionaries] [--lang ru,en,la]
        [--cmu DIR] [--collatinus DIR] [--report FILE] [--check]

For each language: the reference word list is divided by the language's syllabifier, about
one word in ten is held out, patgen learns patterns from the rest, the patterns are put into
the program's layout, and the training words the patterns still divide wrongly become the
exceptions.  The held-out words then measure the patterns as the program would use them.
English and American get the same files.

Needs: patgen (texlive-binaries), unmunch (hunspell-tools) with hunspell-ru, the npm package
cmu-pronouncing-dictionary (installed anywhere, --cmu points at it), and the data files of
the Debian package collatinus (--collatinus, or unpacked with apt-get download + dpkg-deb -x).
"""

import argparse
import filecmp
import os
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import edge_patterns  # noqa: E402
import import_patterns  # noqa: E402
import engine_form  # noqa: E402
import engine_model  # noqa: E402
import en_engraved  # noqa: E402
import en_syllables  # noqa: E402
import la_engraved  # noqa: E402
import la_syllables  # noqa: E402
import languages  # noqa: E402
import liang  # noqa: E402
import patgen_driver  # noqa: E402
import prune  # noqa: E402
import ru_engraved  # noqa: E402
import ru_syllables  # noqa: E402
import sung_training  # noqa: E402
import wordlists  # noqa: E402

MAX_EXCEPTION_LENGTH = 12  # longer words are rare in lyrics; the patterns must do


def ru_right(divided):
    frags = divided.split("-")
    return (all(sum(c in languages.RU_VOWELS for c in f) == 1 for f in frags)
            and not any(f[:1] in "ьъй" for f in frags[1:]))


class Russian:
    lang, index = "ru", languages.RUSSIAN_INDEX
    vowels = languages.RU_VOWELS
    # Six patgen levels over a million forms leave many patterns that decide nothing.
    prunes = True

    is_word = staticmethod(ru_syllables.is_word)

    @staticmethod
    def fold(word):
        return word.replace("ё", "е")

    def words(self, args):
        ru_engraved.use_patterns(os.path.join(args.texlive_dir, ru_engraved.TEX_FILE))
        forms = {languages.normalise_ru(w) for w in wordlists.russian_forms()}
        return sorted(w for w in forms if ru_syllables.is_word(w))

    def reference(self, word):
        return ru_engraved.hyphenate(word)

    def inhibiting_patterns(self):
        return ru_engraved.inhibiting_patterns()

    def right(self, word, divided):
        return ru_right(divided)

    def trains_on(self, word):
        # The forms repeat their stems, so a sample of the long ones will do; short words are
        # few and frequent, and all of them are learnt.
        return len(word) <= 7 or wordlists.held_out(word, 60, salt="sample")


class English:
    """The CMU words the Moby Hyphenator divides, directly or as a stem with an ending, as
    scores engrave them (en_engraved.py).  A division that disagrees with every CMU syllable
    count of its word is left out, and so are Moby's words the CMU lacks (rare and technical
    words: with them patgen runs out of room and learns less of the common ones)."""

    lang, index = "en", languages.ENGLISH_INDEX
    vowels = languages.EN_VOWELS
    is_word = staticmethod(en_syllables.is_word)
    levels = patgen_driver.ENGRAVED_ENGLISH_LEVELS
    # A word weighing more than the thresholds of these levels makes patterns of its own:
    # at 9, patgen ran out of room for them.
    max_weight = 3

    def words(self, args):
        if not os.path.exists(args.cmu):
            raise SystemExit(f"{args.cmu} not found: npm install --prefix DIR cmu-pronouncing-dictionary "
                             "and pass --cmu DIR/node_modules/cmu-pronouncing-dictionary")
        if not os.path.exists(args.moby):
            raise SystemExit(f"{args.moby} not found: pass --moby PATH/mhyph.txt")
        self.cmu = wordlists.cmu_dictionary(args.cmu)
        self.moby = en_engraved.Moby(args.moby)
        self.refs = {}
        for word in self.cmu:
            if not en_syllables.is_word(word):
                continue
            ref = self.moby.divide(word)
            if ref is not None and self._count_right(word, self.moby.divide(word, glide=False)):
                self.refs[word] = ref
        # Moby's two-word compounds, written together as lyrics often are (night-all).
        for first, second in self.moby.compounds:
            if min(len(first), len(second)) >= 3 and first in self.refs and second in self.refs:
                self.refs.setdefault(first + second, self.refs[first] + "-" + self.refs[second])
        # The elided forms of hymns (wand-ring, ev-ry), from the words the CMU confirms.
        for word in [w for w in self.refs if w in self.cmu]:
            for form in en_engraved.elided_forms(self.refs[word]):
                if form.replace("-", "") not in self.cmu:
                    self.refs.setdefault(form.replace("-", ""), form)
        # Songs drop the g of -ing (look-in, danc-in) where that makes no other word.
        for word in [w for w in self.refs if w in self.cmu and self.refs[w].endswith("-ing")]:
            if word[:-1] not in self.cmu and word[:-1] not in self.moby.words:
                self.refs.setdefault(word[:-1], self.refs[word][:-1])
        # The archaic endings of hymns (lead-eth, giv-est), on the verbs: the CMU lacks them.
        for word in list(self.refs):
            if word + "ing" in self.refs or word[:-1] + "ing" in self.refs and word.endswith("e"):
                for ending in ("eth", "est"):
                    form = word[:-1] + ending if word.endswith("e") else word + ending
                    ref = self.moby.divide(form)
                    if form not in self.cmu and ref is not None:
                        self.refs[form] = ref
        return sorted(self.refs)

    def reference(self, word):
        return self.refs[word]

    @staticmethod
    def sung_right(word, divided):
        """What enough pieces sang stands against the CMU count (power, heav'n-ly), as long
        as every syllable holds a vowel."""
        return all(set(f) & en_syllables.VOWEL_LETTERS for f in divided.split("-"))

    def _count_right(self, word, divided):
        counts = {sum(p[-1].isdigit() for p in pron.split()) for pron in self.cmu[word]}
        return len(divided.split("-")) in counts

    def right(self, word, divided):
        return word not in self.cmu or self._count_right(word, divided)

    def misplaced(self, word, divided):
        """English spelling leaves patterns unsure where to cut (pow-er, ev-er, ma-ny): a
        training word they cut elsewhere than the reference becomes an exception."""
        return divided != self.refs[word]

    def trains_on(self, word):
        return True

    def may_be_exception(self, word, reference):
        """Only words of the CMU (not the forms made here), and not letter-by-letter
        spellings (c-d-rom) nor Mc names (m-ca-dam): a fragment without a vowel letter reads
        badly under a note."""
        return word in self.cmu and all(set(f) & en_syllables.VOWEL_LETTERS
                                        for f in reference.split("-"))


class Latin:
    lang, index = "la", languages.LATIN_INDEX
    vowels = la_syllables.VOWELS
    is_word = staticmethod(la_syllables.is_word)

    def words(self, args):
        la_engraved.use_patterns(os.path.join(args.texlive_dir, la_engraved.TEX_FILE))
        data = args.collatinus or wordlists.find_collatinus()
        lemmas = wordlists.latin_words(data, lemmas_only=True)
        self.real = set(lemmas) | {la_syllables.with_consonantal_v(w) for w in lemmas}
        self.real |= {la_syllables.with_consonantal_j(w) for w in self.real}
        base = wordlists.latin_words(data)
        words = set(base)
        words.update(la_syllables.with_consonantal_v(w) for w in base)
        # The books print j for a consonantal i (e-jus, cu-jus); train on both spellings.
        words.update([la_syllables.with_consonantal_j(w) for w in words])
        # Enclitics (-que, -ne, -ve) on a fixed share of the words.
        words.update(w + e for w in base for e in ("que", "ne", "ve")
                     if wordlists.held_out(w + e, 8, salt="enclitic"))
        return sorted(w for w in words if la_syllables.is_word(w))

    def reference(self, word):
        return la_engraved.hyphenate(word)

    @staticmethod
    def sung_right(word, divided):
        return all(set(f) & la_syllables.VOWELS for f in divided.split("-"))

    def right(self, word, divided):
        return len(word) < 3 or len(divided.split("-")) == len(la_syllables.nuclei(word))

    def may_be_exception(self, word, reference):
        """Only real words: the stems with endings that train the patterns are not all words."""
        return word in self.real

    def patterns(self, args):
        """The liturgical TeX patterns themselves, as the importer converts them: they are the
        books' convention, and patgen learns their compounds (sic-ut, ad-es-se) less well."""
        profile = import_patterns.PROFILES["la"]
        raw = import_patterns.read_words(os.path.join(args.texlive_dir, la_engraved.TEX_FILE))
        return ([p.text() for p in import_patterns.convert_patterns(raw, profile)]
                + list(la_engraved.CORRECTION_PATTERNS))

    def misplaced(self, word, divided):
        return word in self.real and divided != la_engraved.hyphenate(word)

    def trains_on(self, word):
        return len(word) <= 6 or wordlists.held_out(word, 25, salt="sample")


LANGUAGES = {"ru": Russian, "en": English, "la": Latin}


def _sung_fold(maker):
    def fold(word):
        word = maker.fold(word) if hasattr(maker, "fold") else word
        return word if maker.is_word(word) else None
    return fold


def learn_patterns(maker, args, words, learn, sung, divisions=None, prunes=True):
    """The pattern lines learnt from `learn` (divided by the reference) and every word of
    `sung` (divided as most pieces sang it, weighted by the pieces), with the guards of
    `words`; pruned against `words` where the language prunes, unless `prunes` is false."""
    levels = getattr(maker, "levels", patgen_driver.DEFAULT_LEVELS)
    if hasattr(maker, "patterns"):
        patterns = maker.patterns(args)
    else:
        learn = sorted(set(learn) | set(sung))
        divisions = {} if divisions is None else divisions  # the reference's, kept for reuse
        divided = []
        for w in learn:
            if w in sung:
                divided.append(sung_training.division(sung[w]))
                continue
            if w not in divisions:
                divisions[w] = maker.reference(w)
            divided.append(divisions[w])
        cap = getattr(maker, "max_weight", sung_training.MAX_WEIGHT)
        weights = {w: sung_training.weight(c, cap) for w, c in sung.items()}
        patterns = patgen_driver.run_patgen(divided, maker.index, levels, weights=weights)
    guards = edge_patterns.edge_patterns(words, maker.vowels) if getattr(maker, "vowels", None) else []
    guards += getattr(maker, "inhibiting_patterns", list)()
    patterns += guards
    merged = engine_form.engine_patterns(patterns, maker.index)
    live = prune.live_patterns([line for line in engine_form.layout(merged, maker.index) if line != "%"],
                               maker.lang, maker.index)
    if prunes and getattr(maker, "prunes", False):
        # The guards are for unseen words, and so are the general two-letter patterns: the
        # list cannot tell what they are worth.
        guarded = {engine_model.split_pattern(p)[0] for p in guards}
        live = prune.prune(live, words, keep=lambda key: key in guarded or len(key) <= 2,
                           fold=maker.fold)
    lines = engine_form.layout(engine_form.engine_patterns(live, maker.index), maker.index)
    return patterns, lines, engine_model.PatternSet([line for line in lines if line != "%"])


def exception(maker, word, model, sung, listed):
    """The division a word is listed with, or None.  An engraved word that enough pieces sang
    is listed where the patterns divide it otherwise than most pieces; a word of the
    reference list where they divide it wrongly (and, for some languages, where they cut
    elsewhere than the reference)."""
    if not 3 <= len(word) <= MAX_EXCEPTION_LENGTH:
        return None
    divided = engine_model.divide(word, model, maker.lang)
    if word in sung and sung_training.trusted(sung[word]):
        ref = sung_training.division(sung[word])
        sung_right = getattr(maker, "sung_right", maker.right)
        return ref if divided != ref and sung_right(word, ref) else None
    if word in sung:
        return None
    if word not in listed:
        return None
    misplaced = getattr(maker, "misplaced", lambda word, divided: False)
    if maker.right(word, divided) and not misplaced(word, divided):
        return None
    ref = maker.reference(word)
    may_be_exception = getattr(maker, "may_be_exception", lambda word, ref: True)
    return ref if maker.right(word, ref) and may_be_exception(word, ref) else None


def build(maker, args, log, listed=None):
    t0 = time.time()
    listed = listed or maker.words(args)
    sung = sung_training.load(maker.lang, _sung_fold(maker), getattr(args, "sung_dir", None),
                              getattr(args, "units", None))
    sung = sung_training.training(sung, set(listed))
    words = sorted(set(listed) | set(sung))
    train, test = wordlists.split(listed)
    test = [w for w in test if w not in sung]
    learn = [w for w in train if maker.trains_on(w)]
    log(f"{maker.lang}: {len(words)} words, {len(sung)} engraved, {len(learn)} to patgen, "
        f"{len(test)} held out")
    patterns, lines, model = learn_patterns(maker, args, words, learn, sung)

    # Exceptions: words of the list (held out of patgen or not) the patterns divide wrongly;
    # the held-out figure below measures the patterns alone.
    listed_set = set(listed)
    exceptions = {}
    for word in words:
        ref = exception(maker, word, model, sung, listed_set)
        if ref:
            exceptions[word] = ref
    wrong = sum(not maker.right(w, engine_model.divide(w, model, maker.lang)) for w in test)
    share = 100.0 * (len(test) - wrong) / max(1, len(test))
    log(f"{maker.lang}: {len(patterns)} patgen patterns, {len(lines)} lines, "
        f"{len(exceptions)} exceptions, held-out {share:.2f} % right ({time.time() - t0:.0f} s)")
    return lines, [exceptions[w] for w in sorted(exceptions)], share, len(test)


def cross_validate(maker, args, log, listed=None):
    """Five-fold cross-validation over the engraved words: patterns learnt without one fifth
    of them (not pruned: pruning keeps every listed word's division), the words of that fifth
    on the development list divided by them and by the exceptions the reference list would
    give, against the list's division."""
    listed = listed or maker.words(args)
    fold = _sung_fold(maker)
    sung = sung_training.training(sung_training.load(maker.lang, fold, args.sung_dir, args.units),
                                  set(listed))
    refs = sung_training.list_references(maker.lang, fold, args.sung_dir)
    words = sorted(set(listed) | set(sung))
    train = wordlists.split(listed)[0]
    learn = [w for w in train if maker.trains_on(w)]
    listed_set = set(listed)
    divisions = {}
    poly = exact = mono = whole = 0
    for k in range(sung_training.FOLDS):
        kept = {w: c for w, c in sung.items() if sung_training.fold_of(w) != k}
        _, _, model = learn_patterns(maker, args, words, learn, kept, divisions, prunes=False)
        for word, ref in refs.items():
            if sung_training.fold_of(word) != k:
                continue
            got = exception(maker, word, model, kept, listed_set) or engine_model.divide(word, model, maker.lang)
            if getattr(args, "show_misses", False) and got != ref:
                log(f"{maker.lang}: miss {word}: listed {ref}, divided {got}")
            if "-" in ref:
                poly, exact = poly + 1, exact + (got == ref)
            else:
                mono, whole = mono + 1, whole + ("-" not in got)
        log(f"{maker.lang}: fold {k}: {exact} of {poly} exact, {whole} of {mono} whole so far")
    log(f"{maker.lang}: cross-validated exact {100.0 * exact / max(1, poly):.2f} % of {poly}, "
        f"whole {100.0 * whole / max(1, mono):.2f} % of {mono}")


def write(out, base, lines, exceptions):
    with open(os.path.join(out, base + ".TXT"), "wb") as f:
        f.write(engine_form.source_bytes(lines))
    with open(os.path.join(out, base + ".XCP"), "wb") as f:
        f.write(engine_form.exceptions_bytes(exceptions))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--out", default=os.path.join(here, "..", "..", "dictionaries"))
    ap.add_argument("--lang", default="ru,en,la")
    ap.add_argument("--cmu", default="/tmp/lyrics-npm/node_modules/cmu-pronouncing-dictionary")
    ap.add_argument("--collatinus", default=None)
    ap.add_argument("--moby", default="/work/shared/data/moby-hyphenator/mhyph.txt",
                    help="the Moby Hyphenator II list (mhyph.txt, UTF-8)")
    ap.add_argument("--texlive-dir", default=liang.DEFAULT_TEXLIVE_DIR,
                    help="the hyph-utf8 pattern files (hyph-*.pat.txt)")
    ap.add_argument("--report", default=None, help="also write the held-out figures here")
    ap.add_argument("--sung-dir", default=sung_training.SUNG_DIR, help="the engraved word lists")
    ap.add_argument("--units", default=sung_training.UNITS, help="the development scores' words")
    ap.add_argument("--cross-validate", action="store_true",
                    help="also print the five-fold figures over the engraved words")
    ap.add_argument("--show-misses", action="store_true",
                    help="with --cross-validate, also print every word the folds divide otherwise")
    ap.add_argument("--check", action="store_true",
                    help="write nothing; exit 1 unless the files in --out are what this run makes")
    args = ap.parse_args()
    report = []
    out = tempfile.mkdtemp() if args.check else args.out

    def log(line):
        print(line, flush=True)
        report.append(line)

    for lang in args.lang.split(","):
        maker = LANGUAGES[lang]()
        listed = maker.words(args)
        lines, exceptions, _, _ = build(maker, args, log, listed)
        write(out, languages.BASE_NAME[lang], lines, exceptions)
        if lang == "en":
            write(out, languages.BASE_NAME["us"], lines, exceptions)
        if args.cross_validate:
            cross_validate(maker, args, log, listed)
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
