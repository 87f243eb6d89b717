"""Rule-based division of German words into sung syllables.

Nuclei: a e i o u y ä ö ü; ai ay au äu ei ey eu ie aa ee oo are one nucleus; u after q is a
consonant; the ie of -ilie(n), -inie(n) is two (Li-li-e, Fa-mi-li-en).
Between two nuclei: one consonant goes right (le-ben, ge-hen, stra-ßen); ch, sch, ck, ph, th
and qu are one consonant and go right whole (Kir-che, Zu-cker); of other clusters the last
consonant goes right (trop-fen, him-mel, eh-re), but st stays whole before an unstressed e or
i (Fen-ster, lu-stig), as songs print it.
Compounds and prefixes are cut at their parts (ver-eint, hin-aus, Weih-nachts-zeit): where the
TeX patterns for German put one break between the same two nuclei, theirs is taken, except
in da-rum, wa-rum, wo-rin (sung as spoken).
"""

import os
import sys

import west_syllables

VOWELS = frozenset("aeiouyäöü")
LETTERS = frozenset("abcdefghijklmnopqrstuvwxyzßäöü")
PAIRS = frozenset(["ai", "ay", "au", "äu", "ei", "ey", "eu", "ie", "aa", "ee", "oo"])
DIGRAPHS = ("sch", "ch", "ck", "ph", "th", "qu")
# da-rum, wa-rum, wo-rin: sung as spoken, not at the part
SPOKEN_PREFIXES = ("dar", "war", "wor")
TEX_FILE = "/usr/share/texlive/texmf-dist/tex/generic/hyph-utf8/patterns/txt/hyph-de-1996.pat.txt"

_tex = None


def tex():
    global _tex
    if _tex is None:
        if not os.path.exists(TEX_FILE):
            raise SystemExit(f"{TEX_FILE} not found: apt-get install texlive-lang-german")
        _tex = west_syllables.TexPatterns(TEX_FILE)
    return _tex


def _two_nuclei_ie(word, k):
    """The ie at k is i-e in -ilie, -ilien, -inie, -inien (Lilie, Familien, Linie)."""
    tail = word[k + 2:]
    return k >= 2 and word[k - 1] in "ln" and word[k - 2] == "i" and tail in ("", "n")


def nuclei(word, guide=None):
    """guide: break positions of the TeX patterns; a pair they break is two nuclei (be-eilen)."""
    guide = tex().breaks(word) if guide is None else guide
    spans, k, n = [], 0, len(word)
    while k < n:
        c = word[k]
        if c not in VOWELS or (c == "u" and k > 0 and word[k - 1] == "q"):
            k += 1
            continue
        pair = word[k:k + 2]
        if pair in PAIRS and k + 1 not in guide and not (pair == "ie" and _two_nuclei_ie(word, k)):
            spans.append((k, k + 2))
            k += 2
        else:
            spans.append((k, k + 1))
            k += 1
    return spans


def rule_split(word, start, end):
    cluster = word[start:end]
    if not cluster:
        return 0
    parts = west_syllables.units(cluster, DIGRAPHS)
    return sum(len(p) for p in parts[:-1])


def split_cluster(word, start, end):
    # A break of the TeX patterns between the two nuclei marks a compound or a prefix.
    # (but not inside pf: käm-pfen, where the patterns cut as typesetters do)
    # A first letter alone is no syllable to the patterns' prefixes (u-n, un-end: un-end-lich).
    guide = sorted(p for p in tex().breaks(word) if start <= p <= end and p >= 2)
    if guide == [3] and word[:3] in SPOKEN_PREFIXES:
        guide = []
    cut = guide[0] - start if len(guide) == 1 else rule_split(word, start, end)
    return _st_whole(word, start, end, cut)


def _st_whole(word, start, end, cut):
    """The songs keep st whole before an unstressed e or i (Fen-ster, lieb-sten, lu-stig), as
    the older spelling the lyrics are printed in did; not before ei, ie (Diens-tag, aus-tei-len
    stay as their parts), nor after another s: that ss is the older ß and stays whole (wuss-te,
    küss-ten, as wuß-te)."""
    at = start + cut
    if word[at - 1:at + 1] == "st" and at + 1 == end and word[end] in "ei" and \
            word[end:end + 2] not in ("ei", "ie") and word[at - 2:at - 1] != "s":
        return cut - 1
    return cut


def sharp_s_variants(words):
    """The forms with ß written ss, as the older prints of songs spell them (sü-sse, gro-ssen),
    divided as the ß is: the ones whose ss spelling is no other word."""
    known = set(words)
    out = {}
    for w in known:
        if "ß" in w:
            plain = w.replace("ß", "ss")
            if plain not in known:
                out[plain] = hyphenate(w).replace("ß", "ss")
    return out


spelling_variants = sharp_s_variants


def syllables(word):
    return west_syllables.syllables(word, nuclei(word), split_cluster)


def hyphenate(word):
    return "-".join(syllables(word))


def is_word(word):
    return len(word) >= 2 and all(ch in LETTERS for ch in word)


if __name__ == "__main__":
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    for line in sys.stdin:
        print(hyphenate(line.strip().lower()))
