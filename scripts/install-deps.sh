#!/bin/sh
# Installs what building, running, testing and linting Vantrel needs on a Debian
# machine (the clang-tidy package brings run-clang-tidy, which scripts/lint.sh runs;
# clang and its runtime libraries build the fuzz targets with libFuzzer).
set -eu
packages="cmake ninja-build g++ pkg-config ccache qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-tools-dev qt6-l10n-tools
  qt6-translations-l10n libsdl2-mixer-dev
  libpng-dev libgif-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth imagemagick x11-utils fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev time clang-format clang-tidy
  clang libclang-rt-14-dev"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $packages >/dev/null
