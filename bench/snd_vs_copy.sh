#!/bin/bash
# The sound editor's load and save of a 50 MB bank beside a synced copy of the
# same file (dd conv=fsync), in the same run, and the editor's peak memory
# beside the bank's size.
#
#   bench/snd_vs_copy.sh [BUILD_DIR] [ROUNDS] [MEGABYTES]
#
# BUILD_DIR is a Release build with -DVANTREL_BENCH=ON (default: build).
# Each round runs both in turn, after a sync, each writing a new file; the
# figure is the median of the rounds' ratios, which stands up to a busy
# machine better than the ratio of two medians. Run it under `nice` on a
# shared machine.
set -eu
build=${1:-build}
rounds=${2:-9}
megabytes=${3:-50}
tool=$build/bench/bench_snd_roundtrip
[ -x "$tool" ] || { echo "$tool is missing: build with -DVANTREL_BENCH=ON" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (Debian package 'time')" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-snd-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
bank=$work/bank.snd
"$tool" make "$bank" "$megabytes"
bytes=$(stat -c %s "$bank")
cat "$bank" > /dev/null # both start from a cached file

now() { date +%s%N; }
ratios=()
snd_times=()
dd_times=()
for ((i = 0; i < rounds; ++i)); do
    rm -f "$work/copy" "$work/out.snd"
    sync
    # Alternate which goes first, so neither always meets the other's writeback.
    if ((i % 2 == 0)); then
        a=$(now); dd if="$bank" of="$work/copy" conv=fsync status=none; b=$(now)
        sync
        c=$(now); "$tool" copy "$bank" "$work/out.snd"; d=$(now)
    else
        c=$(now); "$tool" copy "$bank" "$work/out.snd"; d=$(now)
        sync
        a=$(now); dd if="$bank" of="$work/copy" conv=fsync status=none; b=$(now)
    fi
    cmp -s "$bank" "$work/out.snd" || { echo "the saved bank differs from the loaded one" >&2; exit 1; }
    dd_times+=($((b - a)))
    snd_times+=($((d - c)))
    ratios+=("$(awk -v s=$((d - c)) -v c=$((b - a)) 'BEGIN { printf "%.3f", s / c }')")
done

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

rm -f "$work/out.snd"
peak_kb=$(/usr/bin/time -v "$tool" copy "$bank" "$work/out.snd" 2>&1 >/dev/null |
          awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }')

echo "bank: $bytes bytes, $rounds rounds"
echo "dd conv=fsync copy:    median $(awk -v n="$(median "${dd_times[@]}")" 'BEGIN { printf "%.1f", n / 1e6 }') ms"
echo "editor load + save:    median $(awk -v n="$(median "${snd_times[@]}")" 'BEGIN { printf "%.1f", n / 1e6 }') ms"
echo "load + save / copy:    median $(median "${ratios[@]}")  (rounds: ${ratios[*]})"
echo "peak memory / bank:    $(awk -v k="$peak_kb" -v b="$bytes" 'BEGIN { printf "%.2f (%d KiB)", k * 1024 / b, k }')"
