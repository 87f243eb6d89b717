#!/usr/bin/env python3
"""Builds the whole-run benchmark texts deterministically from Debian's fortunes.

    make_corpus.py OUT_DIR [--megabytes 10]

Writes OUT_DIR/ru.cp1251.txt (Russian, Windows-1251, CR LF) and the same text in KOI8-R for
libhyphen's Russian dictionary (ru.koi8r.txt), OUT_DIR/en.txt (English, ASCII, CR LF) and
OUT_DIR/de.latin1.txt (German from fortunes-de, Latin-1: the same bytes in Windows-1252).
Lines holding a token longer than 32 characters are dropped, so a whole run never stops.
"""
import argparse
import glob
import os
import re

# A token runs to a blank, a line break or a no-break space, or up to and including a hyphen.
TOKEN = re.compile("[^ \r\xa0-]*-?")


def fortune_lines(paths, encodable):
    lines = []
    for path in sorted(paths):
        try:
            with open(path, encoding="utf-8") as f:
                text = f.read()
        except (UnicodeDecodeError, IsADirectoryError):
            continue
        for line in text.splitlines():
            line = line.rstrip()
            if not line or line == "%":
                continue
            if any(len(t.strip()) > 32 for t in TOKEN.findall(line)):
                continue
            if not encodable(line):
                continue
            lines.append(line)
    return lines


def fits(encoding):
    def check(line):
        try:
            line.encode(encoding)
            return True
        except UnicodeEncodeError:
            return False
    return check


def repeated(lines, size):
    out, total = [], 0
    while total < size:
        for line in lines:
            out.append(line)
            total += len(line) + 2
            if total >= size:
                break
    return "\r\n".join(out) + "\r\n"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("out_dir")
    ap.add_argument("--megabytes", type=float, default=10)
    args = ap.parse_args()
    size = int(args.megabytes * 1024 * 1024)
    os.makedirs(args.out_dir, exist_ok=True)

    both = lambda l: fits("cp1251")(l) and fits("koi8_r")(l)
    ru = repeated(fortune_lines(glob.glob("/usr/share/games/fortunes/ru/*[0-9]"), both), size)
    with open(os.path.join(args.out_dir, "ru.cp1251.txt"), "wb") as f:
        f.write(ru.encode("cp1251"))
    with open(os.path.join(args.out_dir, "ru.koi8r.txt"), "wb") as f:
        f.write(ru.encode("koi8_r"))

    en_files = [p for p in glob.glob("/usr/share/games/fortunes/*") if "." not in os.path.basename(p)]
    en = repeated(fortune_lines(en_files, fits("ascii")), size)
    with open(os.path.join(args.out_dir, "en.txt"), "wb") as f:
        f.write(en.encode("ascii"))

    de_files = [p for p in glob.glob("/usr/share/games/fortunes/de/*") if "." not in os.path.basename(p)]
    de = repeated(fortune_lines(de_files, fits("latin-1")), size)
    with open(os.path.join(args.out_dir, "de.latin1.txt"), "wb") as f:
        f.write(de.encode("latin-1"))


if __name__ == "__main__":
    main()
