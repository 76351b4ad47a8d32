#!/bin/bash
# sprmaker saving a 20,000-sprite SFF v1 (drawn figures of 80 to 120 by 100
# to 130 pixels, about 50 MB) over itself after one axis changed, as the
# editor saves, beside `cp` of the archive followed by `sync` of the copy, in
# the same run.
#
#   bench/save_vs_copy.sh [BUILD_DIR] [ROUNDS] [SPRITES]
#
# BUILD_DIR is a Release build with -DVANTREL_BENCH=ON (default: build).
# The archive is unpacked once by sff2pcx; each round changes the axis of
# one sprite in the index and times the save, and times the copy, after a
# sync, alternating which goes first. The figures are the medians of the
# rounds' ratios of wall-clock time and of processor time (user and system).
# Run it under `nice` on a shared machine.
set -eu
build=${1:-build}
rounds=${2:-7}
sprites=${3:-20000}
maker=$build/bench/bench_sff_unpack
for program in "$maker" "$build/app/sff2pcx" "$build/app/sprmaker"; do
    [ -x "$program" ] || { echo "$program is missing: build with -DVANTREL_BENCH=ON" >&2; exit 1; }
done
app=$(cd "$build/app" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-save-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$maker" make "$work/big.sff" "$sprites"
(cd "$work" && "$app/sff2pcx" big.sff tempsff)
# The first save writes the archive as sprmaker writes it; the rounds after
# it each change one axis.
(cd "$work" && "$app/sprmaker" -f -p < tempsff.txt > /dev/null)

. "$(dirname "$0")/alternate_rounds.sh"
timed_output=$work/out
# The index with sprite 1's axis x set to $1.
set_axis() {
    awk -v x="$1" 'BEGIN { RS = "\r\n"; ORS = "\r\n" } NR == 5 { $0 = x } { print }' "$work/tempsff.txt" > "$work/index"
    mv "$work/index" "$work/tempsff.txt"
}
tool_round() {
    set_axis $((40 + i % 2))
    sync
    read -r tw tu ts < <(cd "$work" && timed "$app/sprmaker" -f -p < tempsff.txt)
    grep -q ": $pictures pictures copied, 0 encoded" "$work/out" || { cat "$work/out"; echo "not every picture was copied" >&2; exit 1; }
}
peer_round() {
    rm -f "$work/copy.sff"
    sync
    read -r cw cu cs < <(timed sh -c 'cp "$1" "$2" && sync "$2"' sh "$work/big.sff" "$work/copy.sff")
}
pictures=$(grep -c tempsff/ "$work/tempsff.v2.txt")
alternate_rounds "$rounds"

echo "archive: $(du -b "$work/big.sff" | cut -f1) bytes, $sprites sprites, $pictures pictures, $rounds rounds"
echo "cp + sync of the archive:  median $(ms "$(median "${peer_times[@]}")") ms"
echo "sprmaker, one axis changed: median $(ms "$(median "${tool_times[@]}")") ms"
echo "save / (cp + sync), wall clock:        median $(median "${walls[@]}")  (rounds: ${walls[*]})"
echo "save / (cp + sync), user + system CPU: median $(median "${cpus[@]}")  (rounds: ${cpus[*]})"
