#!/bin/bash
# Unpacking a 5,000-sprite archive with sff2pcx beside `cp -r` of the same
# pictures, in the same run: what opening a character costs on top of
# writing its pictures out.
#
#   bench/open_vs_copy.sh [BUILD_DIR] [ROUNDS] [SPRITES]
#
# BUILD_DIR is a Release build with -DVANTREL_BENCH=ON (default: build).
# Each round runs both in turn, after a sync, each into a new folder; the
# figure is the median of the rounds' ratios, which stands up to a busy
# machine better than the ratio of two medians. Run it under `nice` on a
# shared machine. The whole open in the program (to the first sprite drawn)
# is bench_open_character.
set -eu
build=${1:-build}
rounds=${2:-7}
sprites=${3:-5000}
maker=$build/bench/bench_open_character
tool=$build/app/sff2pcx
for program in "$maker" "$tool"; do
    [ -x "$program" ] || { echo "$program is missing: build with -DVANTREL_BENCH=ON" >&2; exit 1; }
done
tool=$(cd "$(dirname "$tool")" && pwd)/sff2pcx

work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-open-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$maker" make "$work/char" "$sprites"
# The pictures cp copies are the ones the tool writes.
mkdir "$work/reference"
(cd "$work/reference" && "$tool" "$work/char/big.sff" tempsff)
pictures=$(find "$work/reference/tempsff" -type f | wc -l)
bytes=$(du -sb "$work/reference/tempsff" | cut -f1)
cat "$work/char/big.sff" > /dev/null # both start from cached input

now() { date +%s%N; }
# Runs a command; `wall` is its time in ns, `cpu` its processor time (user
# and system, its children's included) in ms, which a busy machine disturbs
# less than the wall time.
timed() {
    local TIMEFORMAT='%3U %3S' spent start
    start=$(now)
    spent=$({ time "$@" > /dev/null 2>&1; } 2>&1)
    wall=$(($(now) - start))
    cpu=$(awk -v u="${spent% *}" -v s="${spent#* }" 'BEGIN { printf "%.0f", (u + s) * 1000 }')
}
copy_pictures() { cp -r "$work/reference/tempsff" "$work/copy"; }
unpack_pictures() { (cd "$work/unpacked" && "$tool" "$work/char/big.sff" tempsff); }
# Each starts alike: its last output deleted and everything written back.
copy() {
    rm -rf "$work/copy"
    sync
    timed copy_pictures
    a=0 b=$wall cp_cpu=$cpu
}
unpack() {
    rm -rf "$work/unpacked"
    mkdir "$work/unpacked"
    sync
    timed unpack_pictures
    c=0 d=$wall tool_cpu=$cpu
}
ratios=()
tool_times=()
cp_times=()
cpu_ratios=()
tool_cpus=()
cp_cpus=()
for ((i = 0; i < rounds; ++i)); do
    # Alternate which goes first, so neither always meets the other's aftermath.
    if ((i % 2 == 0)); then
        copy
        unpack
    else
        unpack
        copy
    fi
    [ "$(find "$work/unpacked/tempsff" -type f | wc -l)" = "$pictures" ] ||
        { echo "sff2pcx wrote another number of pictures" >&2; exit 1; }
    cp_times+=($((b - a)))
    tool_times+=($((d - c)))
    ratios+=("$(awk -v t=$((d - c)) -v c=$((b - a)) 'BEGIN { printf "%.3f", t / c }')")
    tool_cpus+=("$tool_cpu")
    cp_cpus+=("$cp_cpu")
    cpu_ratios+=("$(awk -v t="$tool_cpu" -v c="$cp_cpu" 'BEGIN { printf "%.3f", t / (c > 0 ? c : 1) }')")
done

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ms() { awk -v n="$1" 'BEGIN { printf "%.0f", n / 1e6 }'; }

echo "archive: $sprites sprites, $pictures pictures, $bytes bytes of pictures, $rounds rounds"
echo "cp -r of the pictures:  median $(ms "$(median "${cp_times[@]}")") ms"
echo "sff2pcx unpacking:      median $(ms "$(median "${tool_times[@]}")") ms"
echo "sff2pcx / cp -r:        median $(median "${ratios[@]}")  (rounds: ${ratios[*]})"
echo "processor time:         cp -r median $(median "${cp_cpus[@]}") ms, sff2pcx median $(median "${tool_cpus[@]}") ms"
echo "sff2pcx / cp -r (cpu):  median $(median "${cpu_ratios[@]}")  (rounds: ${cpu_ratios[*]})"
