#!/usr/bin/env bash
# Cross-compiles tabulon.exe for 64-bit Windows into build-win/, so that the
# Windows files of platform/ keep compiling. With wine installed it then
# builds a small all-in-one page with the .exe as a smoke test.
#   scripts/cross_windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  if [[ $(id -u) -eq 0 ]]; then
    apt-get update -qq && apt-get install -y -qq g++-mingw-w64-x86-64-posix cmake
  else
    echo "cross_windows.sh: install g++-mingw-w64-x86-64-posix first" >&2
    exit 1
  fi
fi

cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DTABULON_TESTS=OFF -DTABULON_BENCH=OFF
cmake --build build-win -j"$(nproc)"
echo "built build-win/tabulon.exe"

wine=$(command -v wine64 || ls /usr/lib/wine/wine64 2>/dev/null || true)
if [[ -z "$wine" ]]; then
  echo "wine64 not found: skipping the smoke test"
  exit 0
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/tabulon-win.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree/sub"
echo one >"$work/tree/a.txt"
echo two >"$work/tree/sub/b c.txt"
winpath() { echo "Z:${1//\//\\}"; }
printf '[TABULON]\npath=%s\ncustom_html_filename=Scripts\\blue_white_border.txt\nrecursive_build=TRUE\nrecursive_build_single_file=FALSE\n' \
  "$(winpath "$work/tree")" >"$work/site.init"
WINEDEBUG=-all "$wine" build-win/tabulon.exe "$(winpath "$work/site.init")"
grep -q 'href="sub/b%20c.txt"' "$work/tree/index.html"
echo "smoke test: the Windows build listed the tree"
