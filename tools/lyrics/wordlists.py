"""Reference word lists from Debian packages and npm, and the training/held-out split.

- Russian: the word forms of hunspell-ru, expanded with unmunch (hunspell-tools).
- English: the CMU pronouncing dictionary of the npm package cmu-pronouncing-dictionary.
- Latin: the lemmas and stems of Collatinus (Debian package collatinus, data files only),
  with the usual inflection endings, and the Latin text shipped with it.
"""

import glob
import hashlib
import json
import os
import re
import shutil
import subprocess
import unicodedata

HUNSPELL_RU = ("/usr/share/hunspell/ru_RU.dic", "/usr/share/hunspell/ru_RU.aff")


def held_out(word, percent=10, salt=""):
    """A fixed, reproducible split: about `percent` % of the words never reach patgen.  Other
    salts give other fixed samples, independent of the split."""
    h = hashlib.sha1((salt + word).encode("utf-8")).digest()
    return h[0] * 100 // 256 < percent


def split(words, percent=10):
    train, test = [], []
    for w in words:
        (test if held_out(w, percent) else train).append(w)
    return train, test


def russian_forms(dic=HUNSPELL_RU[0], aff=HUNSPELL_RU[1]):
    if shutil.which("unmunch") is None or not os.path.exists(dic):
        raise SystemExit("unmunch or the Russian word list is missing: "
                         "apt-get install hunspell-tools hunspell-ru")
    out = subprocess.run(["unmunch", dic, aff], capture_output=True, check=True).stdout
    words = set()
    for line in out.decode("utf-8", "replace").splitlines():
        w = line.strip().lower()
        if w:
            words.add(w)
    return sorted(words)


ENTRY = re.compile(r'^\s*("(?:[^"\\]|\\.)*")\s*:\s*("[^"]*")\s*,?\s*$')


def cmu_dictionary(path):
    """{word: [phoneme strings]} from the npm package's index.js (a JS object literal)."""
    if os.path.isdir(path):
        path = os.path.join(path, "index.js")
    prons = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = ENTRY.match(line)
            if m:
                entry, phones = json.loads(m.group(1)), json.loads(m.group(2))
                prons.setdefault(re.sub(r"\(\d+\)$", "", entry), []).append(phones)
    return prons


def strip_marks(text):
    """Collatinus marks vowel length (ā ă) and diaeresis (ë); the letters alone remain."""
    decomposed = unicodedata.normalize("NFD", text)
    return "".join(c for c in decomposed if not unicodedata.combining(c))


def find_collatinus(root="/usr/share/collatinus/data"):
    for candidate in [root] + glob.glob("/tmp/*/x/usr/share/collatinus/data"):
        if os.path.exists(os.path.join(candidate, "lemmes.la")):
            return candidate
    raise SystemExit("Collatinus data not found: apt-get download collatinus and unpack it "
                     "(dpkg-deb -x), or pass --collatinus DIR")


def _latin_letters(text):
    # Collatinus writes a short y as the Cyrillic ў, which loses its breve to у.
    text = strip_marks(text).lower().replace("\u0443", "y").replace("j", "i")
    return text if text and all("a" <= c <= "z" and c != "w" for c in text) else ""


def latin_words(data_dir, endings_per_stem=60, lemmas_only=False):
    """Lemmas, stems and stems with the commonest endings of Collatinus' inflection models.
    With lemmas_only: the lemmas and the words of the shipped text, real words all."""
    from collections import Counter

    endings = Counter()
    for line in open(os.path.join(data_dir, "modeles.la"), encoding="utf-8"):
        line = line.strip()
        if line.startswith("$") or line.startswith("des"):
            tail = line.split("=", 1)[1] if line.startswith("$") else line.rsplit(":", 1)[-1]
            for e in re.split(r"[;,]", tail):
                e = _latin_letters(e)
                if e:
                    endings[e] += 1
    common = [e for e, _ in endings.most_common(endings_per_stem)]
    words = set()
    for name in ("lemmes.la", "lem_ext.la"):
        for line in open(os.path.join(data_dir, name), encoding="utf-8"):
            if line.startswith("!") or "|" not in line:
                continue
            fields = line.rstrip("\n").split("|")
            head = fields[0].split("=")
            lemma = _latin_letters(re.sub(r"\d+$", "", head[-1]))
            if lemma:
                words.add(lemma)
            if lemmas_only:
                continue
            stems = [_latin_letters(s) for f in fields[2:4] for s in f.split(",")]
            for stem in filter(None, stems):
                words.add(stem)
                words.update(stem + e for e in common)
    text = open(os.path.join(data_dir, "lucretia.txt"), encoding="utf-8").read()
    words.update(filter(None, (_latin_letters(t) for t in re.findall(r"[^\W\d_]+", text))))
    return sorted(words)
