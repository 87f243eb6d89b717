#!/usr/bin/env python3
"""MuseScore 3 imports a score with lyrics laid on by cantiva-cli: every syllable sits on the
right note with the right syllabic type, verse 2 beside verse 1 and following its melisma, the
melisma extended.

usage: musescore_import.py CANTIVA_CLI SCORE WORK_DIR
Exit 77 (skipped) when mscore3 is not installed.
"""
import os
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

# Per chord of the imported staff, in order: its lowest pitch and its lyrics by verse as
# (syllabic, text, extended). The grace note, the tie's second note and the slurred melisma
# (verse 1 only) take none; the chord takes one.
EXPECTED = [
    (60, {1: ('begin', 'A', False), 2: ('single', 'one', False)}),
    (64, {}),
    (62, {1: ('end', 'men', False), 2: ('single', 'two', False)}),
    (64, {1: ('begin', 'glo', False), 2: ('single', 'three', False)}),
    (64, {}),
    # Verse 2 has a syllable fewer than the notes: it holds its melisma where verse 1 does.
    (65, {1: ('end', 'ry,', True), 2: ('single', 'four', True)}),
    (67, {}),
    (69, {1: ('begin', 'ho', False), 2: ('single', 'five', False)}),
    (72, {1: ('end', 'ly', False), 2: ('single', 'six', False)}),
]


def lay(cli, args, text):
    subprocess.run([cli, 'lay'] + args, input=text.encode(), check=True, capture_output=True)


def chords(mscx):
    found = []
    for chord in ET.parse(mscx).getroot().iter('Chord'):
        pitch = min(int(n.findtext('pitch')) for n in chord.iter('Note'))
        lyrics = {}
        for lyric in chord.findall('Lyrics'):
            verse = int(lyric.findtext('no', '0')) + 1
            lyrics[verse] = (lyric.findtext('syllabic', 'single'), lyric.findtext('text'),
                             lyric.find('ticks') is not None)
        found.append((pitch, lyrics))
    return found


def main():
    cli, score, work = sys.argv[1], sys.argv[2], Path(sys.argv[3])
    if not shutil.which('mscore3'):
        print('mscore3 is not installed')
        return 1 if os.environ.get('CANTIVA_INTEROP_REQUIRED') else 77
    work.mkdir(parents=True, exist_ok=True)
    verse1, verse2 = work / 'verse1.mxl', work / 'verse2.mxl'
    lay(cli, ['--score', score, '--out', str(verse1), '--slur-melisma'], 'A-men glo-ry, ho-ly')
    lay(cli, ['--score', str(verse1), '--out', str(verse2), '--verse', '2'],
        'one two three four five six')
    out = work / 'imported.mscx'
    env = dict(os.environ, QT_QPA_PLATFORM='offscreen')
    run = subprocess.run(['mscore3', '-o', str(out), str(verse2)], env=env, capture_output=True,
                         text=True, timeout=300)
    if run.returncode != 0 or not out.exists():
        print(run.stdout, run.stderr)
        return 1
    found = chords(out)
    if found != EXPECTED:
        print('expected:', EXPECTED, '\nfound:   ', found)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
