"""Drops the patterns that change no division, to keep the word step's records few.

First, digits that can decide no word are dropped, and a pattern left without digits goes:
a digit before the first letter or after the last, and one the join rules always undo (after a
first consonant, where the word step joins a lone letter to the next).

Then, patgen's later levels often override what an earlier pattern says.  A pattern can go
when, at every gap between two letters of every word of a list where it matches, the largest
digit left without it has the same parity as the largest digit with it: the word divides the
same.  Patterns are tried one at a time (longest key first), each against the set left by the
ones before, so what is left divides every word of the list as the whole set did.
"""

from array import array

from engine_model import PatternSet, join_initial, split_pattern
from engine_form import join_pattern


def _matches(patterns, words, fold):
    """Per gap between two letters, the (pattern, digit) pairs that reach it; and per pattern,
    the gaps it reaches."""
    keys = {}
    for pid, key in enumerate(patterns.ids):
        keys[key] = pid
    gap_start = array("q", [0])
    gap_pid, gap_value = array("i"), array("b")
    reach = [array("q") for _ in patterns.ids]
    longest = patterns.max_key
    for word in words:
        d = "." + fold(word) + "."
        n = len(d)
        found = [[] for _ in range(n + 1)]
        for s in range(n - 1):
            for length in range(2, min(longest, n - s) + 1):
                pid = keys.get(d[s:s + length])
                if pid is None:
                    continue
                for gap, value in patterns.weights[pid]:
                    g = s + gap
                    if 2 <= g <= n - 2:  # a gap between two letters of the word
                        found[g].append((pid, value))
        for g in range(2, n - 1):
            here = len(gap_start) - 1
            for pid, value in found[g]:
                gap_pid.append(pid)
                gap_value.append(value)
                reach[pid].append(here)
            gap_start.append(len(gap_pid))
    return gap_start, gap_pid, gap_value, reach


class _Keys:
    def __init__(self, lines):
        merged = PatternSet(lines).table
        self.ids = sorted(merged)
        self.weights = [merged[k] for k in self.ids]
        self.max_key = max((len(k) for k in self.ids), default=0)


def _dead(key, gap, lang, letters):
    if key[0] == "." and gap <= 1 or key[-1] == "." and gap >= len(key) - 1:
        return True  # outside the word
    if key[0] == "." and gap == 2:  # after the first letter: dead if every next letter joins
        nexts = letters if len(key) == 2 else key[2]
        return all(join_initial(key[1] + "-" + y + "x", lang) == key[1] + y + "x" for y in nexts)
    return False


def live_patterns(lines, lang, letters):
    """The lines without the digits that can decide no word; lines left without one go."""
    out = []
    for line in lines:
        key, weights = split_pattern(line)
        live = {g: v for g, v in weights if not _dead(key, g, lang, letters)}
        if live:
            out.append(join_pattern(key, live))
    return out


def prune(lines, words, keep=lambda key: False, fold=lambda word: word):
    """The pattern lines (no "%" lines) that divide every word of words as all of them do.
    keep(key) marks lines that stay whatever the list says (patterns for unseen words)."""
    patterns = _Keys(lines)
    gap_start, gap_pid, gap_value, reach = _matches(patterns, words, fold)
    active = [True] * len(patterns.ids)

    def top(g, without):
        best = 0
        for k in range(gap_start[g], gap_start[g + 1]):
            pid = gap_pid[k]
            if pid != without and active[pid] and gap_value[k] > best:
                best = gap_value[k]
        return best

    order = sorted(range(len(patterns.ids)), key=lambda p: (-len(patterns.ids[p]), patterns.ids[p]))
    for pid in order:
        if keep(patterns.ids[pid]):
            continue
        if all(top(g, pid) % 2 == top(g, -1) % 2 for g in set(reach[pid])):
            active[pid] = False
    dropped = {patterns.ids[p] for p in range(len(patterns.ids)) if not active[p]}
    return [line for line in lines if split_pattern(line)[0] not in dropped]
