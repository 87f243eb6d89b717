#!/usr/bin/env bash
# A whole run in the main window against cantiva-cli on the same ~10 MB UTF-8 text, alternately,
# median of RUNS runs each (default 3): CPU seconds of the run, their ratio (the bar is 2), and the
# window's peak memory against 3 x input + 100 MB.
#   bench/window_run.sh [BUILD_DIR]   (default build/release; build window_run_bench and cantiva-cli)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/release}"
runs="${RUNS:-3}"
work="${WORK:-/tmp/cantiva-bench}"
dicts="$PWD/$build/dictionaries"

source bench/need_packages.sh
need_packages fortunes-ru fortunes time
mkdir -p "$work"
[ -f "$work/ru.cp1251.txt" ] || python3 bench/make_corpus.py "$work"
# The Russian text in UTF-8 (what the window and the command line read by default), cut to 10 MB at
# a line end.
text="$work/ru10.utf8.txt"
[ -f "$text" ] || python3 - "$work/ru.cp1251.txt" "$text" <<'PY'
import sys
data = open(sys.argv[1], "rb").read().decode("cp1251").encode("utf-8")[: 10 * 1024 * 1024]
open(sys.argv[2], "wb").write(data[: data.rfind(b"\n") + 1])
PY

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
cli=() window=() memory=()
for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f "%U %S" "$build/src/cli/cantiva-cli" hyphenate --dict-dir "$dicts" "$text" \
        > /dev/null 2> "$work/time.txt"
    cli+=("$(tail -n 1 "$work/time.txt" | awk '{print $1 + $2}')")
    line="$("$build/bench/window_run_bench" "$dicts" "$text" 2>/dev/null)"
    window+=("$(awk '{print $6}' <<<"$line")")
    memory+=("$(awk '{print $(NF-1)}' <<<"$line")")
done
c=$(printf '%s\n' "${cli[@]}" | median)
w=$(printf '%s\n' "${window[@]}" | median)
m=$(printf '%s\n' "${memory[@]}" | median)
size=$(stat -c %s "$text")
awk -v c="$c" -v w="$w" -v m="$m" -v s="$size" 'BEGIN {
    printf "text %.1f MB: cli %.2f s CPU, window run %.2f s CPU, ratio %.2f (bar 2)\n", s / 1048576, c, w, w / c
    printf "window peak memory %.0f MB (bar 3 x input + 100 MB = %.0f MB)\n", m, 3 * s / 1048576 + 100 }'
