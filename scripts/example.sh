#!/usr/bin/env bash
# Builds tabulon (installing the Debian packages it needs first) and runs the
# bundled example configuration over a copy of the example folder, then prints
# the path of the page it wrote.
#   scripts/example.sh
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

scripts/install-deps.sh >&2
cmake -S . -B build-example -DCMAKE_BUILD_TYPE=Release -DTABULON_TESTS=OFF -DTABULON_BENCH=OFF >/dev/null
cmake --build build-example -j"$(nproc)" --target tabulon >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/tabulon-example.XXXXXX")
cp -r examples/site "$work/site"
cp examples/example.init "$work/example.init"
# The example configuration indexes the folder tabulon is started in (path=.).
(cd "$work/site" && "$repo/build-example/tabulon" "$work/example.init")
echo "$work/site/index.html"
