"""Puts Liang patterns into the program's main dictionary layout.

- The program never tries a one-character window, so a pattern whose key is one letter
  (1б, a1) is replaced by the two-character patterns that say the same: the letter paired
  with every index letter and '.' on the side away from the digit (а1б ... я1б, .1б).
  A digit on both sides (1б1) gives both families.
- Patterns with the same key are merged, keeping the larger digit at every gap.
- The '.' section comes first, then one "%" line per index letter, in index order, each
  followed by the patterns whose key starts with that letter, sorted.
- Lines are at most 32 characters; Windows-1251 (Windows-1252 for German, French, Italian
  and Spanish), CR LF.
"""

from engine_model import split_pattern

MAX_LINE = 32


def join_pattern(key, weights):
    """('.авто', {3: 1}) -> '.ав1то'."""
    out = []
    for k, ch in enumerate(key):
        if weights.get(k):
            out.append(str(weights[k]))
        out.append(ch)
    if weights.get(len(key)):
        out.append(str(weights[len(key)]))
    return "".join(out)


def _add(merged, key, weights):
    slot = merged.setdefault(key, {})
    for gap, value in weights:
        if value > slot.get(gap, 0):
            slot[gap] = value


def engine_patterns(patterns, index):
    """The patterns as the program can use them: {key: {gap: digit}}."""
    merged = {}
    others = list(index) + ["."]
    for text in patterns:
        key, weights = split_pattern(text)
        weights = [(g, v) for g, v in weights if v > 0]
        if not weights:
            continue
        if len(key) >= 2:
            _add(merged, key, weights)
            continue
        for gap, value in weights:
            for other in others:
                if gap == 0:  # digit before the letter: pair with the character before it
                    _add(merged, other + key, [(1, value)])
                else:  # digit after the letter: pair with the character after it
                    _add(merged, key + other, [(1, value)])
    return merged


def layout(merged, index):
    """The lines of the main dictionary source, without line ends."""
    sections = {c: [] for c in "." + index}
    for key, weights in merged.items():
        text = join_pattern(key, weights)
        if len(text) > MAX_LINE:
            raise ValueError(f"pattern longer than {MAX_LINE} characters: {text}")
        if key[0] not in sections:
            raise ValueError(f"pattern key starts outside the index: {text}")
        sections[key[0]].append((key, text))
    lines = [t for _, t in sorted(sections["."])]
    for c in index:
        lines.append("%")
        lines.extend(t for _, t in sorted(sections[c]))
    return lines


def source_bytes(lines, encoding="cp1251"):
    return "".join(line + "\r\n" for line in lines).encode(encoding)


def exceptions_bytes(words, encoding="cp1251"):
    """The exceptions source: one divided word a line, CR LF between lines."""
    return "\r\n".join(words).encode(encoding)
