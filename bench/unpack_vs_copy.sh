#!/bin/bash
# sff2pcx unpacking a 5,000-sprite archive (drawn figures of 80 to 120 by 100
# to 130 pixels, about 16 MB) beside `cp -r` of the same 5,000 PCX files, in
# the same run.
#
#   bench/unpack_vs_copy.sh [BUILD_DIR] [ROUNDS] [ARCHIVE]
#
# BUILD_DIR is a Release build with -DVANTREL_BENCH=ON (default: build);
# ARCHIVE an SFF to unpack instead of the generated one. Each round runs
# both in turn, after a sync, each into a new folder, and alternates which
# goes first (about 35 MB of disk a round); the figures are the medians of the rounds' ratios of
# wall-clock time and of processor time (user and system), which a busy
# machine disturbs less. Run it under `nice` on a shared machine.
set -eu
build=${1:-build}
rounds=${2:-7}
archive=${3:-}
maker=$build/bench/bench_sff_unpack
tool=$build/app/sff2pcx
for program in "$maker" "$tool"; do
    [ -x "$program" ] || { echo "$program is missing: build with -DVANTREL_BENCH=ON" >&2; exit 1; }
done
tool=$(cd "$(dirname "$tool")" && pwd)/sff2pcx

work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-unpack-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
if [ -z "$archive" ]; then
    archive=$work/big.sff
    "$maker" make "$archive" 5000
fi
archive=$(cd "$(dirname "$archive")" && pwd)/$(basename "$archive")
# The pictures cp copies are the ones the tool writes.
mkdir "$work/reference"
(cd "$work/reference" && "$tool" "$archive" tempsff)
pictures=$(find "$work/reference/tempsff" -type f | wc -l)
bytes=$(du -sb "$work/reference/tempsff" | cut -f1)
cat "$archive" > /dev/null # both start from cached input

. "$(dirname "$0")/alternate_rounds.sh"
# Each writes into a folder of its own, and nothing is deleted until the
# end: a file system that has just freed thousands of files takes longer to
# create the next ones, which would burden whichever came after a deletion.
peer_round() {
    sync
    read -r cw cu cs < <(timed cp -r "$work/reference/tempsff" "$work/copy$i")
}
tool_round() {
    mkdir "$work/unpacked$i"
    sync
    read -r tw tu ts < <(cd "$work/unpacked$i" && timed "$tool" "$archive" tempsff)
}
check_round() {
    [ "$(find "$work/unpacked$i/tempsff" -type f | wc -l)" = "$pictures" ] ||
        { echo "sff2pcx wrote another number of pictures" >&2; exit 1; }
}
alternate_rounds "$rounds"

echo "archive: $(du -b "$archive" | cut -f1) bytes, $pictures pictures, $bytes bytes of pictures, $rounds rounds"
echo "cp -r of the pictures:  median $(ms "$(median "${peer_times[@]}")") ms"
echo "sff2pcx unpacking:      median $(ms "$(median "${tool_times[@]}")") ms"
echo "sff2pcx / cp -r, wall clock:        median $(median "${walls[@]}")  (rounds: ${walls[*]})"
echo "sff2pcx / cp -r, user + system CPU: median $(median "${cpus[@]}")  (rounds: ${cpus[*]})"
