"""Words as engraved scores divide them, as training data: the development word lists
(quality/sung/LANG-dev.tsv: word, division most pieces used, pieces with it, ..., other
divisions) and the words of the development scores (quality/scores/dev/units.jsonl, the
engraver's division of every word).

A word's divisions are counted by the pieces that sang them, over both sources; the one most
pieces used is the word's division, where it has more pieces than any other.  patgen learns
it with a weight that grows with the pieces, and a word the patterns still divide otherwise
becomes an exception, when at least MIN_PIECES pieces sang it.  A division seen in one piece
only may be the engraver's slip (pre-sso): against the reference division of a word of the
language's word list it does not count, since patgen, given both conventions for one word,
loses the cut of its neighbours too.
"""

import collections
import hashlib
import json
import os
import unicodedata

QUALITY = "/work/shared/quality"
SUNG_DIR = os.path.join(QUALITY, "sung")
UNITS = os.path.join(QUALITY, "scores", "dev", "units.jsonl")
LIST_LANG = {"us": "en"}
MIN_PIECES = 2
MAX_WEIGHT = 9  # patgen's word weight is one digit
FOLDS = 5


def _is_word_char(ch):
    return unicodedata.category(ch)[0] in "LM"


def _strip_edges(s):
    i, j = 0, len(s)
    while i < j and not _is_word_char(s[i]):
        i += 1
    while j > i and not _is_word_char(s[j - 1]):
        j -= 1
    return s[i:j]


def _add(counts, division, pieces, fold):
    division = unicodedata.normalize("NFC", division).lower()
    if not division or division.startswith("-") or division.endswith("-") or "--" in division:
        return
    word = fold(division.replace("-", ""))
    if not word or len(word) != len(division.replace("-", "")):
        return  # a letter the dictionary cannot hold, or a ligature that changes the length
    out, k = [], 0
    for ch in division:
        if ch == "-":
            out.append("-")
        else:
            out.append(word[k])
            k += 1
    counts[word]["".join(out)] += pieces


def _list_rows(path):
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            p = line.rstrip("\n").split("\t")
            yield p[1], int(p[2])
            for alt in (p[4].split(";") if len(p) > 4 and p[4] else []):
                division, pieces = alt.rsplit(":", 1)
                yield division, int(pieces)


# Languages whose final mute e after a consonant is sung on a note of its own before a consonant
# and joined to the next word before a vowel (the program's join rule does the second).
MUTE_E_JOINS = {"fr"}
OPENING_SOUNDS = "aeiouyhàâäéèêëîïôöùûüÿœæ"


def _unit_rows(path, lang):
    """(division, score) of every word of the language's verses; words with an apostrophe or
    sung with another on one note are the context rules' business, not a dictionary's."""
    with open(path, encoding="utf-8") as f:
        for line in f:
            unit = json.loads(line)
            if unit["lang"] != lang:
                continue
            for _, division, _, _, _, flags in unit["words"]:
                d = _strip_edges(division)
                if flags or not d or not all(_is_word_char(c) or c == "-" for c in d):
                    continue
                yield d, unit["score"]


def with_last_cut(division, reference):
    """The engraved division with the reference's last cut where the engraver wrote the last
    syllable whole (comme, at-tendre: com-me, at-ten-dre); None when the reference has none."""
    letters = division.replace("-", "")
    ref = reference(letters.lower())
    if not ref or "-" not in ref:
        return None
    last = len(ref.replace("-", "")) - len(ref.rsplit("-", 1)[1])  # letters before the cut
    kept = len(letters) - len(division.rsplit("-", 1)[-1])  # letters before the engraved cut
    if last <= kept or not any(c in OPENING_SOUNDS for c in letters[kept:last].lower()):
        return division  # the engraver cut the last syllable already (an-goi-sse)
    return division[:len(division) - (len(letters) - last)] + "-" + letters[last:]


def _ends_in_mute_e(division):
    letters = division.replace("-", "").lower()
    for ending in ("e", "es", "ent"):
        if letters.endswith(ending) and len(letters) > len(ending) and \
                letters[-len(ending) - 1] not in OPENING_SOUNDS:
            return True
    return False


def sung_mute_e(division, reference):
    """A final mute e after a consonant is sung before a consonant and at a line's end: the
    engraving that writes it whole (dire, dame: chanson style) counts as di-re, da-me; where
    the melody has no note for it the lay-on sings the two on one."""
    if not _ends_in_mute_e(division):
        return division
    return with_last_cut(division, reference) or division


def load(lang, fold, sung_dir=SUNG_DIR, units=UNITS, reference=None):
    """{word in the index letters: Counter(division: pieces)}; fold(word) gives the word in the
    dictionary's letters or None; reference(word) its rule division, which gives a word
    written without its sung mute e its last cut.  Missing sources count as empty."""
    lang = LIST_LANG.get(lang, lang)
    counts = collections.defaultdict(collections.Counter)
    path = os.path.join(sung_dir, f"{lang}-dev.tsv") if sung_dir else None
    if path and os.path.exists(path):
        for division, pieces in _list_rows(path):
            if lang in MUTE_E_JOINS and reference:
                division = sung_mute_e(division, reference)
            _add(counts, division, pieces, fold)
    if units and os.path.exists(units):
        seen = collections.defaultdict(set)
        for division, score in _unit_rows(units, lang):
            if lang in MUTE_E_JOINS and reference:
                division = sung_mute_e(division, reference)
            seen[unicodedata.normalize("NFC", division).lower()].add(score)
        for division in sorted(seen):
            _add(counts, division, len(seen[division]), fold)
    return {w: c for w, c in counts.items() if settled(c)}


def settled(counter):
    """Whether one division has more pieces than any other: where the pieces are split evenly
    (not-te, notte) the score may hold a slip, and the word is no evidence."""
    top = counter.most_common(2)
    return len(top) == 1 or top[0][1] > top[1][1]


def division(counter):
    """The division most pieces sang (of equals, the one with fewer cuts, then the first)."""
    return min(counter.items(), key=lambda kv: (-kv[1], kv[0].count("-"), kv[0]))[0]


def pieces(counter):
    return counter[division(counter)]


def weight(counter, cap=MAX_WEIGHT):
    return min(cap, 1 + pieces(counter))


def trusted(counter):
    return pieces(counter) >= MIN_PIECES


def training(sung, listed):
    """The engraved words that train: every word sung in enough pieces, and the others that
    are not words of the list the reference divides."""
    return {w: c for w, c in sung.items() if trusted(c) or w not in listed}


def fold_of(word):
    """The cross-validation fold of a word: a fixed fifth by a hash of it."""
    return hashlib.sha1(("fold" + word).encode("utf-8")).digest()[0] % FOLDS


def list_references(lang, fold, sung_dir=SUNG_DIR):
    """{word: division} of the development word list alone, as its scorer judges them."""
    lang = LIST_LANG.get(lang, lang)
    refs = {}
    with open(os.path.join(sung_dir, f"{lang}-dev.tsv"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            word, ref = line.split("\t")[:2]
            one = collections.defaultdict(collections.Counter)
            _add(one, ref, 1, fold)
            for w, c in one.items():
                refs[w] = next(iter(c))
    return refs
