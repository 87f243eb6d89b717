"""Rule-based division of French words into sung syllables.

Nuclei: the vowel letters, with eau, au, ai, ei, eu, œu, ou, oi and the like as one nucleus.
Every e is sung, the final mute e too (ai-me, ter-re, ai-ment, vi-e, ar-ra-ché-e, jou-e), except
in those groups, in ge, ce before a, o, u (man-gea) and in a final -ent after a vowel (voient).
i and u before a vowel glide into it (ciel, lu-miè-re, nuit), except after a consonant and l or
r (pri-er, ou-bli-er), before a final e, and, for i, before the endings of nouns and adjectives
after the first syllable, as songs sing them (pas-si-on, mé-lo-di-eux, con-fi-ant; but cieux);
the i of -ill after a group is a sign (feuil-le). ou before a vowel and ï, ü, ë start a
nucleus of their own (jou-er, na-ïf, No-ël). y before a vowel is a
consonant (ci-to-yen, fu-yons). u after q and g before e, é, è, ê, i, y is silent (que, lon-gue).
Between two nuclei: one consonant goes right; ch, ph, th are one consonant; a stop or f, v
before l or r goes right with it (peu-ple, qua-tre); of other clusters the last consonant goes
right, so double consonants are split (ter-re, feuil-le) and so is gn (si-gne is sig-ne).
"""

import sys

import west_syllables

VOWELS = frozenset("aeiouyœæàâéèêëîïôùûüÿ")
LETTERS = frozenset("abcdefghijklmnopqrstuvwxyzœæàâçéèêëîïôùûüÿ")
# Groups sung on one note, longest first; matched where a nucleus starts.
GROUPS = ("eau", "oui", "œu", "au", "ai", "aî", "ei", "eu", "eû", "ou", "oû", "où", "oi", "oî",
          "ay", "ey", "oy")
# Units of the consonants: qu, gu and ge, ce hold a silent letter (lon-gue, man-geons).
DIGRAPHS = ("ch", "ph", "th", "gn", "qu", "gu", "ge", "ce")
STOPS = frozenset("bcdgkptfv")
LIQUIDS = frozenset("lr")
FRONT = frozenset("eéèêëiîy")


def _silent_u(word, k):
    nxt = word[k + 1:k + 2]
    if word[k] != "u" or k == 0 or not nxt:
        return False
    return (word[k - 1] == "q" and nxt in VOWELS) or (word[k - 1] == "g" and nxt in FRONT)


def _consonant_y(word, k):
    return word[k] == "y" and 0 < k < len(word) - 1 and word[k + 1] in VOWELS


def _silent_e(word, k):
    """ge, ce before a, o, u: the e only softens the consonant (man-gea, nous man-geons)."""
    return (word[k] == "e" and k > 0 and word[k - 1] in "gc" and k + 1 < len(word)
            and word[k + 1] in "aoâôuû")


DIERESIS_ENDINGS = ("on", "ons", "eux", "euse", "euses", "eusement", "ant", "ants", "ante", "antes",
                    "ance", "ances")


def _dieresis(word, k, spans):
    """Songs sing an i or u apart before a final e (vi-e, nu-es), and an i before the endings
    of nouns and adjectives of more than one syllable: pas-si-on, na-ti-ons, mé-lo-di-eux,
    con-fi-ant (but cieux, mieux, viens)."""
    if word[k + 1:] in ("e", "es"):
        return True  # the final e after a vowel is sung: vi-e, nu-es
    if word[k] != "i" or not spans or word[k + 1:] not in DIERESIS_ENDINGS:
        return False
    return not word[k + 1:].startswith("o") or word[k - 1:k] in ("t", "s", "x", "g")


def is_vowel(word, k):
    return word[k] in VOWELS and not (_silent_u(word, k) or _consonant_y(word, k))


def nuclei(word):
    n = len(word)
    spans = []
    k = 0
    while k < n:
        if not is_vowel(word, k) or _silent_e(word, k):
            k += 1
            continue
        if spans and spans[-1][1] == k and word[k] == "e" and word[k + 1:] == "nt":
            break  # a final -ent after a vowel is not sung (voient, priaient)
        start = k
        c = word[k]
        after_cluster = k >= 2 and word[k - 1] in LIQUIDS and word[k - 2] in STOPS
        nxt = word[k + 1:k + 2]
        if c in "iu" and nxt and is_vowel(word, k + 1) and nxt not in "ïüë" and (
                (c == "u" and nxt == "i") or not after_cluster) and not _dieresis(word, k, spans):
            k += 1  # a glide: it joins the vowel after it (ciel, lu-miè-re, nuit)
        for g in GROUPS:
            if word.startswith(g, k) and all(is_vowel(word, j) for j in range(k, k + len(g))):
                k += len(g)
                if word[k:k + 2] == "il" and word[k + 2:k + 3] in ("l", ""):
                    k += 1  # the i of -ill after a group is a sign (feuil-le, ga-zouil-le)
                break
        else:
            k += 1
        spans.append((start, k))
    return spans


def split_cluster(word, start, end):
    cluster = word[start:end]
    if not cluster:
        return 0
    parts = west_syllables.units(cluster, DIGRAPHS)
    if len(parts) >= 2 and parts[-1] in LIQUIDS and parts[-2] in STOPS | set(DIGRAPHS):
        right = 2
    else:
        right = 1
    return sum(len(p) for p in parts[:len(parts) - right])


def syllables(word):
    return west_syllables.syllables(word, nuclei(word), split_cluster)


def hyphenate(word):
    return "-".join(syllables(word))


def is_word(word):
    return len(word) >= 2 and all(ch in LETTERS for ch in word)


if __name__ == "__main__":
    for line in sys.stdin:
        print(hyphenate(line.strip().lower()))
