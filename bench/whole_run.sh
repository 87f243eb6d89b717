#!/usr/bin/env bash
# Whole runs of cantiva-cli against libhyphen on the same ~10 MB texts, alternately (A B A B …),
# median of PAIRS pairs (default 5); prints times, the ratio, MB/s and peak memory.
#   bench/whole_run.sh [BUILD_DIR]   (default build/release; run `cmake --build --preset release` first)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/release}"
pairs="${PAIRS:-5}"
work="${WORK:-/tmp/cantiva-bench}"
cli="$PWD/$build/src/cli/cantiva-cli"
dicts="$work/dicts"

source bench/need_packages.sh
need_packages libhyphen-dev hyphen-ru hyphen-en-us hyphen-de fortunes-ru fortunes fortunes-de time

mkdir -p "$work"
[ -f "$work/de.latin1.txt" ] || python3 bench/make_corpus.py "$work"
cc -O2 -o "$work/libhyphen_run" bench/libhyphen_run.c -lhyphen

# The shipped dictionaries with 1,200 more exceptions each, so the lookup has real work to do.
rm -rf "$dicts" && mkdir -p "$dicts"
cp "$build"/dictionaries/*.TXT "$build"/dictionaries/*.XCP "$dicts"/
python3 - "$dicts" <<'PY'
import itertools, sys
ru = ["ма", "ло", "ко", "ра", "ду", "ги", "зе", "ны"]
en = ["ba", "lo", "ki", "ru", "de", "ma", "no", "ty"]
for base, syl, enc in (("RHYPHEN", ru, "cp1251"), ("UHYPHEN", en, "ascii")):
    words = ["-".join(p) for p in itertools.islice(itertools.product(syl, repeat=4), 1200)]
    with open(f"{sys.argv[1]}/{base}.XCP", "ab") as f:
        f.write(("\r\n" + "\r\n".join(words)).encode(enc))
PY
for lang in ru en la us de; do "$cli" compile --lang "$lang" --dict-dir "$dicts"; done

# Seconds and peak kilobytes of one command, output thrown away.
# CPU seconds (user + system: steadier than wall time on a busy machine) and peak kilobytes.
measure() { /usr/bin/time -f "%U %S %M" "$@" > /dev/null 2> "$work/time.txt" || true; tail -n 1 "$work/time.txt" | awk '{print $1 + $2, $3}'; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

run_language() {
    local name="$1" lang="$2" cantiva_text="$3" peer_dict="$4" peer_text="$5"
    local ca=() pa=() mem=()
    for ((i = 0; i < pairs; i++)); do
        read -r t m < <(measure "$cli" hyphenate --lang "$lang" --dict-dir "$dicts" --encoding cp1251 "$cantiva_text")
        ca+=("$t"); mem+=("$m")
        read -r t m < <(measure "$work/libhyphen_run" "$peer_dict" "$peer_text")
        pa+=("$t")
    done
    local c p m size
    c=$(printf '%s\n' "${ca[@]}" | median)
    p=$(printf '%s\n' "${pa[@]}" | median)
    m=$(printf '%s\n' "${mem[@]}" | median)
    size=$(stat -c %s "$cantiva_text")
    awk -v n="$name" -v c="$c" -v p="$p" -v m="$m" -v s="$size" 'BEGIN {
        printf "%-8s cantiva %.2f s (%.1f MB/s, peak %.0f MB)  libhyphen %.2f s  ratio %.2f  memory bar %.0f MB\n",
               n, c, s / 1048576 / c, m / 1024, p, c / p, 3 * s / 1048576 + 50 }'
}

run_language Russian ru "$work/ru.cp1251.txt" /usr/share/hyphen/hyph_ru_RU.dic "$work/ru.koi8r.txt"
run_language English us "$work/en.txt" /usr/share/hyphen/hyph_en_US.dic "$work/en.txt"
run_language German de "$work/de.latin1.txt" /usr/share/hyphen/hyph_de_DE.dic "$work/de.latin1.txt"
