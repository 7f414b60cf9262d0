#!/usr/bin/env bash
# Regenerates the screenshots of the README's gallery (docs/gallery_*.png):
# builds a copy of the example tree with each bundled script, in the mode the
# script is made for, and photographs the page with headless Chromium
# (Debian package "chromium"). Not part of the tests.
#   scripts/gallery.sh [BUILD_FOLDER]     (default: build-gallery, built here)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
build=${1:-}
if [ -z "$build" ]; then
  build=build-gallery
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTABULON_TESTS=OFF -DTABULON_BENCH=OFF >/dev/null
  cmake --build "$build" -j2 --target tabulon >/dev/null
fi
exe=$(cd "$build" && pwd)/tabulon
command -v chromium >/dev/null || { echo "chromium is missing (apt-get install -y chromium)" >&2; exit 1; }

# A fixed folder, so the paths the pages show read well in the pictures.
work=${TMPDIR:-/tmp}/tabulon-gallery
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT

# build NAME SCRIPT KEY=VALUE...: builds a fresh copy of the example tree.
build_site() {
  local name=$1 script=$2
  shift 2
  mkdir -p "$work/$name"
  cp -r examples/site "$work/$name/site"
  {
    echo "[TABULON]"
    echo "path=$work/$name/site"
    echo "file_spec=*.*"
    echo "skip_files=index.html;folders.html;files.html"
    echo "custom_html_filename=Scripts/$script"
    echo "output_filename=index.html"
    echo "title=Files in %%DIR"
    echo "include_filesize=TRUE"
    echo "include_date=TRUE"
    echo "include_time=TRUE"
    echo "date_dropdown=6"
    echo "euro_separator=-"
    echo "time_dropdown=4"
    echo "include_summary=TRUE"
    echo "anchors_use_backslash=FALSE"
    echo "charset=UTF_8"
    echo "doctype=html_5"
    printf '%s\n' "$@"
  } >"$work/$name.init"
  "$exe" "$work/$name.init" >/dev/null
}

# shot NAME PAGE: a 1200x800 screenshot of PAGE into docs/gallery_NAME.png.
shot() {
  local profile
  profile=$(mktemp -d "$work/profile.XXXXXX")
  chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --hide-scrollbars --user-data-dir="$profile" --screenshot="$repo/docs/gallery_$1.png" \
    --window-size=1200,800 "file://$2" >/dev/null 2>&1
  echo "docs/gallery_$1.png"
}

grouped=(recursive_build=TRUE recursive_build_single_file=FALSE sort_folders_first=TRUE
  show_folder_names=TRUE folder_anchors=TRUE anchor_columns2=3 file_columns2=1)
per_folder=(recursive_build=TRUE recursive_build_single_file=TRUE include_subfolders=TRUE
  supress_parent_link=FALSE folder_columns2=4)

build_site blue_white_border blue_white_border.txt "${grouped[@]}" include_subfolders=TRUE
shot blue_white_border "$work/blue_white_border/site/index.html"

build_site tan tan.txt "${grouped[@]}" include_subfolders=TRUE folder_columns2=4
shot tan "$work/tan/site/index.html"

# All files of the tree in one flat, three-column list, names running down the columns.
build_site pale_grey pale_grey.txt recursive_build=TRUE recursive_build_single_file=FALSE \
  sort_folders_first=FALSE show_folder_names=TRUE include_subfolders=TRUE file_columns2=3 \
  folder_columns2=4 column_wise_sort=TRUE include_time=FALSE
shot pale_grey "$work/pale_grey/site/index.html"

build_site div_recursive div_recursive.txt "${per_folder[@]}"
shot div_recursive "$work/div_recursive/site/photos/index.html"

build_site tan_file_matches "tan (with div, file matches).tabulon" "${grouped[@]}" \
  include_subfolders=TRUE
shot tan_file_matches "$work/tan_file_matches/site/index.html"

build_site framed_site blue_white_border.txt recursive_build=TRUE build_framed_site=TRUE \
  frameset_file=Scripts/frameset.txt left_frame_file=Scripts/left_frame.txt \
  right_frame_file=Scripts/right_frame.txt multi_recurse_title=FOLDER file_columns2=1
shot framed_site "$work/framed_site/site/index.html"
