#!/usr/bin/env python3
"""Make Cantiva dictionary sources from TeX hyphenation pattern collections.

    import_patterns.py --lang ru|en|la|us|all --out-dir DIR
                       [--patterns FILE ...] [--exceptions FILE ...]
                       [--texlive-dir DIR] [--no-exceptions]

Reads Liang patterns (hyph-utf8 ".pat.txt" files: UTF-8, whitespace-separated,
"%" starts a comment) and hyphenated words (".hyp.txt"), and writes BASE.TXT and
BASE.XCP into DIR in Windows-1251 with CR LF line ends. Without --patterns the
language's hyph-utf8 files under --texlive-dir are used.

The engine tries windows of two characters or more only and matches ё as е, so
the conversion reshapes a collection into what the engine can apply:

- patterns a language cannot use are dropped (Russian "-" patterns and the
  typesetting-only inhibitors, Latin accent-marked patterns, letters outside
  the index alphabet);
- Russian ё becomes е, Latin æ and œ become ae and oe with an even weight
  between the two letters, so they never break;
- a pattern whose key is one letter becomes the equivalent two-character
  patterns: the same digit at the same gap, paired with every index letter and
  "." on the other side of that gap;
- patterns with the same key merge, keeping the larger digit at each gap.

The output depends on the input alone: sections are sorted, nothing is dated.
"""
from __future__ import annotations

import argparse
import os
import sys
from dataclasses import dataclass, field

MAX_LINE = 32
SEPARATOR = "%"
DIGITS = "0123456789"
BOUNDARY = "."
CRLF = b"\r\n"
# An even weight no collection exceeds: keeps a mapped digraph together.
DIGRAPH_WEIGHT = 8

DEFAULT_TEXLIVE_DIR = "/usr/share/texlive/texmf-dist/tex/generic/hyph-utf8/patterns/txt"


@dataclass(frozen=True)
class LanguageProfile:
    code: str
    base_name: str
    index_alphabet: str  # the section letters, in section order
    vowels: str  # letters that make a syllable in an exception
    vowel_runs: bool  # a run of vowels is one syllable (English) or each vowel is one (Russian)
    leading_forbidden: str = ""  # letters that never start a fragment after the first
    letter_map: dict = field(default_factory=dict)  # source letter -> replacement
    digraphs: dict = field(default_factory=dict)  # source letter -> two letters kept together
    drop_with: str = ""  # a pattern holding any of these is dropped
    typesetting_only: frozenset = frozenset()  # patterns dropped as they stand in the source
    texlive_patterns: tuple = ()
    texlive_exceptions: tuple = ()


LATIN_LETTERS = "abcdefghijklmnopqrstuvwxyz"

PROFILES = {
    "ru": LanguageProfile(
        code="ru",
        base_name="RHYPHEN",
        index_alphabet="".join(chr(c) for c in range(ord("а"), ord("я") + 1)),
        vowels="аеёиоуыэюя",
        vowel_runs=False,
        leading_forbidden="ьъй",
        letter_map={"ё": "е"},
        drop_with="-",
        # They forbid a lone "не" at a word's edge, a rule of typesetting, not of singing.
        typesetting_only=frozenset({".не8", "8не."}),
        texlive_patterns=("hyph-ru.pat.txt",),
        texlive_exceptions=("hyph-ru.hyp.txt",),
    ),
    "en": LanguageProfile(
        code="en",
        base_name="EHYPHEN",
        index_alphabet=LATIN_LETTERS,
        vowels="aeiouy",
        vowel_runs=True,
        texlive_patterns=("hyph-en-us.pat.txt",),
        texlive_exceptions=("hyph-en-us.hyp.txt",),
    ),
    "la": LanguageProfile(
        code="la",
        base_name="LHYPHEN",
        index_alphabet=LATIN_LETTERS.replace("w", ""),
        vowels="aeiouy",
        vowel_runs=True,
        digraphs={"æ": "ae", "œ": "oe"},
        texlive_patterns=("hyph-la-x-liturgic.pat.txt",),
    ),
    "us": LanguageProfile(
        code="us",
        base_name="UHYPHEN",
        index_alphabet=LATIN_LETTERS,
        vowels="aeiouy",
        vowel_runs=True,
        texlive_patterns=("hyph-en-us.pat.txt",),
        texlive_exceptions=("hyph-en-us.hyp.txt",),
    ),
}


@dataclass(frozen=True)
class Pattern:
    """Letters with one weight per gap: weights[i] is the gap before letters[i]."""

    letters: str
    weights: tuple

    @staticmethod
    def parse(text: str) -> "Pattern":
        letters, weights = [], [0]
        for ch in text:
            if ch in DIGITS:
                weights[-1] = int(ch)
            else:
                letters.append(ch)
                weights.append(0)
        return Pattern("".join(letters), tuple(weights))

    def text(self) -> str:
        out = []
        for i, weight in enumerate(self.weights):
            if weight:
                out.append(str(weight))
            if i < len(self.letters):
                out.append(self.letters[i])
        return "".join(out)

    def merged(self, other: "Pattern") -> "Pattern":
        return Pattern(self.letters, tuple(max(a, b) for a, b in zip(self.weights, other.weights)))


@dataclass
class Report:
    """What a conversion kept and dropped, for the log of an import."""

    read: int = 0
    dropped: dict = field(default_factory=dict)
    expanded: int = 0
    written: int = 0

    def drop(self, reason: str) -> None:
        self.dropped[reason] = self.dropped.get(reason, 0) + 1

    def lines(self, what: str) -> list:
        out = [f"{what}: {self.read} read, {self.written} written"]
        if self.expanded:
            out.append(f"  {self.expanded} one-letter patterns expanded")
        out += [f"  dropped {n}: {reason}" for reason, n in sorted(self.dropped.items())]
        return out


def read_words(path: str) -> list:
    """The whitespace-separated items of a hyph-utf8 text file, without "%" comments."""
    words = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            words += line.split("%", 1)[0].split()
    return words


def map_letters(raw: str, profile: LanguageProfile) -> str | None:
    """The pattern in the letters the engine matches, or None when it holds a letter it cannot."""
    out = []
    allowed = set(profile.index_alphabet) | {BOUNDARY}
    for ch in raw:
        if ch in DIGITS:
            out.append(ch)
        elif ch in profile.digraphs:
            first, second = profile.digraphs[ch]
            out.append(f"{first}{DIGRAPH_WEIGHT}{second}")
        else:
            ch = profile.letter_map.get(ch, ch)
            if ch not in allowed:
                return None
            out.append(ch)
    return "".join(out)


def merge_into(table: dict, pattern: Pattern) -> None:
    known = table.get(pattern.letters)
    table[pattern.letters] = pattern if known is None else known.merged(pattern)


def expand_one_letter(pattern: Pattern, profile: LanguageProfile) -> list:
    """Two-character patterns with the same effect as a one-letter one, for an engine that never
    tries a one-character window: every character that can stand beside the letter is paired
    with it on the far side of each weighted gap."""
    (letter,) = pattern.letters
    before, after = pattern.weights
    neighbours = BOUNDARY + profile.index_alphabet
    out = []
    if before:
        out += [Pattern(n + letter, (0, before, 0)) for n in neighbours]
    if after:
        out += [Pattern(letter + n, (0, after, 0)) for n in neighbours]
    return out


def convert_patterns(raw_patterns, profile: LanguageProfile, report: Report | None = None) -> list:
    """The collection's patterns as the engine can apply them, merged by key."""
    report = report if report is not None else Report()
    table = {}
    for raw in raw_patterns:
        report.read += 1
        if raw in profile.typesetting_only:
            report.drop("typesetting-only inhibitor")
            continue
        if profile.drop_with and any(c in raw for c in profile.drop_with):
            report.drop(f"holds {profile.drop_with!r}")
            continue
        mapped = map_letters(raw, profile)
        if mapped is None:
            report.drop("letter outside the alphabet (accents, w, ...)")
            continue
        pattern = Pattern.parse(mapped)
        if len(pattern.letters) == 0:
            report.drop("no letters")
            continue
        if len(pattern.letters) == 1:
            report.expanded += 1
            for two in expand_one_letter(pattern, profile):
                merge_into(table, two)
            continue
        merge_into(table, pattern)
    kept = []
    for pattern in table.values():
        if not any(pattern.weights):
            report.drop("no weight after merging")
        elif len(pattern.text()) > MAX_LINE:
            report.drop(f"longer than {MAX_LINE} characters")
        else:
            kept.append(pattern)
    report.written = len(kept)
    return kept


def cp1251_order(text: str) -> bytes:
    return text.encode("cp1251")


def main_source_lines(patterns, profile: LanguageProfile) -> list:
    """The '.' section, then one separator per index letter, each followed by its patterns."""
    sections = {BOUNDARY: []}
    sections.update({letter: [] for letter in profile.index_alphabet})
    for pattern in patterns:
        if pattern.letters[:1] not in sections:
            raise ValueError(f"{pattern.text()!r} has no section in the {profile.code} index")
        sections[pattern.letters[0]].append(pattern)
    lines = []
    for first in BOUNDARY + profile.index_alphabet:
        if first != BOUNDARY:
            lines.append(SEPARATOR)
        ordered = sorted(sections[first], key=lambda p: (cp1251_order(p.letters), p.weights))
        lines += [p.text() for p in ordered]
    return lines


def syllable_count(fragment: str, profile: LanguageProfile) -> int:
    count, in_run = 0, False
    for ch in fragment:
        is_vowel = ch in profile.vowels
        if is_vowel and not (in_run and profile.vowel_runs):
            count += 1
        in_run = is_vowel
    return count


def suits_singing(word: str, profile: LanguageProfile) -> bool:
    """A hyphenated word whose every fragment is one sung syllable. Words the collection lists
    without a break only forbid breaks to a typesetter, so they are left out too."""
    fragments = word.split("-")
    if len(fragments) < 2 or any(not f for f in fragments):
        return False
    if any(f[0] in profile.leading_forbidden for f in fragments[1:]):
        return False
    return all(syllable_count(f, profile) == 1 for f in fragments)


def convert_exceptions(raw_words, profile: LanguageProfile, report: Report | None = None) -> list:
    report = report if report is not None else Report()
    letters = set(profile.index_alphabet) | set(profile.letter_map) | {"-"}
    kept = set()
    for raw in raw_words:
        report.read += 1
        word = raw.lower()
        if any(c not in letters for c in word):
            report.drop("letter outside the alphabet")
        elif len(word) > MAX_LINE:
            report.drop(f"longer than {MAX_LINE} characters")
        elif not suits_singing(word, profile):
            report.drop("not one syllable per fragment")
        else:
            kept.add(word)
    report.written = len(kept)
    return sorted(kept, key=cp1251_order)


def encode_lines(lines, final_line_break: bool) -> bytes:
    data = CRLF.join(line.encode("cp1251") for line in lines)
    return data + CRLF if final_line_break and lines else data


def main_source_bytes(patterns, profile: LanguageProfile) -> bytes:
    return encode_lines(main_source_lines(patterns, profile), final_line_break=True)


def exceptions_source_bytes(words) -> bytes:
    # As the exceptions editor writes it: no line break after the last line.
    return encode_lines(words, final_line_break=False)


def write_file(path: str, data: bytes) -> None:
    temporary = path + ".tmp"
    with open(temporary, "wb") as f:
        f.write(data)
    os.replace(temporary, path)


def import_language(profile, pattern_files, exception_files, out_dir, write_exceptions=True, log=sys.stderr):
    """Reads every input before writing anything, so a missing file leaves the folder as it was."""
    raw_patterns = [p for path in pattern_files for p in read_words(path)]
    raw_words = [w for path in exception_files for w in read_words(path)] if write_exceptions else []
    report = Report()
    outputs = [(".TXT", main_source_bytes(convert_patterns(raw_patterns, profile, report), profile))]
    log_lines = report.lines(f"{profile.base_name}.TXT patterns")
    if write_exceptions:
        x_report = Report()
        outputs.append((".XCP", exceptions_source_bytes(convert_exceptions(raw_words, profile, x_report))))
        log_lines += x_report.lines(f"{profile.base_name}.XCP exceptions")
    for extension, data in outputs:
        write_file(os.path.join(out_dir, profile.base_name + extension), data)
    for line in log_lines:
        print(line, file=log)


def parse_arguments(argv):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--lang", required=True, choices=sorted(PROFILES) + ["all"])
    ap.add_argument("--out-dir", required=True)
    ap.add_argument("--patterns", nargs="+", metavar="FILE", help="pattern files (default: the hyph-utf8 ones)")
    ap.add_argument("--exceptions", nargs="+", metavar="FILE", help="hyphenated word files")
    ap.add_argument("--texlive-dir", default=DEFAULT_TEXLIVE_DIR)
    ap.add_argument("--no-exceptions", action="store_true", help="write the .TXT only")
    args = ap.parse_args(argv)
    if args.lang == "all" and (args.patterns or args.exceptions):
        ap.error("--patterns and --exceptions need a single --lang")
    return args


def input_files(args, profile: LanguageProfile):
    """The pattern and exception files of a language: as given, else the hyph-utf8 ones. Patterns
    given without exceptions make an empty exception list."""
    in_texlive = [os.path.join(args.texlive_dir, n) for n in profile.texlive_patterns]
    x_in_texlive = [os.path.join(args.texlive_dir, n) for n in profile.texlive_exceptions]
    if args.patterns:
        return args.patterns, args.exceptions or []
    return in_texlive, args.exceptions if args.exceptions is not None else x_in_texlive


def main(argv=None, log=sys.stderr) -> int:
    args = parse_arguments(argv)
    codes = ["ru", "en", "la", "us"] if args.lang == "all" else [args.lang]
    for code in codes:
        profile = PROFILES[code]
        pattern_files, exception_files = input_files(args, profile)
        try:
            import_language(profile, pattern_files, exception_files, args.out_dir, not args.no_exceptions, log)
        except OSError as e:
            print(f"import_patterns: {e}", file=log)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
