#!/bin/sh
# Installs everything, builds Vantrel with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_SANITIZE=ON -DVANTREL_BENCH=ON
cmake --build build-test
cd build-test
ctest --output-on-failure --timeout 900
