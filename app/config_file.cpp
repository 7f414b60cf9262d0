#include "app/config_file.h"

#include <array>

#include "base/wide_string.h"
#include "engine/date_format.h"
#include "engine/range_parse.h"
#include "engine/sort_spec.h"
#include "platform/app_folders.h"
#include "platform/path_rules.h"

namespace tabulon {

namespace {

constexpr std::array<const wchar_t*, 3> kCharsets = {L"ANSI", L"UTF_8", L"UTF_16LE"};
constexpr std::array<const wchar_t*, 5> kDoctypes = {
    L"html_401_transitional", L"xhtml_transitional", L"xhtml_strict", L"html_strict", L"html_5"};
constexpr std::array<const wchar_t*, 5> kTitles = {L"QUALIFIED", L"DEFAULT", L"FOLDER", L"RELATIVE",
                                                   L"NONE"};

constexpr const wchar_t* kNotDefined = L"NOT DEFINED";

// Written with backslashes; program_file_name() gives them the native separator.
constexpr const wchar_t* kDefaultScript = L"Scripts\\blue_white_border.txt";
constexpr const wchar_t* kDefaultLeftFrame = L"Scripts\\left_frame.txt";
constexpr const wchar_t* kDefaultRightFrame = L"Scripts\\right_frame.txt";
constexpr const wchar_t* kDefaultFrameset = L"Scripts\\frameset.txt";
constexpr const wchar_t* kDefaultScriptsList =
    L"Scripts\\blue_white_border.txt|Scripts\\tan.txt|Scripts\\pale_grey.txt|"
    L"Scripts\\div_recursive.txt|Scripts\\tan (with div, file matches).tabulon";

// Names of program files in a configuration may have been written on Windows;
// on POSIX their backslashes are folder separators.
std::wstring program_file_name(const std::wstring& name) {
  return with_native_separators(name, native_path_style());
}

// A root folder of "." is the directory the program was started in. On Windows
// a directory on the program's own drive loses its drive letter and colon.
std::wstring current_directory_for_path(const config_context& context) {
  std::wstring dir = context.current_directory;
  const std::wstring& program = context.program_folder;
  if (native_path_style().has_drives && dir.size() >= 2 && program.size() >= 2 && dir[1] == L':' &&
      program[1] == L':' && upper_ascii(dir[0]) == upper_ascii(program[0])) {
    dir.erase(0, 2);
  }
  return dir;
}

// Loads `name` from the program folder, or `older_name` when that cannot be read.
bool load_with_fallback(ini_store& store, const config_context& context, const wchar_t* name,
                        const wchar_t* older_name) {
  if (store.load(resolve_in_program_folder(name, context.program_folder), kConfigSection)) {
    return true;
  }
  return store.load(resolve_in_program_folder(older_name, context.program_folder), kConfigSection);
}

// New keys of the column and width settings fall back to their older names.
int32_t read_with_older_key(ini_store& store, const std::wstring& key, const std::wstring& older,
                            int32_t fallback) {
  const std::wstring text = store.get_string(key, kNotDefined);
  const int32_t value = text == kNotDefined ? store.get_int(older, fallback) : wide_atoi(text);
  // The placeholder must not stay in the store as if it were the key's value.
  store.set_int(key, value);
  return value;
}

int32_t read_optional_number(ini_store& store, const std::wstring& key) {
  const std::wstring text = store.get_string(key, kNotDefined);
  const int32_t value = text == kNotDefined ? 0 : wide_atoi(text);
  store.set_int(key, value);
  return value;
}

void read_preferences(build_settings& s, const config_context& context, bool language_in_main) {
  ini_store general;
  load_with_fallback(general, context, L"general.init", L"general.ini");
  s.default_browser = general.get_string(L"default_browser", L"");
  s.browsers_list = general.get_string(L"browsers_list", L"");
  s.default_text_editor = general.get_string(L"default_text_editor", L"");
  s.text_editors_list = general.get_string(L"text_editors_list", L"");
  if (!language_in_main) {
    s.language_file = program_file_name(general.get_string(L"language_file", L""));
  }
}

// The date range takes the date delimiter, and its display text is made from
// the date style and that delimiter.
void finish_date_range(build_settings& s) {
  s.dates.separator = s.euro_separator;
  format_range_text(s.dates, s.date_dropdown, s.euro_separator);
}

}  // namespace

std::wstring charset_keyword(int32_t code) {
  return code >= 0 && code < 3 ? kCharsets[code] : kCharsets[0];
}
std::wstring doctype_keyword(int32_t code) {
  return code >= 0 && code < 5 ? kDoctypes[code] : kDoctypes[0];
}
std::wstring title_keyword(int32_t code) {
  return code >= 0 && code < 5 ? kTitles[code] : kTitles[4];
}

int32_t charset_from_keyword(const std::wstring& text) {
  if (text == kCharsets[0]) return charset_ansi;
  if (text == kCharsets[2]) return charset_utf16le;
  return charset_utf8;
}

int32_t doctype_from_keyword(const std::wstring& text) {
  for (size_t i = 0; i < kDoctypes.size(); ++i) {
    if (text == kDoctypes[i]) return static_cast<int32_t>(i);
  }
  return doctype_html_401_transitional;
}

int32_t title_from_keyword(const std::wstring& text) {
  const std::wstring upper = upper_ascii(text);
  for (size_t i = 0; i < 4; ++i) {
    if (upper == kTitles[i]) return static_cast<int32_t>(i);
  }
  return title_none;
}

config_status read_configuration(build_settings& s, ini_store& store, const std::wstring& file,
                                 const config_context& context) {
  config_status status;
  status.path = resolve_in_program_folder(file, context.program_folder);
  s.current_config_path = status.path;
  s.unattended = 0;
  status.ok = store.load(status.path, kConfigSection, &status.reason);

  auto flag = [&](const wchar_t* key, bool fallback) -> int32_t {
    return store.get_bool(key, fallback) ? 1 : 0;
  };
  auto number = [&](const wchar_t* key, int32_t fallback) { return store.get_int(key, fallback); };
  auto text = [&](const wchar_t* key, const wchar_t* fallback) {
    return store.get_string(key, fallback);
  };
  // The name of a file of the program's, such as a script, in native form.
  auto program_file = [&](const wchar_t* key, const wchar_t* fallback) {
    return program_file_name(text(key, program_file_name(fallback).c_str()));
  };

  // Older keys first: they decide the defaults of the keys that replaced them.
  s.time_24hr = flag(L"time_24hr", false);
  const bool american_numbers = store.get_bool(L"american_numbers", true);
  s.number_format = number(L"number_format", american_numbers ? 0 : 1);
  store.remove(L"american_numbers");
  if (s.number_format < 1 || s.number_format > 6) s.number_format = 0;
  s.suppress_name_size_tr = flag(L"suppress_name_size_tr", false);
  s.time_dropdown = number(L"time_dropdown", 99);
  if (s.time_dropdown < 1 || s.time_dropdown > 7) s.time_dropdown = s.time_24hr ? 4 : 0;
  store.remove(L"time_24hr");
  s.date_dropdown = number(L"date_dropdown", 99);
  if (s.date_dropdown < 0 || s.date_dropdown > 7) {
    const bool euro = store.get_bool(L"euro_date_style", false);
    s.date_dropdown = euro ? 1 : 0;
    s.time_24hr = euro ? 0 : 1;
    s.stamp_date_style = euro ? 0 : 1;
  }
  store.remove(L"euro_date_style");

  s.file_sizes = text(L"file_sizes", L"");
  s.size_filter_on = !s.file_sizes.empty();
  parse_size_range(s.file_sizes, s.sizes);
  s.file_sizes_delimited = text(L"file_sizes_delimited", L"");
  s.process_root_with_included_folders = flag(L"process_root_with_included_folders", true);
  s.autolaunch_batch_file = flag(L"autolaunch_batch_file", false);
  s.use_primary_script_always = flag(L"use_primary_script_always", false);
  s.repeat_anchor_headers = flag(L"repeat_anchor_headers", true);
  text(L"version", L"");  // read, but the record always holds this program's version
  s.version = kProgramVersion;
  s.full_anchor_text = flag(L"full_anchor_text", true);
  s.max_search_depth2 = read_optional_number(store, L"max_search_depth2");
  s.max_anchor_depth = read_optional_number(store, L"max_anchor_depth");
  s.rectangular_tables = flag(L"rectangular_tables", true);
  s.force_framed_settings = flag(L"force_framed_settings", true);
  s.active_page = number(L"active_page", 0);
  s.recursive_build = flag(L"recursive_build", true);
  s.multi_recurse_link = flag(L"multi_recurse_link", true);
  s.recursive_build_single_file = s.multi_recurse_link;
  s.recursive_build_single_file = flag(L"recursive_build_single_file", false);
  s.build_framed_site = flag(L"build_framed_site", false);
  s.anchors_use_backslash = flag(L"anchors_use_backslash", true);
  s.filename_include_strings = text(L"filename_include_strings", L"");
  s.multi_recurse_skip_root = flag(L"multi_recurse_skip_root", false);
  s.multi_recurse_title = title_from_keyword(text(L"multi_recurse_title", L"FOLDER"));
  s.recurse_link_folders_to_default_filename =
      flag(L"recurse_link_folders_to_default_filename", true);
  s.left_frame_file = program_file(L"left_frame_file", kDefaultLeftFrame);
  s.right_frame_file = program_file(L"right_frame_file", kDefaultRightFrame);
  s.frameset_file = program_file(L"frameset_file", kDefaultFrameset);
  s.skip_files = text(L"skip_files", L"");
  s.included_folders_delimited = text(L"included_folders_delimited", L"");
  s.included_folders = text(L"included_folders", L"");
  s.sizes_by_k = flag(L"sizes_by_k", true);
  s.file_size_display_type = number(L"file_size_display_type", 1);
  if (!s.sizes_by_k || s.file_size_display_type == 0) {
    s.file_size_display_type = 0;
  } else if (s.file_size_display_type != 1 && s.file_size_display_type != 2) {
    s.file_size_display_type = 3;
  }
  s.folder_anchors = flag(L"folder_anchors", true);
  s.column_wise_sort = flag(L"column_wise_sort", true);
  s.show_folder_names = flag(L"show_folder_names", true);
  s.suppress_visible_links = flag(L"suppress_visible_links", false);
  s.sort_folders_first = flag(L"sort_folders_first", true);
  s.folder_columns2 = read_with_older_key(store, L"folder_columns2", L"folder_columns", 4);
  s.anchor_columns2 = read_with_older_key(store, L"anchor_columns2", L"anchor_columns", 1);
  s.file_columns2 = read_with_older_key(store, L"file_columns2", L"file_columns", 4);
  s.folder_chars = read_with_older_key(store, L"folder_chars", L"folder_chars", 0);
  s.anchor_chars2 = read_with_older_key(store, L"anchor_chars2", L"anchor_chars", 0);
  s.sort_type = text(L"sort_type", L"N+");
  const sort_spec spec = parse_sort_type(s.sort_type);
  s.sort_kind = spec.kind;
  s.sort_descending = spec.descending;
  s.file_spec = text(L"file_spec", L"*.*");
  s.output_filename = text(L"output_filename", L"index.html");
  s.title = text(L"title", L"%%DIR");
  if (s.title.empty()) s.title = L"%%DIR";
  s.replace_latin_chars = flag(L"replace_latin_chars", true);
  s.path = text(L"path", L".");
  if (s.path == L".") s.path = current_directory_for_path(context);
  s.date_modified = text(L"date_modified", L"");
  parse_date_range(s.date_modified, s.dates);
  s.date_modified_delimited = text(L"date_modified_delimited", L"");
  s.folders = text(L"folders", L"");
  s.file_spec_list = text(L"file_spec_list", L"");
  s.include_filesize = flag(L"include_filesize", true);
  s.include_subfolders = flag(L"include_subfolders", false);
  s.include_date = flag(L"include_date", false);
  s.include_summary = flag(L"include_summary", false);
  s.supress_headers = flag(L"supress_headers", false);
  s.supress_parent_link = flag(L"supress_parent_link", true);
  s.suppress_extensions = flag(L"suppress_extensions", false);
  s.full_pathname_links = flag(L"full_pathname_links", false);
  s.custom_html_filename = program_file(L"custom_html_filename", kDefaultScript);
  s.scripts_list = program_file(L"scripts_list", kDefaultScriptsList);
  s.skipped_folders_list = text(L"skipped_folders_list", L"");
  s.files_include_list = text(L"files_include_list", L"");
  s.files_exclude_list = text(L"files_exclude_list", L"");
  s.title_list = text(L"title_list", L"");
  s.output_file_list = text(L"output_file_list", L"");
  s.skip_folders = text(L"skip_folders", L"");
  s.bytes_word = text(L"bytes_word", L"bytes");
  s.k_word = text(L"k_word", L"K");
  s.megabytes_word = text(L"megabytes_word", L"MB&nbsp;");
  s.gigabytes_word = text(L"gigabytes_word", L"GB&nbsp;");
  s.folder_word = text(L"folder_word", L"<b>Folders</b>");
  s.filename_word = text(L"filename_word", L"<b>File</b>");
  s.size_word = text(L"size_word", L"<b>Size</b>");
  s.date_word = text(L"date_word", L"<b>Date</b>");
  s.anchor_word = text(L"anchor_word", L"<b>Anchors</b>");
  s.parent_word = text(L"parent_word", L"&lt;parent&gt;");
  s.root_anchor_word = text(L"root_anchor_word", L"&lt;root&gt;");
  s.summary_files_word = text(L"summary_files_word", L"Files: ");
  s.summary_folders_word = text(L"summary_folders_word", L"Folders: ");
  s.summary_size_word = text(L"summary_size_word", L"Size of all files: ");
  s.folder_sort_word = text(L"folder_sort_word", L"");
  s.file_header_word = text(L"file_header_word", L"");
  s.use_html_titles_for_links = flag(L"use_html_titles_for_links", false);
  s.use_file_table_script_elements = flag(L"use_file_table_script_elements", false);
  s.include_time = s.include_date ? flag(L"include_time", false) : 0;
  s.charset = charset_from_keyword(text(L"charset", L"NONE"));
  s.doctype = doctype_from_keyword(text(L"doctype", L"html"));
  s.insert_commas = flag(L"insert_commas", true);
  s.non_functional_links = flag(L"non_functional_links", false);
  s.euro_separator = text(L"euro_separator", L"/");
  s.max_file_chars2 = read_with_older_key(store, L"max_file_chars2", L"max_file_chars", 0);

  // Older main files carried the language file; such a value wins once and
  // moves to the preferences when the configuration is written.
  const bool language_in_main = store.has(L"language_file");
  if (language_in_main) {
    s.language_file = program_file_name(store.get_string(L"language_file", L""));
    store.remove(L"language_file");
  }
  read_preferences(s, context, language_in_main);
  finish_date_range(s);
  return status;
}

config_status write_configuration(const build_settings& s, ini_store& store,
                                  const std::wstring& file, const config_context& context,
                                  const config_write_extras& extras) {
  config_status status;
  status.path = resolve_for_writing(file, context.program_folder);

  if (extras.interface_font) {
    ini_store fonts;
    fonts.load(resolve_in_program_folder(L"font.init", context.program_folder), kConfigSection);
    fonts.set_font(L"Font", *extras.interface_font, extras.pixels_per_inch);
    fonts.save(resolve_for_writing(L"font.init", context.program_folder));
  }

  auto flag = [&](const wchar_t* key, int32_t value) { store.set_bool(key, value != 0); };
  auto number = [&](const wchar_t* key, int32_t value) { store.set_int(key, value); };
  auto text = [&](const wchar_t* key, const std::wstring& value) { store.set_string(key, value); };

  number(L"active_page", s.active_page);
  number(L"number_format", s.number_format);
  flag(L"suppress_name_size_tr", s.suppress_name_size_tr);
  number(L"time_dropdown", s.time_dropdown);
  number(L"date_dropdown", s.date_dropdown);
  text(L"file_sizes", s.file_sizes);
  text(L"file_sizes_delimited", s.file_sizes_delimited);
  flag(L"process_root_with_included_folders", s.process_root_with_included_folders);
  flag(L"use_primary_script_always", s.use_primary_script_always);
  flag(L"repeat_anchor_headers", s.repeat_anchor_headers);
  flag(L"full_anchor_text", s.full_anchor_text);
  number(L"max_search_depth2", s.max_search_depth2);
  number(L"max_anchor_depth", s.max_anchor_depth);
  flag(L"rectangular_tables", s.rectangular_tables);
  flag(L"force_framed_settings", s.force_framed_settings);
  flag(L"recursive_build", s.recursive_build);
  // Without the Recursive page open the older key mirrors the build type.
  flag(L"multi_recurse_link", s.recursive_build_single_file);
  flag(L"recursive_build_single_file", s.recursive_build_single_file);
  flag(L"build_framed_site", s.build_framed_site);
  flag(L"anchors_use_backslash", s.anchors_use_backslash);
  text(L"filename_include_strings", s.filename_include_strings);
  flag(L"multi_recurse_skip_root", s.multi_recurse_skip_root);
  text(L"multi_recurse_title", title_keyword(s.multi_recurse_title));
  flag(L"recurse_link_folders_to_default_filename", s.recurse_link_folders_to_default_filename);
  text(L"left_frame_file", s.left_frame_file);
  text(L"right_frame_file", s.right_frame_file);
  text(L"frameset_file", s.frameset_file);
  text(L"skip_files", s.skip_files);
  text(L"included_folders_delimited", s.included_folders_delimited);
  text(L"included_folders", s.included_folders);
  number(L"file_size_display_type", s.file_size_display_type);
  flag(L"folder_anchors", s.folder_anchors);
  flag(L"column_wise_sort", s.column_wise_sort);
  flag(L"show_folder_names", s.show_folder_names);
  flag(L"suppress_visible_links", s.suppress_visible_links);
  flag(L"sort_folders_first", s.sort_folders_first);
  number(L"folder_columns2", s.folder_columns2);
  number(L"anchor_columns2", s.anchor_columns2);
  number(L"file_columns2", s.file_columns2);
  number(L"folder_chars", s.folder_chars);
  number(L"anchor_chars2", s.anchor_chars2);
  text(L"sort_type", s.sort_type);
  text(L"file_spec", s.file_spec);
  text(L"output_filename", s.output_filename);
  text(L"title", s.title);
  flag(L"replace_latin_chars", s.replace_latin_chars);
  text(L"path", s.path);
  text(L"date_modified", s.date_modified);
  text(L"date_modified_delimited", s.date_modified_delimited);
  text(L"folders", s.folders);
  text(L"file_spec_list", s.file_spec_list);
  flag(L"include_filesize", s.include_filesize);
  flag(L"include_subfolders", s.include_subfolders);
  flag(L"include_date", s.include_date);
  flag(L"include_summary", s.include_summary);
  flag(L"supress_headers", s.supress_headers);
  flag(L"supress_parent_link", s.supress_parent_link);
  flag(L"suppress_extensions", s.suppress_extensions);
  flag(L"full_pathname_links", s.full_pathname_links);
  text(L"custom_html_filename", s.custom_html_filename);
  text(L"scripts_list", s.scripts_list);
  text(L"skipped_folders_list", s.skipped_folders_list);
  text(L"files_include_list", s.files_include_list);
  text(L"files_exclude_list", s.files_exclude_list);
  text(L"title_list", s.title_list);
  text(L"output_file_list", s.output_file_list);
  text(L"skip_folders", s.skip_folders);
  flag(L"use_html_titles_for_links", s.use_html_titles_for_links);
  flag(L"use_file_table_script_elements", s.use_file_table_script_elements);
  flag(L"include_time", s.include_time);
  text(L"charset", charset_keyword(s.charset));
  text(L"doctype", doctype_keyword(s.doctype));
  flag(L"insert_commas", s.insert_commas);
  flag(L"non_functional_links", s.non_functional_links);
  text(L"euro_separator", s.euro_separator);
  number(L"max_file_chars2", s.max_file_chars2);
  store.remove(L"sizes_by_k");

  ini_store general;
  general.load(resolve_in_program_folder(L"general.init", context.program_folder), kConfigSection);
  if (extras.placement) general.set_window_placement(L"WindowPlacement", *extras.placement);
  general.set_string(L"default_text_editor", s.default_text_editor);
  general.set_string(L"default_browser", s.default_browser);
  general.set_string(L"language_file", s.language_file);
  general.set_string(L"browsers_list", s.browsers_list);
  general.set_string(L"text_editors_list", s.text_editors_list);
  general.save(resolve_for_writing(L"general.init", context.program_folder));
  flag(L"autolaunch_batch_file", s.autolaunch_batch_file);

  text(L"bytes_word", s.bytes_word);
  text(L"k_word", s.k_word);
  text(L"megabytes_word", s.megabytes_word);
  text(L"gigabytes_word", s.gigabytes_word);
  text(L"folder_word", s.folder_word);
  text(L"filename_word", s.filename_word);
  text(L"size_word", s.size_word);
  text(L"date_word", s.date_word);
  text(L"anchor_word", s.anchor_word);
  text(L"parent_word", s.parent_word);
  text(L"root_anchor_word", s.root_anchor_word);
  text(L"summary_files_word", s.summary_files_word);
  text(L"summary_folders_word", s.summary_folders_word);
  text(L"summary_size_word", s.summary_size_word);
  text(L"folder_sort_word", s.folder_sort_word);
  text(L"file_header_word", s.file_header_word);
  text(L"version", kProgramVersion);

  for (const wchar_t* older :
       {L"anchor_chars", L"anchor_columns", L"file_columns", L"folder_columns"}) {
    store.remove(older);
  }
  status.ok = store.save(status.path, &status.reason);
  return status;
}

std::wstring command_line_config_path(const std::wstring& name, const config_context& context) {
  const path_style style = native_path_style();
  std::wstring described = resolve_in_program_folder(name, context.program_folder, style);
  if (is_absolute_path(name, style) || context.current_directory.empty() ||
      path_exists(described)) {
    return described;
  }
  std::wstring here = context.current_directory;
  if (here.back() != style.separator) here.push_back(style.separator);
  here += with_native_separators(name, style);
  return path_exists(here) ? here : described;
}

interface_fonts read_interface_font(const config_context& context, int pixels_per_inch) {
  interface_fonts fonts;
  fonts.text = default_interface_font(pixels_per_inch);
  ini_store store;
  if (load_with_fallback(store, context, L"font.init", L"font.ini")) {
    fonts.stored = store.get_font(L"Font", fonts.text, pixels_per_inch);
  }
  fonts.heading = heading_font(fonts.text);
  return fonts;
}

std::optional<window_placement_record> read_window_placement(const config_context& context,
                                                             int screen_width, int screen_height) {
  ini_store general;
  window_placement_record placement;
  if (!load_with_fallback(general, context, L"general.init", L"general.ini")) return std::nullopt;
  if (!general.get_window_placement(L"WindowPlacement", placement, screen_width, screen_height)) {
    return std::nullopt;
  }
  return placement;
}

}  // namespace tabulon
