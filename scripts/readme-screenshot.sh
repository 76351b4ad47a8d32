#!/bin/sh
# Retakes docs/screenshot.png: Vantrel on the sample character with several
# editor windows open, from the real program under Xvfb.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTREL_TESTS=OFF
cmake --build build-release
sh scripts/screenshot.sh build-release/app docs/screenshot.png \
  build-release/app/samples/kit/kit.def SpriteWindow AnimationPreview AnimationTextWindow PaletteWindow
echo "Saved docs/screenshot.png"
