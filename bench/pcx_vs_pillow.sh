#!/bin/bash
# The display PCX decoder beside Pillow on the same files, in the same run:
# the real pictures under ../shared/realchars/pcx and a few larger generated
# ones. Each side decodes every file twice untimed, then reads and decodes it
# N times in its own process and reports the processor time of that loop
# alone (Python's start-up is not counted; nor are the turns other programs
# take on a busy machine, which the wall clock would count).
#
#   bench/pcx_vs_pillow.sh [BUILD_DIR] [ROUNDS] [file|memory]
#
# "file" (the default) reads each file anew for every decode, as the program
# does; "memory" reads it once and times the decoders alone on its bytes
# (Pillow through io.BytesIO), without the system calls of reading.
# BUILD_DIR is a Release build with -DVANTREL_BENCH=ON (default: build).
# The figure per file is the median over ROUNDS of Pillow's time divided by
# ours; the two alternate within a round. Without Pillow (Debian package
# python3-pil) only our times are shown. Run it under `nice` on a shared machine.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
rounds=${2:-5}
source=${3:-file}
case $source in
file) mode=time ;;
memory) mode=time-in-memory ;;
*) echo "the third argument is file or memory" >&2; exit 2 ;;
esac
tool=$build/bench/bench_pcx_decode
[ -x "$tool" ] || { echo "$tool is missing: build with -DVANTREL_BENCH=ON" >&2; exit 1; }

python=""
for candidate in python3 /usr/bin/python3; do
    if command -v "$candidate" > /dev/null && "$candidate" -c "import PIL" 2> /dev/null; then
        python=$candidate
        break
    fi
done
pillow() {
    "$python" - "$source" "$@" <<'PY'
import io, sys, time
from PIL import Image
source, rounds, files = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
if source == "memory":
    contents = {}
    for f in files:
        with open(f, "rb") as stream:
            contents[f] = stream.read()
    def picture(f):
        return Image.open(io.BytesIO(contents[f]))
else:
    def picture(f):
        return Image.open(f)
for f in files:  # two untimed decodes of each, as the other side does
    for _ in range(2):
        with picture(f) as im:
            im.load()
start = time.process_time()
for f in files:
    for _ in range(rounds):
        with picture(f) as im:
            im.load()
print("%.6f" % (time.process_time() - start))
PY
}

work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-pcx-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
files=()
for f in "$here"/../../shared/realchars/pcx/*.pcx; do
    [ -e "$f" ] && files+=("$f")
done
"$tool" make "$work/sprite-640x480.pcx" 640 480 sprite
"$tool" make "$work/sprite-1920x1080.pcx" 1920 1080 sprite
"$tool" make "$work/noise-1024x1024.pcx" 1024 1024 noise
"$tool" make "$work/sprite-4096x4096.pcx" 4096 4096 sprite
files+=("$work"/sprite-640x480.pcx "$work"/sprite-1920x1080.pcx "$work"/noise-1024x1024.pcx "$work"/sprite-4096x4096.pcx)

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

if [ -n "$python" ]; then
    echo "Pillow $("$python" -c 'import PIL; print(PIL.__version__)') with $python; $rounds rounds; from $source"
    printf '%-24s %10s %8s %12s %12s %14s\n' file pixels decodes "ours ms" "Pillow ms" "Pillow/ours"
else
    echo "Pillow is missing (python3-pil): our decoder alone; $rounds rounds; from $source"
    printf '%-24s %10s %8s %12s\n' file pixels decodes "ours ms"
fi
for f in "${files[@]}"; do
    read -r w h < <(od -An -tu2 -j8 -N4 "$f")
    pixels=$(((w + 1) * (h + 1)))
    # About 400 million pixels per measurement: long enough to outlast the
    # swings of a shared machine.
    n=$((400000000 / pixels))
    ((n < 100)) && n=100
    ((n > 40000)) && n=40000
    ours=()
    theirs=()
    ratios=()
    for ((r = 0; r < rounds; ++r)); do
        if ((r % 2 == 0)); then
            o=$("$tool" "$mode" "$n" "$f" 2> /dev/null)
            [ -n "$python" ] && p=$(pillow "$n" "$f")
        else
            [ -n "$python" ] && p=$(pillow "$n" "$f")
            o=$("$tool" "$mode" "$n" "$f" 2> /dev/null)
        fi
        ours+=("$o")
        if [ -n "$python" ]; then
            theirs+=("$p")
            ratios+=("$(awk -v p="$p" -v o="$o" 'BEGIN { printf "%.2f", p / o }')")
        fi
    done
    per() { awk -v t="$1" -v n="$n" 'BEGIN { printf "%.3f", t * 1000 / n }'; }
    if [ -n "$python" ]; then
        printf '%-24s %10d %8d %12s %12s %14s\n' "$(basename "$f")" "$pixels" "$n" "$(per "$(median "${ours[@]}")")" \
            "$(per "$(median "${theirs[@]}")")" "$(median "${ratios[@]}")"
    else
        printf '%-24s %10d %8d %12s\n' "$(basename "$f")" "$pixels" "$n" "$(per "$(median "${ours[@]}")")"
    fi
done
