#!/usr/bin/env bash
# The real program under Xvfb: a run, "Export as Finale Lyrics" to the clipboard, and the system
# clipboard as xclip reads it must hold what cantiva-cli makes of the same text.
# usage: finale_clipboard_e2e.sh DRIVER CANTIVA_CLI READY_DICTIONARY_FOLDER
set -euo pipefail
driver=$1 cli=$2 ready=$3

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    local status=$?
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

# A home of its own: the program never reads or writes the user's settings or dictionaries.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_STATE_HOME="$work/home/.local/state"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"

cp "$ready"/*.PT "$ready"/*.XCD "$work"/
printf 'В лесу родилась ёлочка,\nв лесу она росла —\nзнаешь ль ты, я б сказал ♪\n' >"$work/input.txt"
(cd "$work" && "$cli" hyphenate input.txt | "$cli" finale) >"$work/expected.txt"

# Xvfb picks a free display and writes its number to the file descriptor.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
display=$(head -n1 "$work/display")
[ -n "$display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }

cd "$work"
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$driver" input.txt expected.txt
