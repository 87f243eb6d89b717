"""Russian division as engraved under the notes (typographic division, every syllable marked).

Every syllable holds one vowel; й and ъ stay on the left, and so does ь before a consonant,
but ь before a vowel starts the syllable with the consonant before it (пла-тье, се-мья).
Between two vowels the cut follows the Russian TeX patterns (hyph-ru, Lebedev), which know
the prefixes (без-смерт-ный, вос-кре-се, из-ба-ви), where they cut exactly once and leave
consonants on both sides a vowel; elsewhere a single consonant goes right, с or з with a
stop goes right whole as choirs sing it (хри-сте, у-ста), and another cluster is split after
its first consonant (гос-по-ди, от-цу, жиз-ни, креп-кий).
"""

import os

import liang
import ru_syllables

VOWELS = ru_syllables.VOWELS
SIGNS = ru_syllables.SIGNS
# Consonants that begin a syllable together with л or р (сла-ва, и-гра-ю; but от-ро-ка,
# слов-лю), and the other pair that does (тво-рец); the velars keep their л or р even
# where the TeX patterns cut (при-кло-нить), the others follow them (об-ле-чё).
OBSTRUENTS = frozenset("бгзкпсфх")
STOPS = frozenset("гкх")
LIQUIDS = frozenset("лр")
ONSETS = frozenset(["тв"])
# Choirs sing s and z with the consonant after them (хри-сте, у-ста, по-здра-вит); the
# prefixes the patterns know stay whole (ис-точ-ник, вос-кре-се).
CHORAL_ONSETS = frozenset(["ст", "ск", "сп", "зд"])
# Prefixes that end in a vowel stay whole where the patterns cut after them (пре-ста,
# на-ста-нет, до-сто-ин), though a cluster is otherwise split (мес-то).
OPEN_PREFIXES = frozenset(["до", "на", "пре", "при"])
TEX_FILE = "hyph-ru.pat.txt"
_patterns = None


def use_patterns(source):
    """source: a hyph-utf8 pattern file, or a liang.Patterns."""
    global _patterns
    _patterns = source if isinstance(source, liang.Patterns) else liang.Patterns.load(source)


def _tex():
    if _patterns is None:
        use_patterns(os.path.join(liang.DEFAULT_TEXLIVE_DIR, TEX_FILE))
    return _patterns


def _onset(pair):
    return (pair[0] in OBSTRUENTS and pair[1] in LIQUIDS) or pair in ONSETS


def split_cluster(cluster):
    """Letters of the consonants between two vowels that go left, by rule: one consonant or
    an onset (obstruent + л/р, тв) goes right, of two consonants one goes right, of more the
    last one or a final onset, т and д + л/р included (чест-ней, ос-тры)."""
    left = 0
    for k, ch in enumerate(cluster):
        if ch in SIGNS:
            left = k + 1
    rest = cluster[left:]
    if len(rest) <= 1:
        return left
    if _onset(rest[-2:]) or rest[-2:] in CHORAL_ONSETS or (rest[-2] in "тд" and rest[-1] in LIQUIDS):
        return len(cluster) - 2
    return len(cluster) - 1


def _trust_tex(cluster, cut):
    """cut: letters of the cluster the patterns leave on the left."""
    if cut == 0 and len(cluster) == 2 and not _onset(cluster) and cluster not in CHORAL_ONSETS:
        return False
    if cut == 1 and len(cluster) == 2 and cluster[0] in STOPS and cluster[1] in LIQUIDS:
        return False
    return True


def syllables(word):
    nuclei = [k for k, ch in enumerate(word) if ch in VOWELS]
    if len(nuclei) < 2:
        return [word]
    tex = set(_tex().cuts(word))
    cuts = []
    for a, b in zip(nuclei, nuclei[1:]):
        lo = a + 1
        for k in range(a + 1, b):
            if word[k] in SIGNS:
                lo = k + 1
        if word[b - 1] == "ь" and b - 2 > a:
            # ь before a vowel starts the syllable with its consonant (пла-тье, со-ло-вьи)
            cuts.append(b - 2)
            continue
        inside = [c for c in tex if lo <= c < b or c == lo == b]
        at_prefix = word[:a + 1] in OPEN_PREFIXES and max(inside, default=0) == a + 1
        if inside and (at_prefix or _trust_tex(word[a + 1:b], max(inside) - a - 1)):
            cuts.append(max(inside))
        else:
            cuts.append(a + 1 + split_cluster(word[a + 1:b]))
    bounds = [0] + cuts + [len(word)]
    return [word[i:j] for i, j in zip(bounds, bounds[1:])]


def inhibiting_patterns():
    """The division never cuts between a consonant and the vowel after it (a syllable after
    the first starts with a consonant, or follows a vowel or a sign), so patterns that forbid
    it cost nothing on the word list and keep unseen words from a fragment without a vowel
    (и-с-ус).  8 is above every digit patgen writes in six levels."""
    consonants = sorted(set(ru_syllables.LETTERS) - VOWELS - SIGNS)
    return [c + "8" + v for c in consonants for v in sorted(VOWELS - {"ё"})]


def hyphenate(word):
    return "-".join(syllables(word))
