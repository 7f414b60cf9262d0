#include "ui/option_controls.h"

#include "engine/sort_spec.h"
#include "ui/history_list.h"

namespace tabulon {
namespace {

using bs = build_settings;
using op = option_page;
using wc = window_command;
using ck = control_kind;
using t = ui_text;

constexpr int kNumberMax = 99999;

option_control history(op page, std::wstring_view name, t label, std::wstring bs::*text,
                       std::wstring bs::*list) {
  option_control c{page, name, ck::history_box, label};
  c.text = text;
  c.history = list;
  return c;
}
option_control history_button(op page, std::wstring_view name, t label, t tip,
                              std::wstring bs::*text, std::wstring bs::*list, wc command) {
  option_control c = history(page, name, label, text, list);
  c.tip = tip;
  c.has_command = true;
  c.command = command;
  return c;
}
option_control text_box(op page, std::wstring_view name, t label, std::wstring bs::*text) {
  option_control c{page, name, ck::text_box, label};
  c.text = text;
  return c;
}
option_control check(op page, std::wstring_view name, t label, int32_t bs::*field) {
  option_control c{page, name, ck::check, label};
  c.number = field;
  return c;
}
option_control choice(op page, std::wstring_view name, t label, int32_t bs::*field,
                      choice_list list) {
  option_control c{page, name, ck::choice, label};
  c.number = field;
  c.list = list;
  return c;
}
option_control number(op page, std::wstring_view name, t label, int32_t bs::*field) {
  option_control c{page, name, ck::number, label};
  c.number = field;
  c.minimum = 0;
  c.maximum = kNumberMax;
  return c;
}
option_control button(op page, std::wstring_view name, t label, wc command) {
  option_control c{page, name, ck::button, label};
  c.has_command = true;
  c.command = command;
  return c;
}
// The "Edit it" buttons of the frame scripts; their text item has no tooltip.
option_control edit_it(std::wstring_view name, wc command) {
  option_control c = button(op::recursive, name, t::recursive_edit_code_button, command);
  c.fixed_tip = L"Opens the frame script in the text editor";
  return c;
}

// The unit word "K" has no item in language files; its caption stays English.
option_control k_word_box() {
  option_control c = text_box(op::default_words, L"k_word", kNoText, &bs::k_word);
  c.fixed_label = L"&K:";
  c.fixed_tip = L"Multiples of one kilobyte";
  return c;
}

const std::vector<option_control>& table() {
  static const std::vector<option_control> controls = {
      // Folders, Files
      history_button(op::folders_files, L"path", t::folders_files_folder,
                     t::folders_files_folder_text, &bs::path, &bs::folders, wc::choose_root_folder),
      history(op::folders_files, L"file_spec", t::folders_files_file_spec, &bs::file_spec,
              &bs::file_spec_list),
      history_button(op::folders_files, L"output_filename", t::folders_files_output_file_button,
                     t::folders_files_output_file_string, &bs::output_filename,
                     &bs::output_file_list, wc::choose_output_file),
      history(op::folders_files, L"filename_include_strings", t::folders_files_include,
              &bs::filename_include_strings, &bs::files_include_list),
      history(op::folders_files, L"skip_files", t::folders_files_exclude, &bs::skip_files,
              &bs::files_exclude_list),
      history(op::folders_files, L"title", t::folders_files_title, &bs::title, &bs::title_list),
      history(op::folders_files, L"date_modified", t::folders_files_date_modified,
              &bs::date_modified, &bs::date_modified_delimited),
      history(op::folders_files, L"file_sizes", t::folders_files_file_sizes, &bs::file_sizes,
              &bs::file_sizes_delimited),
      history_button(op::folders_files, L"custom_html_filename", t::folders_files_script_button,
                     t::folders_files_script_string, &bs::custom_html_filename, &bs::scripts_list,
                     wc::choose_script),
      button(op::folders_files, L"edit_script", t::folders_files_edit_script_button,
             wc::edit_script),
      history_button(op::folders_files, L"skip_folders", t::folders_files_skipped_folders_button,
                     t::folders_files_skipped_folders_string, &bs::skip_folders,
                     &bs::skipped_folders_list, wc::choose_skipped_folder),
      history_button(op::folders_files, L"included_folders",
                     t::folders_files_include_folders_button,
                     t::folders_files_include_folders_button, &bs::included_folders,
                     &bs::included_folders_delimited, wc::choose_included_folder),
      check(op::folders_files, L"process_root_with_included_folders",
            t::folders_files_process_root_with_include_folders,
            &bs::process_root_with_included_folders),

      // Miscellaneous
      check(op::miscellaneous, L"include_filesize", t::miscellaneous_file_size,
            &bs::include_filesize),
      check(op::miscellaneous, L"insert_commas", t::miscellaneous_insert_commas,
            &bs::insert_commas),
      choice(op::miscellaneous, L"file_size_display_type", t::miscellaneous_file_sizes_display,
             &bs::file_size_display_type, choice_list::size_units),
      check(op::miscellaneous, L"include_date", t::miscellaneous_file_date, &bs::include_date),
      check(op::miscellaneous, L"include_time", t::miscellaneous_file_time, &bs::include_time),
      check(op::miscellaneous, L"suppress_extensions", t::miscellaneous_suppress_extensions,
            &bs::suppress_extensions),
      check(op::miscellaneous, L"include_subfolders", t::miscellaneous_folder_table,
            &bs::include_subfolders),
      check(op::miscellaneous, L"supress_headers", t::miscellaneous_suppress_headers,
            &bs::supress_headers),
      check(op::miscellaneous, L"rectangular_tables", t::miscellaneous_force_rectangular_tables,
            &bs::rectangular_tables),
      check(op::miscellaneous, L"suppress_visible_links", t::miscellaneous_suppress_visible,
            &bs::suppress_visible_links),
      check(op::miscellaneous, L"include_summary", t::miscellaneous_summary_stats,
            &bs::include_summary),
      check(op::miscellaneous, L"anchors_use_backslash", t::miscellaneous_backslashes,
            &bs::anchors_use_backslash),
      check(op::miscellaneous, L"use_html_titles_for_links", t::miscellaneous_html_title_as_link,
            &bs::use_html_titles_for_links),
      check(op::miscellaneous, L"full_pathname_links", t::miscellaneous_fully_qualified_path,
            &bs::full_pathname_links),
      check(op::miscellaneous, L"replace_latin_chars", t::miscellaneous_convert_latin,
            &bs::replace_latin_chars),
      check(op::miscellaneous, L"non_functional_links", t::miscellaneous_non_functional_links,
            &bs::non_functional_links),
      check(op::miscellaneous, L"supress_parent_link", t::miscellaneous_suppress_parent,
            &bs::supress_parent_link),
      check(op::miscellaneous, L"suppress_name_size_tr",
            t::miscellaneous_supress_name_size_date_rows, &bs::suppress_name_size_tr),
      check(op::miscellaneous, L"full_anchor_text", t::miscellaneous_full_anchor_text,
            &bs::full_anchor_text),
      check(op::miscellaneous, L"use_file_table_script_elements",
            t::miscellaneous_use_file_table_script_elements, &bs::use_file_table_script_elements),
      choice(op::miscellaneous, L"time_dropdown", t::miscellaneous_time_format, &bs::time_dropdown,
             choice_list::time_format),
      choice(op::miscellaneous, L"number_format", t::miscellaneous_number_format,
             &bs::number_format, choice_list::number_format),
      choice(op::miscellaneous, L"date_dropdown", t::miscellaneous_date_format, &bs::date_dropdown,
             choice_list::date_format),
      text_box(op::miscellaneous, L"euro_separator", t::miscellaneous_euro_separator,
               &bs::euro_separator),
      choice(op::miscellaneous, L"doctype", t::miscellaneous_doctype_, &bs::doctype,
             choice_list::doctype),
      choice(op::miscellaneous, L"charset", t::miscellaneous_charset, &bs::charset,
             choice_list::charset),
      number(op::miscellaneous, L"max_file_chars2", t::miscellaneous_max_file_chars,
             &bs::max_file_chars2),
      number(op::miscellaneous, L"anchor_chars2", t::miscellaneous_anchor_chars,
             &bs::anchor_chars2),
      number(op::miscellaneous, L"folder_chars", t::miscellaneous_folder_chars, &bs::folder_chars),
      number(op::miscellaneous, L"file_columns2", t::miscellaneous_file_columns,
             &bs::file_columns2),
      number(op::miscellaneous, L"anchor_columns2", t::miscellaneous_anchor_columns,
             &bs::anchor_columns2),
      number(op::miscellaneous, L"folder_columns2", t::miscellaneous_folder_columns,
             &bs::folder_columns2),

      // Sorting
      option_control{op::sorting, L"sort_type", ck::sort_group, t::sorting_sort_by},
      check(op::sorting, L"sort_folders_first", t::sorting_sort_by_folder, &bs::sort_folders_first),
      check(op::sorting, L"column_wise_sort", t::sorting_sort_by_column, &bs::column_wise_sort),

      // Default Words
      text_box(op::default_words, L"file_header_word", t::default_words_files,
               &bs::file_header_word),
      text_box(op::default_words, L"folder_word", t::default_words_folders, &bs::folder_word),
      text_box(op::default_words, L"filename_word", t::default_words_filename, &bs::filename_word),
      text_box(op::default_words, L"size_word", t::default_words_size, &bs::size_word),
      text_box(op::default_words, L"date_word", t::default_words_date, &bs::date_word),
      text_box(op::default_words, L"parent_word", t::default_words_parent_folder, &bs::parent_word),
      text_box(op::default_words, L"anchor_word", t::default_words_folder_anchors,
               &bs::anchor_word),
      text_box(op::default_words, L"root_anchor_word", t::default_words_root_anchor,
               &bs::root_anchor_word),
      text_box(op::default_words, L"summary_folders_word", t::default_words_total_folders,
               &bs::summary_folders_word),
      text_box(op::default_words, L"summary_files_word", t::default_words_total_files,
               &bs::summary_files_word),
      text_box(op::default_words, L"summary_size_word", t::default_words_size_of_all_files,
               &bs::summary_size_word),
      text_box(op::default_words, L"folder_sort_word", t::default_words_sorted_folder_prefix,
               &bs::folder_sort_word),
      text_box(op::default_words, L"bytes_word", t::default_words_bytes, &bs::bytes_word),
      k_word_box(),
      text_box(op::default_words, L"megabytes_word", t::default_words_megabytes,
               &bs::megabytes_word),
      text_box(op::default_words, L"gigabytes_word", t::default_words_gigabytes,
               &bs::gigabytes_word),
      button(op::default_words, L"restore_default_words", t::default_words_restore_defaults,
             wc::restore_default_words),

      // Recursive
      check(op::recursive, L"recursive_build", t::recursive_build_recursively,
            &bs::recursive_build),
      number(op::recursive, L"max_search_depth2", t::recursive_max_search_depth,
             &bs::max_search_depth2),
      number(op::recursive, L"max_anchor_depth", t::recursive_max_anchor_depth,
             &bs::max_anchor_depth),
      option_control{op::recursive, L"build_type", ck::build_type_group,
                     t::recursive_build_type_box},
      check(op::recursive, L"show_folder_names", t::recursive_show_sorted_folders,
            &bs::show_folder_names),
      check(op::recursive, L"repeat_anchor_headers", t::recursive_repeat_header,
            &bs::repeat_anchor_headers),
      check(op::recursive, L"folder_anchors", t::recursive_create_anchor_table,
            &bs::folder_anchors),
      choice(op::recursive, L"multi_recurse_title", t::recursive_html_title,
             &bs::multi_recurse_title, choice_list::page_title),
      check(op::recursive, L"multi_recurse_skip_root", t::recursive_dont_build_in_root,
            &bs::multi_recurse_skip_root),
      check(op::recursive, L"recurse_link_folders_to_default_filename", t::recursive_link_folders,
            &bs::recurse_link_folders_to_default_filename),
      check(op::recursive, L"force_framed_settings", t::recursive_force_framed_settings,
            &bs::force_framed_settings),
      text_box(op::recursive, L"frameset_file", t::recursive_frameset_code, &bs::frameset_file),
      edit_it(L"edit_frameset", wc::edit_frameset),
      text_box(op::recursive, L"left_frame_file", t::recursive_left_frame_code,
               &bs::left_frame_file),
      edit_it(L"edit_left_frame", wc::edit_left_frame),
      text_box(op::recursive, L"right_frame_file", t::recursive_right_frame_code,
               &bs::right_frame_file),
      edit_it(L"edit_right_frame", wc::edit_right_frame),
      button(op::recursive, L"default_frameset_files", t::recursive_restore_default_frameset_files,
             wc::default_frameset_files),
      check(op::recursive, L"use_primary_script_always", t::recursive_use_primary_script,
            &bs::use_primary_script_always),

      // Input/Output
      button(op::input_output, L"launch_output", t::input_output_launch_output_file,
             wc::launch_output),
      button(op::input_output, L"edit_script_io", t::input_output_edit_script, wc::edit_script),
      button(op::input_output, L"save_batch_file", t::input_output_save_batch_file,
             wc::save_batch_file),
      check(op::input_output, L"autolaunch_batch_file", t::input_output_autolaunch_bat_file,
            &bs::autolaunch_batch_file),
      button(op::input_output, L"read_config", t::input_output_read_config_file, wc::read_config),
      button(op::input_output, L"write_config", t::input_output_write_config_file,
             wc::write_config),
      button(op::input_output, L"load_language", t::input_output_load_language_file,
             wc::load_language),
      button(op::input_output, L"load_font", t::input_output_load_font, wc::load_font),
      history_button(op::input_output, L"default_browser", t::input_output_web_browser,
                     t::input_output_web_browser, &bs::default_browser, &bs::browsers_list,
                     wc::choose_browser),
      history_button(op::input_output, L"default_text_editor", t::input_output_text_editor,
                     t::input_output_text_editor, &bs::default_text_editor, &bs::text_editors_list,
                     wc::choose_editor),
  };
  return controls;
}

constexpr sort_button sort_buttons[] = {
    {ui_text::sorting_filename, sort_by_name},      {ui_text::sorting_size, sort_by_size},
    {ui_text::sorting_date, sort_by_date},          {ui_text::sorting_extension, sort_by_extension},
    {ui_text::sorting_last_access, sort_by_access}, {ui_text::sorting_random, sort_random},
    {ui_text::sorting_unsorted, sort_unsorted},
};

int sort_button_index(int32_t kind) {
  for (size_t i = 0; i < std::size(sort_buttons); ++i)
    if (sort_buttons[i].kind == kind) return static_cast<int>(i);
  return 0;
}

}  // namespace

std::span<const option_control> option_controls() {
  return table();
}

const option_control* find_control(std::wstring_view name) {
  for (const option_control& control : table())
    if (control.name == name) return &control;
  return nullptr;
}

std::span<const sort_button> sort_type_buttons() {
  return sort_buttons;
}

std::wstring control_label(const option_control& control, const interface_text_table& texts) {
  if (control.label == kNoText) return std::wstring(control.fixed_label);
  return texts.text(control.label);
}

std::wstring control_tip(const option_control& control, const interface_text_table& texts) {
  const ui_text item = control.tip != kNoText ? control.tip : control.label;
  if (item == kNoText || texts.help(item).empty()) return std::wstring(control.fixed_tip);
  return texts.help(item);
}

control_value read_control(const option_control& control, const build_settings& settings,
                           const interface_text_table& texts) {
  (void)texts;
  control_value value;
  switch (control.kind) {
    case ck::history_box:
      value.history = split_history(settings.*control.history);
      [[fallthrough]];
    case ck::text_box:
      value.text = settings.*control.text;
      break;
    case ck::check:
      value.number = settings.*control.number != 0 ? 1 : 0;
      break;
    case ck::number:
      value.number = settings.*control.number;
      break;
    case ck::choice:
      value.number = choice_index(control.list, settings.*control.number);
      break;
    case ck::sort_group: {
      const sort_spec spec = parse_sort_type(settings.sort_type);
      value.number = sort_button_index(spec.kind);
      value.second = spec.descending ? 1 : 0;
      break;
    }
    case ck::build_type_group:
      value.number = settings.build_framed_site ? 2 : settings.recursive_build_single_file ? 1 : 0;
      break;
    case ck::button:
      break;
  }
  return value;
}

void write_control(const option_control& control, const control_value& value,
                   build_settings& settings) {
  switch (control.kind) {
    case ck::history_box:
      settings.*control.history = join_history(value.history);
      [[fallthrough]];
    case ck::text_box:
      settings.*control.text = value.text;
      break;
    case ck::check:
      settings.*control.number = value.number != 0 ? 1 : 0;
      break;
    case ck::number:
      settings.*control.number = value.number;
      break;
    case ck::choice:
      settings.*control.number = choice_code(control.list, value.number);
      break;
    case ck::sort_group: {
      const int index =
          value.number >= 0 && value.number < static_cast<int>(std::size(sort_buttons))
              ? value.number
              : 0;
      const int32_t kind = sort_buttons[static_cast<size_t>(index)].kind;
      settings.sort_type = format_sort_type(kind, value.second != 0);
      const sort_spec spec = parse_sort_type(settings.sort_type);
      settings.sort_kind = spec.kind;
      settings.sort_descending = spec.descending;
      break;
    }
    case ck::build_type_group:
      // The framed site keeps the all-in-one flag as it was: only the third
      // button decides about frames.
      settings.build_framed_site = value.number == 2 ? 1 : 0;
      if (value.number == 0) settings.recursive_build_single_file = 0;
      if (value.number == 1) settings.recursive_build_single_file = 1;
      break;
    case ck::button:
      break;
  }
}

}  // namespace tabulon
