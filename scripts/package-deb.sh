#!/bin/sh
# Builds the Debian package in one command: configure, build, cpack -G DEB.
# Usage: scripts/package-deb.sh [BUILD_FOLDER]   (default: build-deb)
# The package lands in the build folder as tabulon_VERSION_ARCH.deb.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$here/build-deb"}
launcher=
command -v ccache >/dev/null 2>&1 && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTABULON_TESTS=OFF \
  -DTABULON_BENCH=OFF $launcher
cmake --build "$build" -j2
(cd "$build" && cpack -G DEB)
ls -l "$build"/tabulon_*.deb
