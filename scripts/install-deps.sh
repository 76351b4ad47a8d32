#!/bin/sh
# Installs what building, running and testing Vantrel needs on a Debian machine.
set -eu
packages="cmake ninja-build g++ pkg-config ccache qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libsdl2-mixer-dev
  libpng-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth imagemagick x11-utils fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $packages >/dev/null
