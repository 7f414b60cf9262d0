#!/usr/bin/env bash
# Takes screenshots of every page of the window, in English and in German,
# under Xvfb, into docs/window_<language>_<page>.png.
#   scripts/screenshots.sh [BUILD_DIR]     (default: build)
# Needs xvfb-run and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
root=$(pwd)
if [[ "${TABULON_IN_XVFB:-}" != 1 ]]; then
  exec env TABULON_IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$@"
fi

pages=(folders misc sorting words recursive io about license open_source)
shoot() {
  local language=$1 file=$2
  local dir
  dir=$(mktemp -d)
  cp "$build/tabulon" "$dir/"
  cp -r share/Scripts share/Translations "$build/help" "$dir/"
  printf '[TABULON]\r\nlanguage_file=%s\r\nWindowPlacement=flags(1),showCmd(0),ptMin(-1,-1),ptMax(-1,-1),rcNormal(0,900,0,640)\r\n' \
    "$file" > "$dir/general.init"
  printf '[TABULON]\r\npath=/home/me/photos\r\nfolders=/home/me/photos|/srv/www\r\nfile_spec=*.jpg;*.png\r\ntitle=Holiday pictures\r\ncustom_html_filename=Scripts/tan.txt\r\n' \
    > "$dir/tabulon.init"
  : > "$dir/script.txt"
  for i in "${!pages[@]}"; do
    printf 'page %d\nwait 400\ndump %s/dump%d.txt\nmark %s/ready%d\nwait 1500\n' \
      "$i" "$dir" "$i" "$dir" "$i" >> "$dir/script.txt"
  done
  echo exit >> "$dir/script.txt"
  TABULON_TEST_SCRIPT="$dir/script.txt" GDK_BACKEND=x11 "$dir/tabulon" &
  local pid=$!
  for i in "${!pages[@]}"; do
    for _ in $(seq 200); do [[ -e "$dir/ready$i" ]] && break; sleep 0.05; done
    local rect
    rect=$(sed -n 's/^window.rect=//p' "$dir/dump$i.txt")
    IFS=, read -r x y w h <<< "$rect"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage \
      "$root/docs/window_${language}_$(printf '%d' "$i")_${pages[$i]}.png"
  done
  wait "$pid" || true
  rm -rf "$dir"
}
mkdir -p docs
shoot en ""
shoot de "Translations/Deutsch.xml"
echo "Screenshots written to docs/window_*.png"
