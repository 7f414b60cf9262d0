#pragma once
// build_settings: the one record of every option of a build plus a few
// program-wide preferences. Plain data, no operations: the configuration
// reader and writer (app/config_file.h) fill and store it, the engine and the
// window read and change its fields directly.
//
// Every field stored in a configuration file is named letter for letter after
// its key (`supress_headers` has one p). Each field's comment reads
// `key=default: meaning`; the values given here are only the construction
// values, the configuration reader supplies each key's default.

#include <cstdint>
#include <string>
#include <vector>

#include "base/ranges.h"
#include "base/script_template.h"

namespace tabulon {

inline constexpr const wchar_t* kProgramVersion = L"tabulon v4.87";

// Codes of the enumeration keys.
enum charset_code : int32_t { charset_ansi = 0, charset_utf8 = 1, charset_utf16le = 2 };
enum doctype_code : int32_t {
  doctype_html_401_transitional = 0,
  doctype_xhtml_transitional = 1,
  doctype_xhtml_strict = 2,
  doctype_html_strict = 3,
  doctype_html_5 = 4,
};
enum title_code : int32_t {
  title_qualified = 0,
  title_default = 1,
  title_folder = 2,
  title_relative = 3,
  title_none = 4,
};
// Sort types of `sort_type` (the letter), in code order.
enum sort_code : int32_t {
  sort_by_name = 0,
  sort_by_size = 1,
  sort_by_extension = 2,
  sort_by_date = 3,
  sort_random = 4,
  sort_by_access = 5,
  sort_unsorted = 6,
};

struct build_settings {
  // ---- Main configuration file, in the reader's order ----
  // time_24hr=FALSE: older clock flag, read only to pick time_dropdown's default
  int32_t time_24hr = 0;
  // number_format=0: digit grouping of sizes (0 to 6); 1 if old american_numbers=FALSE
  int32_t number_format = 0;
  // suppress_name_size_tr=FALSE: leave out the header row naming the file table's columns
  int32_t suppress_name_size_tr = 0;
  // time_dropdown=0: time style of file dates (0 to 7); 4 when time_24hr is TRUE
  int32_t time_dropdown = 0;
  // date_dropdown=0: date style of file dates (0 to 7); 1 when old euro_date_style is TRUE
  int32_t date_dropdown = 0;
  // file_sizes=: size range a file must fall in to be listed; empty lists every size
  std::wstring file_sizes;
  // file_sizes_delimited=: history of size ranges in the window, | separated
  std::wstring file_sizes_delimited;
  // process_root_with_included_folders=TRUE: with included folders, list the root's files
  int32_t process_root_with_included_folders = 1;
  // autolaunch_batch_file=FALSE: open the written page when a batch-mode build ends
  int32_t autolaunch_batch_file = 0;
  // use_primary_script_always=FALSE: every included folder uses the main script, not its own
  int32_t use_primary_script_always = 0;
  // repeat_anchor_headers=TRUE: repeat the file table's header row under each folder anchor
  int32_t repeat_anchor_headers = 1;
  // version=this program's version: the program version written to the file; always this program's
  std::wstring version = kProgramVersion;
  // full_anchor_text=TRUE: folder anchors show the whole path below the root, not the last name
  int32_t full_anchor_text = 1;
  // max_search_depth2=0: deepest folder level the scan enters; 0 means no limit
  int32_t max_search_depth2 = 0;
  // max_anchor_depth=0: deepest folder level that gets an anchor; 0 means no limit
  int32_t max_anchor_depth = 0;
  // rectangular_tables=TRUE: pad the last table row with empty cells
  int32_t rectangular_tables = 1;
  // force_framed_settings=TRUE: a framed build sets the options its frames need
  int32_t force_framed_settings = 1;
  // active_page=0: the option page the window shows first
  int32_t active_page = 0;
  // recursive_build=TRUE: walk the subfolders of the root
  int32_t recursive_build = 1;
  // multi_recurse_link=TRUE: older name of recursive_build_single_file, written for older readers
  int32_t multi_recurse_link = 1;
  // recursive_build_single_file=FALSE: one page per folder, not one page
  int32_t recursive_build_single_file = 0;
  // build_framed_site=FALSE: with recursive_build: write a framed site
  int32_t build_framed_site = 0;
  // anchors_use_backslash=TRUE: folder paths on pages are written with backslashes
  int32_t anchors_use_backslash = 1;
  // filename_include_strings=: texts of which a file name must hold one to be listed
  std::wstring filename_include_strings;
  // multi_recurse_skip_root=FALSE: one page per folder: write no page for the root
  int32_t multi_recurse_skip_root = 0;
  // multi_recurse_title=FOLDER: title code of the pages of a recursive build (QUALIFIED .. NONE)
  int32_t multi_recurse_title = title_folder;
  // recurse_link_folders_to_default_filename=TRUE: folder links point at the page inside the folder
  int32_t recurse_link_folders_to_default_filename = 1;
  // left_frame_file=Scripts/left_frame.txt: script of the framed site's left frame
  std::wstring left_frame_file;
  // right_frame_file=Scripts/right_frame.txt: script of the framed site's right frame
  std::wstring right_frame_file;
  // frameset_file=Scripts/frameset.txt: script of the framed site's frameset page
  std::wstring frameset_file;
  // skip_files=: name patterns of files to leave out, ; separated
  std::wstring skip_files;
  // included_folders_delimited=: history of included folder lists in the window
  std::wstring included_folders_delimited;
  // included_folders=: further folders indexed with the root, | separated
  std::wstring included_folders;
  // sizes_by_k=TRUE: older flag: FALSE forces file_size_display_type to bytes
  int32_t sizes_by_k = 1;
  // file_size_display_type=1: size unit: 0 bytes, 1 K, 2 MB, 3 GB
  int32_t file_size_display_type = 1;
  // folder_anchors=TRUE: put a table of links to the folder sections on top
  int32_t folder_anchors = 1;
  // column_wise_sort=TRUE: fill tables down the columns rather than along the rows
  int32_t column_wise_sort = 1;
  // show_folder_names=TRUE: a row naming the folder above each folder's files
  int32_t show_folder_names = 1;
  // suppress_visible_links=FALSE: file links show no name (the script's sections may)
  int32_t suppress_visible_links = 0;
  // sort_folders_first=TRUE: group the files under their folders
  int32_t sort_folders_first = 1;
  // folder_columns2=4: columns of the folder table (old key folder_columns)
  int32_t folder_columns2 = 4;
  // anchor_columns2=1: columns of the anchor table (old key anchor_columns)
  int32_t anchor_columns2 = 1;
  // file_columns2=4: columns of the file table (old key file_columns)
  int32_t file_columns2 = 4;
  // folder_chars=0: folder name length limit, 0 none
  int32_t folder_chars = 0;
  // anchor_chars2=0: anchor text length limit, 0 none (old key anchor_chars)
  int32_t anchor_chars2 = 0;
  // sort_type=N+: sort letter and direction, such as N+ or D-
  std::wstring sort_type;
  // file_spec=*.*: patterns a file name must match, ; separated
  std::wstring file_spec = L"*.*";
  // output_filename=index.html: name of each page written, or a path for the one page
  std::wstring output_filename = L"index.html";
  // title=%%DIR: page title (also for an empty value); %%DIR stands for the folder
  std::wstring title;
  // replace_latin_chars=TRUE: Latin-1 letters become references in text and escapes in links
  int32_t replace_latin_chars = 1;
  // path=.: the root folder to index; . is the start-up directory
  std::wstring path;
  // date_modified=: date range a file's date must fall in; empty lists every date
  std::wstring date_modified;
  // date_modified_delimited=: history of date ranges in the window
  std::wstring date_modified_delimited;
  // folders=: history of root folders in the window
  std::wstring folders;
  // file_spec_list=: history of file patterns in the window
  std::wstring file_spec_list;
  // include_filesize=TRUE: a size column in the file table
  int32_t include_filesize = 1;
  // include_subfolders=FALSE: a one-folder page lists the folder's subfolders too
  int32_t include_subfolders = 0;
  // include_date=FALSE: a date column in the file table
  int32_t include_date = 0;
  // include_summary=FALSE: a line with the counts and the total size at the bottom
  int32_t include_summary = 0;
  // supress_headers=FALSE: leave out the folder header rows (key spelt with one p)
  int32_t supress_headers = 0;
  // supress_parent_link=TRUE: leave out the link to the parent folder's page
  int32_t supress_parent_link = 1;
  // suppress_extensions=FALSE: show file names without their extension
  int32_t suppress_extensions = 0;
  // full_pathname_links=FALSE: links carry the full path instead of a relative one
  int32_t full_pathname_links = 0;
  // custom_html_filename=Scripts/blue_white_border.txt: the script that gives the pages their look
  std::wstring custom_html_filename;
  // scripts_list=(the five bundled page scripts): history of scripts in the window
  std::wstring scripts_list;
  // skipped_folders_list=: history of skipped folder patterns in the window
  std::wstring skipped_folders_list;
  // files_include_list=: history of include texts in the window
  std::wstring files_include_list;
  // files_exclude_list=: history of skipped file patterns in the window
  std::wstring files_exclude_list;
  // title_list=: history of titles in the window
  std::wstring title_list;
  // output_file_list=: history of output file names in the window
  std::wstring output_file_list;
  // skip_folders=: name patterns of folders to leave out, ; separated
  std::wstring skip_folders;
  // bytes_word=bytes: unit word after a size in bytes
  std::wstring bytes_word;
  // k_word=K: unit word after a size in K
  std::wstring k_word;
  // megabytes_word=MB&nbsp;: unit word after a size in MB
  std::wstring megabytes_word;
  // gigabytes_word=GB&nbsp;: unit word after a size in GB
  std::wstring gigabytes_word;
  // folder_word=<b>Folders</b>: heading of the folder table
  std::wstring folder_word;
  // filename_word=<b>File</b>: heading of the file name column
  std::wstring filename_word;
  // size_word=<b>Size</b>: heading of the size column
  std::wstring size_word;
  // date_word=<b>Date</b>: heading of the date column
  std::wstring date_word;
  // anchor_word=<b>Anchors</b>: heading of the anchor table
  std::wstring anchor_word;
  // parent_word=&lt;parent&gt;: text of the link to the parent folder
  std::wstring parent_word;
  // root_anchor_word=&lt;root&gt;: anchor text of the root folder
  std::wstring root_anchor_word;
  // summary_files_word="Files: ": summary label before the file count
  std::wstring summary_files_word;
  // summary_folders_word="Folders: ": summary label before the folder count
  std::wstring summary_folders_word;
  // summary_size_word="Size of all files: ": summary label before the total size
  std::wstring summary_size_word;
  // folder_sort_word=: text before each folder's name in its header row
  std::wstring folder_sort_word;
  // file_header_word=: text of the header row above the files
  std::wstring file_header_word;
  // use_html_titles_for_links=FALSE: links to HTML files show the file's own title
  int32_t use_html_titles_for_links = 0;
  // use_file_table_script_elements=FALSE: the file table takes its cells from the script's sections
  int32_t use_file_table_script_elements = 0;
  // include_time=FALSE: file dates carry the time too; only with include_date
  int32_t include_time = 0;
  // charset=UTF_8: page encoding: ANSI, UTF_8 or UTF_16LE; other text is UTF_8
  int32_t charset = charset_utf8;
  // doctype=html_401_transitional: document type keyword; other text is the first
  int32_t doctype = doctype_html_401_transitional;
  // insert_commas=TRUE: group the digits of sizes and counts
  int32_t insert_commas = 1;
  // non_functional_links=FALSE: file links get no target, so they do not open
  int32_t non_functional_links = 0;
  // euro_separator=/: delimiter between the numbers of a date
  std::wstring euro_separator = L"/";
  // max_file_chars2=0: file name length limit, 0 none (old key max_file_chars)
  int32_t max_file_chars2 = 0;

  // ---- Program preferences ("general.init") ----
  // default_browser=: program that opens written pages
  std::wstring default_browser;
  // browsers_list=: history of browsers in the window
  std::wstring browsers_list;
  // default_text_editor=: program that opens scripts and configurations for editing
  std::wstring default_text_editor;
  // text_editors_list=: history of text editors in the window
  std::wstring text_editors_list;
  // language_file=: language file of the interface texts; may come from an older main file
  std::wstring language_file;

  // ---- Working fields without a key ----
  std::wstring current_config_path;  // full path of the configuration last read or written
  int32_t unattended = 0;            // 1 while a batch-mode build runs
  int32_t stamp_date_style = 0;      // time stamp: non-zero puts the day before the month
  std::wstring program_folder;       // the executable's folder, ending in the separator

  bool size_filter_on = false;       // `file_sizes` is not empty
  size_range sizes;                  // parsed `file_sizes`
  date_range dates;                  // parsed `date_modified`
  int32_t sort_kind = sort_by_name;  // parsed `sort_type`: type code
  int32_t sort_descending = 0;       // parsed `sort_type`: direction

  script_template script;  // the loaded script sections

  // Build working fields; the build driver and page assembly set them.
  std::wstring recursion_root;       // root folder of a recursive build
  std::wstring folder_link_target;   // file name that folder links point at, or empty
  int32_t reload_script = 1;         // page assembly loads the script before the page
  int32_t root_link = 0;             // framed site: link to the root in the left frame
  int32_t frame_list_pass = 0;       // framed site: building the folder-list frames
  int32_t framed_site_marker = 0;    // framed site: pages belong to a framed build
  int32_t anchor_totals_needed = 0;  // the page uses anchor totals
  int32_t convert_typographic = 1;   // typographic characters become entities
  // The twelve month names, then the unit words "K", "bytes", "MB", "GB".
  std::vector<std::wstring> month_words = {
      L"January",   L"February", L"March",    L"April",    L"May", L"June",  L"July", L"August",
      L"September", L"October",  L"November", L"December", L"K",   L"bytes", L"MB",   L"GB"};
  // Page assembly may add the date and time values of the page being written here.
};

}  // namespace tabulon
