#include "ui/option_controls.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tabulon {
namespace {

// Every setting the pages edit, by key. A setting left out of the table, or
// edited by two controls, shows up here.
const std::set<std::wstring> edited_keys = {L"path",
                                            L"folders",
                                            L"file_spec",
                                            L"file_spec_list",
                                            L"output_filename",
                                            L"output_file_list",
                                            L"filename_include_strings",
                                            L"files_include_list",
                                            L"skip_files",
                                            L"files_exclude_list",
                                            L"title",
                                            L"title_list",
                                            L"date_modified",
                                            L"date_modified_delimited",
                                            L"file_sizes",
                                            L"file_sizes_delimited",
                                            L"custom_html_filename",
                                            L"scripts_list",
                                            L"skip_folders",
                                            L"skipped_folders_list",
                                            L"included_folders",
                                            L"included_folders_delimited",
                                            L"process_root_with_included_folders",
                                            L"include_filesize",
                                            L"insert_commas",
                                            L"file_size_display_type",
                                            L"include_date",
                                            L"include_time",
                                            L"suppress_extensions",
                                            L"include_subfolders",
                                            L"supress_headers",
                                            L"rectangular_tables",
                                            L"suppress_visible_links",
                                            L"include_summary",
                                            L"anchors_use_backslash",
                                            L"use_html_titles_for_links",
                                            L"full_pathname_links",
                                            L"replace_latin_chars",
                                            L"non_functional_links",
                                            L"supress_parent_link",
                                            L"time_dropdown",
                                            L"number_format",
                                            L"date_dropdown",
                                            L"euro_separator",
                                            L"suppress_name_size_tr",
                                            L"full_anchor_text",
                                            L"doctype",
                                            L"charset",
                                            L"max_file_chars2",
                                            L"anchor_chars2",
                                            L"folder_chars",
                                            L"file_columns2",
                                            L"anchor_columns2",
                                            L"folder_columns2",
                                            L"use_file_table_script_elements",
                                            L"sort_type",
                                            L"sort_folders_first",
                                            L"column_wise_sort",
                                            L"file_header_word",
                                            L"folder_word",
                                            L"filename_word",
                                            L"size_word",
                                            L"date_word",
                                            L"parent_word",
                                            L"anchor_word",
                                            L"root_anchor_word",
                                            L"summary_folders_word",
                                            L"summary_files_word",
                                            L"summary_size_word",
                                            L"folder_sort_word",
                                            L"bytes_word",
                                            L"k_word",
                                            L"megabytes_word",
                                            L"gigabytes_word",
                                            L"recursive_build",
                                            L"max_search_depth2",
                                            L"max_anchor_depth",
                                            L"build_framed_site",
                                            L"recursive_build_single_file",
                                            L"show_folder_names",
                                            L"repeat_anchor_headers",
                                            L"folder_anchors",
                                            L"multi_recurse_title",
                                            L"multi_recurse_skip_root",
                                            L"recurse_link_folders_to_default_filename",
                                            L"force_framed_settings",
                                            L"frameset_file",
                                            L"left_frame_file",
                                            L"right_frame_file",
                                            L"use_primary_script_always",
                                            L"autolaunch_batch_file",
                                            L"default_browser",
                                            L"browsers_list",
                                            L"default_text_editor",
                                            L"text_editors_list"};

// Which keys a control edits, found by changing its value and looking at
// what changed in the settings: the table cannot claim one field and edit another.
std::set<std::wstring> keys_changed(const build_settings& before, const build_settings& after);

// Every field of the settings, for keys_changed.
// clang-format off
#define TABULON_FIELDS(X) \
  X(path) X(folders) X(file_spec) X(file_spec_list) X(output_filename) X(output_file_list)  \
  X(filename_include_strings) X(files_include_list) X(skip_files) X(files_exclude_list)     \
  X(title) X(title_list) X(date_modified) X(date_modified_delimited) X(file_sizes)          \
  X(file_sizes_delimited) X(custom_html_filename) X(scripts_list) X(skip_folders)           \
  X(skipped_folders_list) X(included_folders) X(included_folders_delimited)                 \
  X(process_root_with_included_folders) X(include_filesize) X(insert_commas)                \
  X(file_size_display_type) X(include_date) X(include_time) X(suppress_extensions)          \
  X(include_subfolders) X(supress_headers) X(rectangular_tables) X(suppress_visible_links)  \
  X(include_summary) X(anchors_use_backslash) X(use_html_titles_for_links)                  \
  X(full_pathname_links) X(replace_latin_chars) X(non_functional_links)                     \
  X(supress_parent_link) X(time_dropdown) X(number_format) X(date_dropdown)                 \
  X(euro_separator) X(suppress_name_size_tr) X(full_anchor_text) X(doctype) X(charset)      \
  X(max_file_chars2) X(anchor_chars2) X(folder_chars) X(file_columns2) X(anchor_columns2)   \
  X(folder_columns2) X(use_file_table_script_elements) X(sort_type) X(sort_folders_first)   \
  X(column_wise_sort) X(file_header_word) X(folder_word) X(filename_word) X(size_word)      \
  X(date_word) X(parent_word) X(anchor_word) X(root_anchor_word) X(summary_folders_word)    \
  X(summary_files_word) X(summary_size_word) X(folder_sort_word) X(bytes_word) X(k_word)    \
  X(megabytes_word) X(gigabytes_word) X(recursive_build) X(max_search_depth2)               \
  X(max_anchor_depth) X(build_framed_site) X(recursive_build_single_file)                   \
  X(show_folder_names) X(repeat_anchor_headers) X(folder_anchors) X(multi_recurse_title)    \
  X(multi_recurse_skip_root) X(recurse_link_folders_to_default_filename)                    \
  X(force_framed_settings) X(frameset_file) X(left_frame_file) X(right_frame_file)          \
  X(use_primary_script_always) X(autolaunch_batch_file) X(default_browser) X(browsers_list) \
  X(default_text_editor) X(text_editors_list) X(sort_kind) X(sort_descending)               \
  X(active_page) X(language_file) X(multi_recurse_link) X(sizes_by_k) X(time_24hr)
// clang-format on

std::set<std::wstring> keys_changed(const build_settings& a, const build_settings& b) {
  std::set<std::wstring> changed;
#define TABULON_COMPARE(field) \
  if (a.field != b.field) changed.insert(L## #field);
  TABULON_FIELDS(TABULON_COMPARE)
#undef TABULON_COMPARE
  return changed;
}

// A value different from what read_control gives for the defaults.
control_value changed_value(const option_control& c, control_value v) {
  switch (c.kind) {
    case control_kind::history_box:
      v.history.insert(v.history.begin(), L"other entry");
      [[fallthrough]];
    case control_kind::text_box:
      v.text += L"x";
      break;
    case control_kind::check:
      v.number = 1 - v.number;
      break;
    case control_kind::number:
      v.number += 7;
      break;
    case control_kind::choice:
      v.number = v.number == 1 ? 2 : 1;
      break;
    case control_kind::sort_group:
      v.number = 3;
      v.second = 1;
      break;
    case control_kind::build_type_group:
      v.number = v.number == 2 ? 0 : 2;
      break;
    case control_kind::button:
      break;
  }
  return v;
}

TEST(option_controls, every_edited_setting_is_in_the_table_exactly_once) {
  const interface_text_table texts;
  std::map<std::wstring, int> edits;
  for (const option_control& c : option_controls()) {
    if (c.kind == control_kind::button) continue;
    build_settings before;
    before.recursive_build_single_file = 1;  // leaving the framed site changes both flags
    before.build_framed_site = 1;
    build_settings after = before;
    write_control(c, changed_value(c, read_control(c, before, texts)), after);
    const auto changed = keys_changed(before, after);
    EXPECT_FALSE(changed.empty()) << "control " << std::string(c.name.begin(), c.name.end());
    for (const std::wstring& key : changed) {
      if (key == L"sort_kind" || key == L"sort_descending") continue;  // parsed sort_type
      ++edits[key];
    }
  }
  for (const std::wstring& key : edited_keys)
    EXPECT_EQ(edits[key], 1) << std::string(key.begin(), key.end());
  for (const auto& [key, count] : edits)
    EXPECT_TRUE(edited_keys.count(key)) << "unexpected " << std::string(key.begin(), key.end());
}

TEST(option_controls, unchanged_values_write_back_the_same_settings) {
  const interface_text_table texts;
  build_settings s;
  s.folders = L"/a|/b";
  s.doctype = doctype_xhtml_strict;
  s.multi_recurse_title = title_relative;
  s.sort_type = L"D-";
  s.sort_kind = sort_by_date;
  s.sort_descending = 1;
  s.build_framed_site = 1;
  const build_settings original = s;
  for (const option_control& c : option_controls()) write_control(c, read_control(c, s, texts), s);
  EXPECT_TRUE(keys_changed(original, s).empty());
}

TEST(option_controls, every_control_has_a_label_and_a_tooltip_and_buttons_a_command) {
  const interface_text_table texts;
  std::set<std::wstring_view> names;
  for (const option_control& c : option_controls()) {
    const std::string name(c.name.begin(), c.name.end());
    EXPECT_TRUE(names.insert(c.name).second) << "twice: " << name;
    EXPECT_FALSE(control_label(c, texts).empty()) << name;
    // The groups carry their tooltips on their option buttons.
    if (c.kind != control_kind::sort_group && c.kind != control_kind::build_type_group) {
      EXPECT_FALSE(control_tip(c, texts).empty()) << name;
    }
    if (c.kind == control_kind::button) {
      EXPECT_TRUE(c.has_command) << name;
    }
    EXPECT_LT(static_cast<int>(c.page), static_cast<int>(option_page::about)) << name;
  }
  EXPECT_EQ(find_control(L"k_word")->fixed_label, L"&K:");
  EXPECT_EQ(find_control(L"nothing"), nullptr);
}

TEST(option_controls, list_settings_map_between_codes_and_positions) {
  const interface_text_table texts;
  build_settings s;
  s.doctype = doctype_html_strict;
  const option_control& doctype = *find_control(L"doctype");
  EXPECT_EQ(read_control(doctype, s, texts).number, 1);  // "HTML 4.01 Strict"
  control_value v;
  v.number = 3;  // "XHTML 1.0 Strict"
  write_control(doctype, v, s);
  EXPECT_EQ(s.doctype, doctype_xhtml_strict);

  s.file_size_display_type = 5;
  EXPECT_EQ(read_control(*find_control(L"file_size_display_type"), s, texts).number, 3);
  s.time_dropdown = 9;
  EXPECT_EQ(read_control(*find_control(L"time_dropdown"), s, texts).number, 7);
}

TEST(option_controls, history_boxes_carry_their_list) {
  const interface_text_table texts;
  build_settings s;
  s.path = L"/srv/www";
  s.folders = L"/srv/www|/home/me";
  const option_control& path = *find_control(L"path");
  control_value v = read_control(path, s, texts);
  EXPECT_EQ(v.text, L"/srv/www");
  ASSERT_EQ(v.history.size(), 2u);
  v.history.push_back(L"/tmp");
  write_control(path, v, s);
  EXPECT_EQ(s.folders, L"/srv/www|/home/me|/tmp");
  EXPECT_EQ(path.command, window_command::choose_root_folder);
}

TEST(option_controls, sort_buttons_give_type_and_direction) {
  const interface_text_table texts;
  const option_control& sort = *find_control(L"sort_type");
  build_settings s;
  s.sort_type = L"E-";
  control_value v = read_control(sort, s, texts);
  EXPECT_EQ(sort_type_buttons()[static_cast<size_t>(v.number)].kind, sort_by_extension);
  EXPECT_EQ(v.second, 1);
  v.number = 1;  // Size
  v.second = 0;
  write_control(sort, v, s);
  EXPECT_EQ(s.sort_type, L"S+");
  EXPECT_EQ(s.sort_kind, sort_by_size);
  EXPECT_EQ(s.sort_descending, 0);
  s.sort_type = L"Q=";  // "=" means unsorted
  EXPECT_EQ(sort_type_buttons()[static_cast<size_t>(read_control(sort, s, texts).number)].kind,
            sort_unsorted);
}

TEST(option_controls, build_type_buttons_set_the_two_flags) {
  const interface_text_table texts;
  const option_control& type = *find_control(L"build_type");
  build_settings s;
  s.build_framed_site = 1;
  s.recursive_build_single_file = 1;
  EXPECT_EQ(read_control(type, s, texts).number, 2);  // framed wins
  control_value v;
  v.number = 0;
  write_control(type, v, s);
  EXPECT_EQ(s.build_framed_site, 0);
  EXPECT_EQ(s.recursive_build_single_file, 0);
  v.number = 1;
  write_control(type, v, s);
  EXPECT_EQ(read_control(type, s, texts).number, 1);
  v.number = 2;
  write_control(type, v, s);
  EXPECT_EQ(s.build_framed_site, 1);
  EXPECT_EQ(s.recursive_build_single_file, 1);  // kept for when frames are switched off
}

}  // namespace
}  // namespace tabulon
