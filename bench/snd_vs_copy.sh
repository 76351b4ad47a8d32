#!/bin/bash
# The sound editor's load and save of a 50 MB bank beside a synced copy of the
# same file, in the same run, and the editor's peak memory beside the bank's
# size.
#
#   bench/snd_vs_copy.sh [BUILD_DIR] [ROUNDS] [MEGABYTES]
#
# BUILD_DIR is a Release build with -DVANTREL_BENCH=ON (default: build).
# The peer is `dd if=bank of=copy conv=fsync` (512-byte blocks); a copy in
# 1 MiB blocks is shown beside it as the stricter yardstick. Each round runs
# all three in turn after a sync, each writing a new file; a figure is the
# median of the rounds' ratios, which stands up to a busy machine better
# than the ratio of two medians. Run it under `nice` on a shared machine.
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
cat "$bank" > /dev/null # all start from a cached file

now() { date +%s%N; }
# Runs one contender after a sync and prints its wall time in nanoseconds.
timed() {
    local out=$work/copy
    [ "$1" = editor ] && out=$work/out.snd
    rm -f "$out"
    sync
    local start
    start=$(now)
    case $1 in
    dd) dd if="$bank" of="$out" conv=fsync status=none ;;
    dd1m) dd if="$bank" of="$out" bs=1M conv=fsync status=none ;;
    editor) "$tool" copy "$bank" "$out" ;;
    esac
    echo $(($(now) - start))
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ms() { awk -v n="$1" 'BEGIN { printf "%.1f", n / 1e6 }'; }

order=(dd dd1m editor)
dd_t=() dd1m_t=() editor_t=() vs_dd=() vs_dd1m=()
for ((i = 0; i < rounds; ++i)); do
    declare -A t=()
    # Each round starts with another contender, so none always meets the
    # writeback the one before it left.
    for ((k = 0; k < 3; ++k)); do
        who=${order[(i + k) % 3]}
        t[$who]=$(timed "$who")
    done
    cmp -s "$bank" "$work/out.snd" || { echo "the saved bank differs from the loaded one" >&2; exit 1; }
    dd_t+=("${t[dd]}") dd1m_t+=("${t[dd1m]}") editor_t+=("${t[editor]}")
    vs_dd+=("$(ratio "${t[editor]}" "${t[dd]}")") vs_dd1m+=("$(ratio "${t[editor]}" "${t[dd1m]}")")
    unset t
done

rm -f "$work/out.snd"
peak_kb=$(/usr/bin/time -v "$tool" copy "$bank" "$work/out.snd" 2>&1 > /dev/null |
    awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }')

echo "bank: $bytes bytes, $rounds rounds"
echo "dd conv=fsync (the peer):  median $(ms "$(median "${dd_t[@]}")") ms"
echo "dd bs=1M conv=fsync:       median $(ms "$(median "${dd1m_t[@]}")") ms"
echo "editor load + save:        median $(ms "$(median "${editor_t[@]}")") ms"
echo "load + save / dd:          median $(median "${vs_dd[@]}")  (rounds: ${vs_dd[*]})"
echo "load + save / dd bs=1M:    median $(median "${vs_dd1m[@]}")  (rounds: ${vs_dd1m[*]})"
echo "peak memory / bank:        $(awk -v k="$peak_kb" -v b="$bytes" 'BEGIN { printf "%.2f (%d KiB)", k * 1024 / b, k }')"
