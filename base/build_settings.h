#pragma once
// build_settings: the one record of every option of a build plus a few
// program-wide preferences. Plain data, no operations: the configuration
// reader and writer (app/config_file.h) fill and store it, the engine and the
// window read and change its fields directly.
//
// Every field stored in a configuration file is named letter for letter after
// its key (`supress_headers` has one p). The values given here are the
// construction values; the configuration reader supplies each key's default.

#include <cstdint>
#include <string>

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
  int32_t time_24hr = 0;  // key is legacy; the field is the time stamp's clock style
  int32_t number_format = 0;
  int32_t suppress_name_size_tr = 0;
  int32_t time_dropdown = 0;
  int32_t date_dropdown = 0;
  std::wstring file_sizes;
  std::wstring file_sizes_delimited;
  int32_t process_root_with_included_folders = 1;
  int32_t autolaunch_batch_file = 0;
  int32_t use_primary_script_always = 0;
  int32_t repeat_anchor_headers = 1;
  std::wstring version = kProgramVersion;
  int32_t full_anchor_text = 1;
  int32_t max_search_depth2 = 0;
  int32_t max_anchor_depth = 0;
  int32_t rectangular_tables = 1;
  int32_t force_framed_settings = 1;
  int32_t active_page = 0;
  int32_t recursive_build = 1;
  int32_t multi_recurse_link = 1;
  int32_t recursive_build_single_file = 0;
  int32_t build_framed_site = 0;
  int32_t anchors_use_backslash = 1;
  std::wstring filename_include_strings;
  int32_t multi_recurse_skip_root = 0;
  int32_t multi_recurse_title = title_folder;
  int32_t recurse_link_folders_to_default_filename = 1;
  std::wstring left_frame_file;
  std::wstring right_frame_file;
  std::wstring frameset_file;
  std::wstring skip_files;
  std::wstring included_folders_delimited;
  std::wstring included_folders;
  int32_t sizes_by_k = 1;
  int32_t file_size_display_type = 1;
  int32_t folder_anchors = 1;
  int32_t column_wise_sort = 1;
  int32_t show_folder_names = 1;
  int32_t suppress_visible_links = 0;
  int32_t sort_folders_first = 1;
  int32_t folder_columns2 = 4;
  int32_t anchor_columns2 = 1;
  int32_t file_columns2 = 4;
  int32_t folder_chars = 0;
  int32_t anchor_chars2 = 0;
  std::wstring sort_type;
  std::wstring file_spec = L"*.*";
  std::wstring output_filename = L"index.html";
  std::wstring title;
  int32_t replace_latin_chars = 1;
  std::wstring path;
  std::wstring date_modified;
  std::wstring date_modified_delimited;
  std::wstring folders;
  std::wstring file_spec_list;
  int32_t include_filesize = 1;
  int32_t include_subfolders = 0;
  int32_t include_date = 0;
  int32_t include_summary = 0;
  int32_t supress_headers = 0;
  int32_t supress_parent_link = 1;
  int32_t suppress_extensions = 0;
  int32_t full_pathname_links = 0;
  std::wstring custom_html_filename;
  std::wstring scripts_list;
  std::wstring skipped_folders_list;
  std::wstring files_include_list;
  std::wstring files_exclude_list;
  std::wstring title_list;
  std::wstring output_file_list;
  std::wstring skip_folders;
  std::wstring bytes_word;
  std::wstring k_word;
  std::wstring megabytes_word;
  std::wstring gigabytes_word;
  std::wstring folder_word;
  std::wstring filename_word;
  std::wstring size_word;
  std::wstring date_word;
  std::wstring anchor_word;
  std::wstring parent_word;
  std::wstring root_anchor_word;
  std::wstring summary_files_word;
  std::wstring summary_folders_word;
  std::wstring summary_size_word;
  std::wstring folder_sort_word;
  std::wstring file_header_word;
  int32_t use_html_titles_for_links = 0;
  int32_t use_file_table_script_elements = 0;
  int32_t include_time = 0;
  int32_t charset = charset_utf8;
  int32_t doctype = doctype_html_401_transitional;
  int32_t insert_commas = 1;
  int32_t non_functional_links = 0;
  std::wstring euro_separator = L"/";
  int32_t max_file_chars2 = 0;

  // ---- Program preferences ("general.init") ----
  std::wstring default_browser;
  std::wstring browsers_list;
  std::wstring default_text_editor;
  std::wstring text_editors_list;
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
