#!/usr/bin/env bash
# Runs two tabulon programs over the same configurations and compares every
# page they write, byte for byte: each bundled script (share/Scripts) in each
# build mode (one folder, the whole branch in one page, one page per folder,
# framed site) with a few sets of settings, over a tree of files with odd
# names, sizes and dates. The exit status and standard error of both runs are
# compared as well.
#   scripts/compare_pages.sh OLD_EXE NEW_EXE
# Prints one line per configuration that differs, then the counts; exits 1
# when anything differs.
set -uo pipefail
if [[ $# -ne 2 ]]; then
  echo "usage: $0 OLD_EXE NEW_EXE" >&2
  exit 2
fi
old_exe=$(readlink -f "$1")
new_exe=$(readlink -f "$2")
repo=$(cd "$(dirname "$0")/.." && pwd)
for exe in "$old_exe" "$new_exe"; do
  [[ -x $exe ]] || { echo "not a program: $exe" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tabulon-compare.XXXXXX")
trap 'rm -rf "$work"' EXIT
export TZ=UTC LC_ALL=C.UTF-8

# ---- the tree, made once and copied fresh for every run ----
pristine=$work/pristine
make_file() {  # path size date
  mkdir -p "$(dirname "$1")"
  head -c "$2" /dev/zero | tr '\0' 'x' >"$1"
  touch -d "$3" "$1"
}
make_sparse() {  # path size date
  mkdir -p "$(dirname "$1")"
  truncate -s "$2" "$1"
  touch -d "$3" "$1"
}
t=$pristine/tree
make_file "$t/plain.txt" 1 "2001-02-03 04:05:06"
make_file "$t/space name.txt" 1023 "1999-12-31 23:59:59"
make_file "$t/a&b<c>.html" 1024 "2010-06-15 12:00:00"
make_file "$t/it's \"quoted\".txt" 5000 "2015-01-01 00:00:01"
make_file "$t/100% #hash;semi.doc" 0 "2020-02-29 13:14:15"
make_file "$t/café ünï 日本.txt" 777 "2005-07-08 09:10:11"
make_file "$t/"$'bad\xff\xfe name.txt' 12 "2003-03-03 03:03:03"
make_file "$t/"$'latin\xe9.txt' 13 "2004-04-04 04:04:04"
make_file "$t/back\\slash.txt" 14 "2006-06-06 06:06:06"
make_file "$t/UPPER.TXT" 15 "2007-07-07 07:07:07"
make_file "$t/multi.dot.tar.gz" 99999 "2008-08-08 08:08:08"
make_file "$t/no_extension" 16 "2009-09-09 09:09:09"
make_file "$t/.hidden" 17 "2011-11-11 11:11:11"
make_file "$t/skip.tmp" 18 "2012-12-12 12:12:12"
make_file "$t/$(printf 'long%.0s' {1..30}).txt" 19 "2013-01-13 13:13:13"
make_file "$t/titled.html" 0 "2014-02-14 14:14:14"
printf '<html><head><title>A &amp; title</title></head></html>' >"$t/titled.html"
touch -d "2014-02-14 14:14:14" "$t/titled.html"
make_sparse "$t/big.iso" 1572864 "2016-03-16 16:16:16"
make_sparse "$t/huge.img" 3221225472 "2017-04-17 17:17:17"
make_file "$t/sub one/inner file.txt" 2048 "2018-05-18 18:18:18"
make_file "$t/sub one/deeper/deepest/leaf.c" 300 "2019-06-19 19:19:19"
make_file "$t/sub one/deeper/x&y.h" 301 "2019-06-20 19:19:19"
make_file "$t/Ωmega/ß.txt" 302 "2021-07-21 21:21:21"
make_file "$t/"$'bad\xffdir/f.txt' 303 "2022-08-22 22:22:22"
make_file "$t/a&b folder/<tag>.txt" 304 "2023-09-23 23:23:23"
make_file "$t/zz last/more.txt" 305 "2000-01-01 00:00:00"
mkdir -p "$t/empty folder"
# Folder dates are part of some pages: fix them after the files are made.
find "$t" -depth -type d -exec touch -d "2024-10-24 10:24:00" {} +

# ---- the settings sets ----
declare -A sets
sets[plain]=""
sets[sizes_dates_summary]="include_filesize=TRUE
file_size_display_type=0
include_date=TRUE
include_time=TRUE
date_dropdown=6
euro_separator=-
time_dropdown=4
include_summary=TRUE
sort_type=S-
number_format=2
charset=UTF_16LE"
sets[anchors_full_paths]="full_pathname_links=TRUE
folder_anchors=TRUE
anchor_columns2=3
full_anchor_text=FALSE
sort_type=D+
anchors_use_backslash=FALSE
charset=ANSI
doctype=xhtml_strict
include_subfolders=TRUE
supress_parent_link=FALSE
file_size_display_type=3
include_date=TRUE
date_dropdown=2
include_summary=TRUE"
sets[extension_sort]="sort_type=E-
sort_folders_first=FALSE
column_wise_sort=FALSE
file_columns2=1
folder_columns2=2
suppress_extensions=TRUE
max_file_chars2=8
doctype=html_5
replace_latin_chars=FALSE
use_html_titles_for_links=TRUE
skip_files=*.tmp;index.html
skip_folders=empty*
file_size_display_type=2
number_format=1
include_date=TRUE
time_dropdown=1
include_time=TRUE"

declare -A modes
modes[one_folder]="recursive_build=FALSE"
modes[branch_one_page]="recursive_build=TRUE
recursive_build_single_file=FALSE"
modes[page_per_folder]="recursive_build=TRUE
recursive_build_single_file=TRUE"
modes[framed_site]="recursive_build=TRUE
recursive_build_single_file=TRUE
build_framed_site=TRUE"

# ---- one run: copy the tree, build, keep the tree and what was printed ----
run_one() {  # exe config out
  rm -rf "$work/run"
  cp -a "$pristine" "$work/run"
  (cd "$work/run/tree" && "$1" "$2" >"$work/run/stdout" 2>"$work/run/stderr"
   echo $? >"$work/run/status")
  rm -rf "$3"
  mv "$work/run" "$3"
}

configs=0 differing=0 pages=0 bytes=0
for script in "$repo"/share/Scripts/*.txt "$repo"/share/Scripts/*.tabulon; do
  for mode in one_folder branch_one_page page_per_folder framed_site; do
    for set in plain sizes_dates_summary anchors_full_paths extension_sort; do
      name="$(basename "$script" | tr -c 'A-Za-z0-9._-' '_')-$mode-$set"
      config=$work/configs/$name.init
      mkdir -p "$work/configs"
      {
        echo "[TABULON]"
        echo "path=$work/run/tree"
        echo "custom_html_filename=$script"
        echo "title=Index of %%DIR"
        echo "${modes[$mode]}"
        echo "${sets[$set]}"
      } >"$config"
      # A framed site lists pages of its own build with their time of writing,
      # so a run that crosses a minute differs in that time alone: a
      # configuration differs only when it differs on a second try as well.
      same=0
      for try in 1 2; do
        run_one "$old_exe" "$config" "$work/old"
        run_one "$new_exe" "$config" "$work/new"
        # The large sparse files are inputs only; reading them would take minutes.
        if diff -r -x big.iso -x huge.img "$work/old" "$work/new" >"$work/diff" 2>&1; then
          same=1
          break
        fi
      done
      configs=$((configs + 1))
      if [[ $same -eq 0 ]]; then
        differing=$((differing + 1))
        echo "DIFFERS: $name"
        head -5 "$work/diff" | sed 's/^/    /'
      fi
      # Count the pages written: files the run added to the tree.
      while IFS= read -r -d '' page; do
        rel=${page#"$work/new/"}
        if [[ ! -e "$pristine/$rel" ]]; then
          pages=$((pages + 1))
          bytes=$((bytes + $(stat -c %s "$page")))
        fi
      done < <(find "$work/new/tree" -type f -print0)
    done
  done
done

echo "configurations: $configs, pages compared: $pages, bytes compared: $bytes, differing configurations: $differing"
[[ $differing -eq 0 ]]
