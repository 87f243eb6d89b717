"""English division as engraved under the notes: the Moby Hyphenator's dictionary
syllabification, every syllable marked, with the choices scores make where dictionaries differ.

- A single consonant after a vowel goes right (spi-rit, ma-ny, wo-man), except before the
  endings -er, -en, -ing, -ed, -est, -eth and their forms, which stay whole (ev-er, heav-en,
  com-ing, bless-ed).
- An unstressed i or u is not cut from the vowel ending after it (glo-rious, ra-diant).
- Names (capitalised entries) count as words; the elided forms of hymns (wand-ring,
  ev-ry) are made from the full ones.
- Inflected forms the list lacks are made from their stem: the ending -s joins the last
  syllable, -ing, -eth, -est, -er and a sounded -ed or -es stand alone (wait-ing, lead-eth,
  prais-es), a silent -ed joins (re-deemed).
"""

import re

VOWELS = frozenset("aeiouy")
KEEP_ENDINGS = frozenset(["er", "ers", "en", "ens", "ing", "ings", "ed", "est", "eth", "es",
                          "ered", "ering", "ened", "ening", "ern"])
FINAL_Y = frozenset(["y", "ied", "ier", "iest", "ily"])
GLIDE_ENDINGS = frozenset(["ous", "ant", "ants", "ance", "ent", "ents", "ence", "an", "ans", "or",
                           "ors", "our", "ours", "er", "ers", "est", "ot", "ots", "on", "ons"])
ENDINGS = ("ings", "ing", "eth", "est", "ness", "ly", "er", "ed", "es", "d", "s")
WORD = re.compile(r"^[a-z]+$")


def _glide(sylls):
    """An unstressed i or u before a vowel ending is not cut from it (glo-rious, ra-diant,
    war-rior, tem-pes-tuous); after the first syllable only (li-on, vi-a keep theirs)."""
    out = [sylls[0]]
    for syll in sylls[1:]:
        prev = out[-1]
        if (len(out) >= 2 and prev[-1] in "iu" and prev[-2:] != "qu" and syll in GLIDE_ENDINGS):
            out[-1] = prev + syll
        else:
            out.append(syll)
    return out


def _move_consonant(sylls, is_stem):
    out = list(sylls)
    word = "".join(sylls)
    stem = word[:-len(out[-1])] if out else ""
    if len(out) >= 2 and not (len(stem) >= 4 and (is_stem(stem) or is_stem(stem + "e"))):
        left, right = out[-2], out[-1]
        if (right in FINAL_Y and left[-1] not in VOWELS and left[-1] != "x"
                and any(c in VOWELS for c in left[:-1])):
            out[-2], out[-1] = left[:-1], left[-1] + right
    return out


class Moby:
    def __init__(self, path):
        self.words = {}
        self.names = {}
        self.compounds = []
        with open(path, encoding="utf-8") as f:
            for line in f:
                entry = line.strip()
                plain = entry.replace("\u2022", "")
                lower = plain.lower()
                if WORD.match(plain):
                    self.words.setdefault(plain, entry.split("\u2022"))
                elif WORD.match(lower) and plain[0].isupper() and plain[1:] == lower[1:]:
                    self.names.setdefault(lower, entry.lower().split("\u2022"))
                else:
                    parts = re.split(r"[ -]", lower.replace("\u2022", ""))
                    if len(parts) == 2 and all(WORD.match(p) for p in parts):
                        self.compounds.append(parts)
        for name, sylls in self.names.items():
            self.words.setdefault(name, sylls)

    def is_stem(self, word):
        return len(word) >= 3 and word in self.words

    def divide(self, word, glide=True):
        """The engraved division of a word of the list or an inflected form of one; None for
        other words.  glide=False keeps the dictionary's count of syllables."""
        sylls = self.words.get(word)
        if sylls is None:
            sylls = self._inflected(word)
            if sylls is None:
                return None
        sylls = _move_consonant(sylls, self.is_stem)
        return "-".join(_glide(sylls) if glide else sylls)

    def _inflected(self, word):
        for ending in ENDINGS:
            if not word.endswith(ending) or len(word) - len(ending) < 2:
                continue
            base = word[:-len(ending)]
            for stem, joined in ((base + "e", base), (base, base), (base[:-1], base)):
                if stem == base[:-1] and not (len(base) >= 2 and base[-1] == base[-2]):
                    continue
                sylls = self.words.get(stem)
                if sylls is None or len(stem) < 3 or (stem == base + "e" and ending == "s"):
                    continue
                return _add_ending(list(sylls), stem, joined, ending)
        return None


def _sounded(stem, ending):
    if ending in ("s", "d"):
        return False
    if ending == "es":
        return stem.endswith(("s", "x", "z", "ch", "sh", "ce", "ge", "se", "ze"))
    if ending == "ed":
        return stem.endswith(("t", "d", "te", "de"))
    return True


def _add_ending(sylls, stem, joined, ending):
    """stem divided as sylls; joined: the letters the ending follows (stem without a silent e,
    or with its last consonant doubled)."""
    if stem.endswith("e") and joined == stem[:-1]:
        sylls[-1] = sylls[-1][:-1]
    if len(joined) > len(stem):  # doubled consonant: run-ning, begged
        if not _sounded(stem, ending):
            sylls[-1] += joined[-1] + ending
            return sylls
        return sylls + [joined[-1] + ending]
    if _sounded(stem, ending):
        if not sylls[-1]:
            return None
        return sylls + [ending]
    sylls[-1] += ending
    return sylls


ELIDED = re.compile(r"^([^aeiouy]*)(er|en|or)$")


def elided_forms(divided):
    """The forms with an unstressed er, en or or left out, as hymns print them, divided as
    sung: the consonant before it stays left, the r or n goes right (wan-der-ing ->
    wand-ring, ev-er-y -> ev-ry, heav-en-ly -> heav-nly, fa-vor-ite -> fav-rite)."""
    sylls = divided.split("-")
    out = []
    for k in range(1, len(sylls) - 1):
        m = ELIDED.match(sylls[k])
        if not m:
            continue
        left = sylls[k - 1] + m.group(1)
        right = m.group(2)[-1] + sylls[k + 1]
        out.append("-".join(sylls[:k - 1] + [left, right] + sylls[k + 2:]))
    return out
