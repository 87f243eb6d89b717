#!/usr/bin/env bash
# Peak memory of whole runs over texts of MEGABYTES (100) megabytes, as a multiple of the input's
# size: Russian in UTF-8 (the default encoding) and in Windows-1251, English.
#   bench/memory.sh [BUILD_DIR]   (default build/release; build cantiva-cli there first)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/release}"
megabytes="${MEGABYTES:-100}"
work="${WORK:-/tmp/cantiva-bench-memory}"
cli="$PWD/$build/src/cli/cantiva-cli"

source bench/need_packages.sh
need_packages fortunes-ru fortunes time

mkdir -p "$work/dicts"
[ -f "$work/ru.cp1251.txt" ] || python3 bench/make_corpus.py "$work" --megabytes "$megabytes"
# The same Russian text in UTF-8, cut at a line end near the same size.
if [ ! -f "$work/ru.utf8.txt" ]; then
    iconv -f cp1251 -t utf-8 "$work/ru.cp1251.txt" >"$work/ru.utf8.whole"
    head -c "$((megabytes * 1048576))" "$work/ru.utf8.whole" | sed '$d' >"$work/ru.utf8.txt"
    rm "$work/ru.utf8.whole"
fi
cp dictionaries/*.TXT dictionaries/*.XCP "$work/dicts/"
for lang in ru en la us; do "$cli" compile --lang "$lang" --dict-dir "$work/dicts"; done

printf '%-28s %10s %12s %7s\n' "text" "input MB" "peak MB" "ratio"
measure() {
    local name="$1" file="$2"
    shift 2
    /usr/bin/time -f "%M" "$cli" hyphenate --dict-dir "$work/dicts" "$@" "$file" \
        >/dev/null 2>"$work/time.txt"
    local peak_kb size
    peak_kb="$(tail -n 1 "$work/time.txt")"
    size="$(stat -c %s "$file")"
    awk -v n="$name" -v s="$size" -v k="$peak_kb" \
        'BEGIN { printf "%-28s %10.1f %12.1f %7.2f\n", n, s / 1e6, k * 1024 / 1e6, k * 1024 / s }'
}
measure "Russian, UTF-8" "$work/ru.utf8.txt"
measure "Russian, Windows-1251" "$work/ru.cp1251.txt" --encoding cp1251
measure "English (American)" "$work/en.txt" --lang us
