#!/bin/sh
# Fails on C++ that is not formatted as .clang-format says, and on clang-tidy
# findings (.clang-tidy) in the program and the tools. Takes the build folder
# whose compile_commands.json describes the sources (default: build-test).
set -eu
cd "$(dirname "$0")/.."
build=${1:-build-test}

sources=$(git ls-files '*.cpp' '*.h' | grep -E '^(src|tools|tests|bench|samples|fuzz)/')
# shellcheck disable=SC2086
clang-format --dry-run -Werror $sources
echo "clang-format: $(echo "$sources" | wc -l) files formatted"

# Generated files (Qt's moc) are not ours; headers are checked through the
# files that include them.
tidy_files=$(git ls-files '*.cpp' | grep -E '^(src|tools)/')
# shellcheck disable=SC2086
run-clang-tidy -quiet -p "$build" -j "$(nproc)" $tidy_files > "$build/clang-tidy.log" 2>&1 || {
  grep -E 'error:|warning:' "$build/clang-tidy.log" | sort -u | head -n 100
  echo "clang-tidy: findings above (whole log: $build/clang-tidy.log)"
  exit 1
}
echo "clang-tidy: no findings in $(echo "$tidy_files" | wc -l) files"
