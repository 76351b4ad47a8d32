#!/bin/sh
# Installs everything, builds Vantrel with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test, then the lint (scripts/lint.sh)
# on the same build's compile_commands.json, then every fuzz target for a few
# seconds on its seeds and past findings (scripts/fuzz.sh; the long runs are
# `sh scripts/fuzz.sh` with no argument).
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
# -O1 and line tables only: the sanitizers' reports keep their file and line,
# and the build takes a good deal less time than at -O2 with full debug data.
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_SANITIZE=ON -DVANTREL_BENCH=ON \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
cmake --build build-test
(cd build-test && ctest --output-on-failure --timeout 900)
sh scripts/lint.sh build-test
sh scripts/fuzz.sh "${FUZZ_SECONDS:-3}"
