#!/usr/bin/env bash
# Makes docs/screenshot.png: the program started by the launcher under a virtual X server with a
# small window manager, a Russian line typed and hyphenated with Insert. Needs xvfb, openbox,
# xdotool, xclip and imagemagick
# (apt-get install xvfb openbox xdotool xclip imagemagick).
set -euo pipefail
root="$(cd "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/.." && pwd)"
out="$root/docs/screenshot.png"

# A fresh per-user folder, so the run uses the shipped dictionaries as a new user gets them.
data_home="$(mktemp -d)"
trap 'rm -rf "$data_home"' EXIT

XDG_DATA_HOME="$data_home" ROOT="$root" OUT="$out" \
    xvfb-run -a -s "-screen 0 760x520x24" bash -euo pipefail -c '
    openbox >/dev/null 2>&1 &
    "$ROOT/cantiva" >/dev/null &
    program=$!
    window="$(xdotool search --sync --onlyvisible --name "^Cantiva \\[")"
    sleep 1
    xdotool windowactivate --sync "$window"
    # Typing Cyrillic through xdotool loses letters; the text is pasted instead.
    printf "%s\n%s" "Мама мыла раму, а папа читал газету." "Колокольчики звенели над рекой," \
        | xclip -selection clipboard
    xdotool key --delay 100 ctrl+v Insert
    sleep 1
    import -window root "$OUT"
    kill "$program"
'
echo "wrote $out"
