#!/bin/sh
# Builds the fuzz targets with clang into build-fuzz and runs each of them for
# the given number of seconds (default 600), one after the other.
# FUZZ_TARGETS="sff air" runs only those. Exits non-zero when a regression
# input or a new input breaks a target; new findings are kept in
# build-fuzz/findings/.
#
# Memory must stay in proportion to the input: no single allocation above
# FUZZ_MALLOC_LIMIT_MB (default 128) from an input of at most 256 KB, and no
# more than 2 GB in all.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-600}
build=$root/build-fuzz
realchars=$(cd "$root/.." && pwd)/shared/realchars

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVANTREL_FUZZ=ON -DVANTREL_TESTS=OFF -DVANTREL_BENCH=OFF -DVANTREL_BUILD_TOOLS=OFF >/dev/null
cmake --build "$build" --target fuzz_all -j"${FUZZ_BUILD_JOBS:-2}"

all="definition sections zss trigger_expression text_decoding air_frames png sprite_index image_pcx sfflib_pcx sff sff_codecs snd wav act pal air text_clips help_topic tips calculator"
targets=${FUZZ_TARGETS:-$all}

# The largest input each target is given: around the size of the real files
# it reads, so that a seed is not cut short.
max_len() {
  case $1 in
    sff|help_topic|sections|zss|text_decoding) echo 262144 ;;
    png) echo 131072 ;;
    snd) echo 131072 ;;
    image_pcx|sfflib_pcx) echo 65536 ;;
    calculator) echo 1024 ;;
    act|wav) echo 4096 ;;
    *) echo 16384 ;;
  esac
}

# Seeds from the real characters and the program's own data files; copied
# into the corpus at every run, never into the source tree.
seed() {
  corpus=$1; shift
  for f in "$@"; do
    [ -f "$f" ] && cp "$f" "$corpus/seed-$(basename "$(dirname "$f")")-$(basename "$f")"
  done
  return 0
}

status=0
mkdir -p "$build/findings"
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for t in $targets; do
  program=$build/fuzz/fuzz_$t
  corpus=$build/corpus/$t
  mkdir -p "$corpus"
  case $t in
    definition) seed "$corpus" "$realchars"/*/*.def ;;
    sections) seed "$corpus" "$realchars"/*/*.def "$realchars"/*/*.cns "$realchars"/*/*.cmd ;;
    text_decoding) seed "$corpus" "$realchars"/*/*.def "$realchars"/*/*.cmd "$realchars"/*/readme.txt ;;
    png) seed "$corpus" "$realchars"/pcx/*.png ;;
    image_pcx|sfflib_pcx) seed "$corpus" "$realchars"/pcx/*.pcx ;;
    sff) seed "$corpus" "$realchars"/*/*.sff ;;
    snd) seed "$corpus" "$realchars"/*/*.snd ;;
    act) seed "$corpus" "$realchars"/*/*.act ;;
    air|air_frames) seed "$corpus" "$realchars"/*/*.air ;;
    text_clips) seed "$corpus" "$root/data/stclips.txt" ;;
    help_topic) seed "$corpus" "$root/data/sctrls.html" ;;
    tips) seed "$corpus" "$root/data/tips.txt" ;;
  esac
  [ -d "fuzz/seeds/$t" ] && seed "$corpus" fuzz/seeds/"$t"/*
  limits="-rss_limit_mb=2048 -malloc_limit_mb=${FUZZ_MALLOC_LIMIT_MB:-128} -timeout=${FUZZ_TIMEOUT:-20}"

  # Inputs that once broke the target must pass.
  if [ -d "fuzz/regressions/$t" ] && [ -n "$(ls -A "fuzz/regressions/$t")" ]; then
    if ! "$program" $limits fuzz/regressions/"$t"/* >"$build/findings/$t-regressions.log" 2>&1; then
      echo "fuzz_$t: an input under fuzz/regressions/$t breaks it, see $build/findings/$t-regressions.log"
      status=1
    fi
  fi

  log=$build/findings/$t.log
  if nice "$program" $limits -max_len="$(max_len "$t")" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/findings/$t-" "$corpus" >"$log" 2>&1; then
    result=ok
  else
    result="FINDING (see $log)"
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  took=$(sed -n 's/^stat::.*//; s/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\2/p' "$log" | tail -1)
  echo "fuzz_$t: ${runs:-?} runs in ${took:-$seconds} s, corpus $(ls "$corpus" | wc -l) inputs: $result"
done
exit $status
