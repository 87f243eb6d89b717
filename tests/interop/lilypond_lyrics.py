#!/usr/bin/env python3
"""LilyPond compiles a melody with lyrics exported by cantiva-cli and prints every syllable.

usage: lilypond_lyrics.py CANTIVA_CLI WORK_DIR
Exit 77 (skipped) when lilypond is not installed.
"""
import html
import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

LYRICS = 'All peo-ple that on earth do dwell,\nSing 2 the "Lord" {with} cheer-ful voice;\n'
SYLLABLES = ['All', 'peo', 'ple', 'that', 'on', 'earth', 'do', 'dwell,',
             'Sing', '2', 'the', '"Lord"', '{with}', 'cheer', 'ful', 'voice;']
MELODY = r'''\version "2.24.0"
\header { tagline = ##f }
melody = \relative c'' { \key g \major \time 4/4 g2 g4 fis | e d g a | b2 r2 |
                         b2 b4 b | a g c b | a2 r2 \bar "|." }
words = %s
\score { << \new Voice = "m" \melody \new Lyrics \lyricsto "m" \words >> \layout { } }
'''


def main():
    cli, work = sys.argv[1], Path(sys.argv[2])
    if not shutil.which('lilypond'):
        print('lilypond is not installed')
        return 1 if os.environ.get('CANTIVA_INTEROP_REQUIRED') else 77
    work.mkdir(parents=True, exist_ok=True)
    words = subprocess.run([cli, 'lilypond'], input=LYRICS.encode(), capture_output=True,
                           check=True).stdout.decode()
    (work / 'melody.ly').write_text(MELODY % words, encoding='utf-8')
    run = subprocess.run(['lilypond', '-dbackend=svg', '-dno-point-and-click', '-o', 'melody',
                          'melody.ly'], cwd=work, capture_output=True, text=True)
    if run.returncode != 0:
        print(run.stderr)
        return 1
    svg = (work / 'melody.svg').read_text(encoding='utf-8')
    shown = [html.unescape(t) for t in re.findall(r'<tspan>([^<]*)</tspan>', svg)]
    missing = [s for s in SYLLABLES if s not in shown]
    if missing or len(shown) != len(SYLLABLES):
        print('exported:', words, 'shown:', shown, 'missing:', missing)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
