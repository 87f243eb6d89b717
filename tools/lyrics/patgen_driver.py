"""Runs TeX's patgen on a list of divided words and returns the patterns it learnt.

patgen reads its letters through a translation file; the minimum fragment lengths are 1 on
both sides, because a sung syllable may be one letter (a-bout, э-то, i-de-a).  Words and
patterns pass through patgen in Windows-1251 for Russian and in ASCII otherwise.
"""

import os
import shutil
import subprocess
import tempfile

# (pattern length from, to, good weight, bad weight, threshold) per level: the usual
# shape (short, cautious patterns first, longer and exact ones later), tuned on held-out
# words of the reference lists.
DEFAULT_LEVELS = [
    (1, 3, 1, 2, 20),
    (1, 4, 2, 1, 8),
    (2, 5, 1, 4, 7),
    (2, 6, 3, 2, 1),
    (3, 7, 1, 1, 1),
    (3, 8, 1, 1, 1),
]

# English spelling is less regular: short patterns need more evidence, and more levels of
# longer ones follow (held-out CMU words 94.7 % right against 94.4 % with the levels above,
# with fewer patterns).
ENGLISH_LEVELS = [
    (1, 2, 1, 3, 5),
    (2, 3, 1, 2, 5),
    (2, 4, 1, 2, 3),
    (3, 5, 1, 1, 2),
    (3, 6, 1, 1, 1),
    (4, 7, 1, 1, 1),
    (4, 8, 1, 1, 1),
    (5, 9, 1, 1, 1),
]


def _encoding(letters):
    return "cp1251" if any(ord(c) > 127 for c in letters) else "ascii"


def translation(letters):
    lines = [" 1 1"]
    for c in letters:
        up = c.upper()
        lines.append(f" {c} {up} " if up != c and len(up) == 1 else f" {c} ")  # ß has no capital
    return "\n".join(lines) + "\n"


def run_patgen(words, letters, levels=DEFAULT_LEVELS, patgen="patgen", workdir=None, encoding=None,
               weights=None):
    """words: divided words ("се-стра"); letters: the alphabet they use; encoding: the 8-bit
    code page they pass through patgen in (by default Windows-1251 or ASCII); weights: a
    word -> weight (1 to 9) map for words that count more than once.  Returns the list of
    pattern strings patgen wrote, in its order."""
    weights = weights or {}
    if shutil.which(patgen) is None:
        raise SystemExit(f"{patgen} not found: install the Debian package texlive-binaries")
    enc = encoding or _encoding(letters)
    known = set(letters) | {"-"}
    for w in words:
        if not set(w) <= known:
            raise ValueError(f"not a word of the alphabet: {w}")
    own = workdir is None
    workdir = workdir or tempfile.mkdtemp(prefix="lyrics-patgen-")
    try:
        paths = {n: os.path.join(workdir, n) for n in ("dict", "in.pat", "out.pat", "tr")}
        with open(paths["tr"], "w", encoding=enc, newline="\n") as f:
            f.write(translation(letters))
        with open(paths["dict"], "w", encoding=enc, newline="\n") as f:
            for w in words:
                wt = weights.get(w.replace("-", ""), 1)
                f.write((str(wt) if wt > 1 else "") + w + "\n")
        open(paths["in.pat"], "w").close()
        answers = [f"1 {len(levels)}"]
        for lo, hi, good, bad, thr in levels:
            answers += [f"{lo} {hi}", f"{good} {bad} {thr}"]
        answers.append("n")
        proc = subprocess.run([patgen, paths["dict"], paths["in.pat"], paths["out.pat"], paths["tr"]],
                              input=("\n".join(answers) + "\n").encode("ascii"), capture_output=True)
        if proc.returncode != 0 or not os.path.exists(paths["out.pat"]):
            output = proc.stdout.decode(enc, "replace")[-2000:]
            raise SystemExit(f"patgen failed ({proc.returncode}):\n{output}")
        with open(paths["out.pat"], encoding=enc) as f:
            return [line.strip() for line in f if line.strip()]
    finally:
        if own:
            shutil.rmtree(workdir, ignore_errors=True)

# The engraved English references (Moby) hold more irregular words than the CMU ones: short
# patterns need still more evidence, or patgen runs out of room for its outputs, and long
# ones too, or the set grows to 12,000 patterns and slows the word step (the exceptions
# take up what they leave).
ENGRAVED_ENGLISH_LEVELS = [
    (1, 2, 1, 3, 12),
    (2, 3, 1, 2, 10),
    (2, 4, 1, 2, 8),
    (3, 5, 1, 1, 8),
    (3, 6, 1, 1, 6),
    (4, 7, 1, 1, 5),
    (4, 8, 1, 1, 4),
    (5, 9, 1, 1, 3),
]
