#!/usr/bin/env bash
# Builds tabulon from this checkout and runs every test.
# Installs the Debian packages it needs when they are missing and it runs as root.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UBSan build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
extra=()
if [[ "${1:-}" == "--sanitize" ]]; then
  build_dir=build-asan
  extra=(-DTABULON_SANITIZE=ON -DTABULON_BENCH=OFF)
fi

scripts/install-deps.sh

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}"
cmake --build "$build_dir" -j"$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
