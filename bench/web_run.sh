#!/usr/bin/env bash
# The page in headless Chromium: load to ready (cold, local server), dividing a 1 MB English
# text in the page against the native cantiva-cli (release build), laying the longest song of
# the development set, and the bytes the page downloads. Median of RUNS runs (default 3).
#   bench/web_run.sh   (builds the page and the release cantiva-cli first)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
work="${WORK:-/tmp/cantiva-bench}"
mkdir -p "$work"

source bench/need_packages.sh
need_packages fortunes fortunes-ru fortunes-de time chromium
scripts/web --build-only >/dev/null
cmake --preset release >/dev/null
nice cmake --build build/release -j2 --target cantiva-cli cantiva_dictionaries_ready >/dev/null
[ -f "$work/en.txt" ] || python3 bench/make_corpus.py "$work" --megabytes 10
# The first megabyte, cut at a line end.
head -c 1048576 "$work/en.txt" | sed '$d' >"$work/en-1mb.txt"

cli="$root/build/release/src/cli/cantiva-cli"
dicts="$root/build/release/dictionaries"
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
native=$(for _ in $(seq "${RUNS:-3}"); do
    /usr/bin/time -f "%e" "$cli" hyphenate --lang en --dict-dir "$dicts" "$work/en-1mb.txt" \
        2>&1 >/dev/null | tail -n 1
done | median)
echo "native cantiva-cli hyphenate, 1 MB English: ${native} s (wall)"

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 --directory build/web "$port" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
sleep 1

song=""
for shared in "$root/../shared" /work/shared; do
    [ -f "$shared/quality/scores/dev/scores/lieder/lc6482032.mxl" ] &&
        song=$(realpath "$shared/quality/scores/dev/scores/lieder/lc6482032.mxl") && break
done
CANTIVA_WEB_URL="http://127.0.0.1:$port/" TEXT="$work/en-1mb.txt" SONG="$song" \
    NATIVE_SECONDS="$native" RUNS="${RUNS:-3}" NODE_PATH="$root/build/web-node/node_modules" \
    node bench/web_run.cjs

echo "what the page downloads (bytes, and gzip -9 as a server could send it):"
for f in build/web/*.* build/web/verovio/*.mjs; do
    printf '  %-36s %10d %10d\n' "${f#build/web/}" "$(stat -c %s "$f")" "$(gzip -9c "$f" | wc -c)"
done
