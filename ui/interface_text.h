#pragma once
// The interface text table: every text of the window that a language file can
// replace (captions, tooltips, page names, message and dialog texts, the title
// choices of the recursive page and the month names), each with its built-in
// English value. Plain data: the window reads it, the language-file loader
// fills it, nothing here draws.
//
// Items are listed in the order in which a language file is read; `group` is
// the path of element names from the root element `all` to the item's parent,
// "/"-separated ("misc_dialogs/feedback"). A text+help item has a caption and a
// tooltip; a data item has one value (kept in `text`, `help` stays empty).

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tabulon {

enum class text_kind { text_help, data };

// One identifier per item, in table order.
enum class ui_text : int {
  // main_window
  main_window_build_button,
  main_window_exit_button,
  main_window_help_button,
  // misc_dialogs/batch_file_created
  batch_file_created_title,
  batch_file_created_launch_text,
  // misc_dialogs/no_files_built
  no_files_built_title,
  no_files_built_caption,
  // misc_dialogs/bad_xml_file
  bad_xml_file_title,
  bad_xml_file_caption,
  // misc_dialogs/bad_frameset_file
  bad_frameset_file_data,
  // misc_dialogs/files_built
  files_built_title,
  files_built_files_created_string,
  files_built_launch_file_button,
  files_built_launch_root_file_button,
  files_built_delete_generated_button,
  files_built_close_button,
  files_built_launch_and_close_button,
  // misc_dialogs/feedback
  feedback_title,
  feedback_folder,
  feedback_file,
  feedback_built,
  feedback_cancel,
  feedback_links_processed,
  feedback_search_complete,
  feedback_sorting,
  feedback_column_sorting,
  feedback_links,
  feedback_saving_files,
  feedback_generating_anchors,
  // misc_dialogs/load_language
  load_language_load,
  load_language_restore,
  load_language_cancel,
  // misc_dialogs/deleted_files
  deleted_files_files_deleted,
  deleted_files_failed_deletions,
  deleted_files_deletion_results,
  // misc_dialogs/output_file_error
  output_file_error_output_file_not_found_title,
  output_file_error_output_file_not_found,
  // tree_control
  tree_folders_files,
  tree_miscellaneous,
  tree_sorting,
  tree_default_words,
  tree_recursive,
  tree_input_output,
  tree_about_tabulon,
  tree_license,
  tree_open_source,
  // folders_files
  folders_files_file_sizes,
  folders_files_date_modified,
  folders_files_process_root_with_include_folders,
  folders_files_add_button,
  folders_files_folder,
  folders_files_folder_text,
  folders_files_file_spec,
  folders_files_output_file_button,
  folders_files_output_file_string,
  folders_files_include,
  folders_files_exclude,
  folders_files_title,
  folders_files_script_button,
  folders_files_script_string,
  folders_files_edit_script_button,
  folders_files_skipped_folders_button,
  folders_files_skipped_folders_string,
  folders_files_include_folders_button,
  // miscellaneous
  miscellaneous_supress_name_size_date_rows,
  miscellaneous_number_format,
  miscellaneous_time_format,
  miscellaneous_date_format,
  miscellaneous_file_size,
  miscellaneous_file_date,
  miscellaneous_file_time,
  miscellaneous_folder_table,
  miscellaneous_force_rectangular_tables,
  miscellaneous_use_rn_for_breaks,
  miscellaneous_suppress_parent,
  miscellaneous_use_file_table_script_elements,
  miscellaneous_insert_commas,
  miscellaneous_file_sizes_display,
  miscellaneous_suppress_headers,
  miscellaneous_suppress_extensions,
  miscellaneous_suppress_visible,
  miscellaneous_euro_dates,
  miscellaneous_html_title_as_link,
  miscellaneous_fully_qualified_path,
  miscellaneous_convert_amp,
  miscellaneous_convert_spaces,
  miscellaneous_convert_latin,
  miscellaneous_non_functional_links,
  miscellaneous_summary_stats,
  miscellaneous_backslashes,
  miscellaneous_doctype_,
  miscellaneous_file_columns,
  miscellaneous_folder_columns,
  miscellaneous_anchor_columns,
  miscellaneous_folder_chars,
  miscellaneous_anchor_chars,
  miscellaneous_charset,
  miscellaneous_full_anchor_text,
  miscellaneous_max_file_chars,
  miscellaneous_euro_separator,
  // sorting
  sorting_sort_by,
  sorting_filename,
  sorting_size,
  sorting_date,
  sorting_extension,
  sorting_random,
  sorting_sort_direction,
  sorting_ascending,
  sorting_descending,
  sorting_unsorted,
  sorting_last_access,
  sorting_sort_by_folder,
  sorting_sort_by_column,
  // default_words
  default_words_bytes,
  default_words_megabytes,
  default_words_gigabytes,
  default_words_files,
  default_words_folders,
  default_words_filename,
  default_words_size,
  default_words_date,
  default_words_parent_folder,
  default_words_folder_anchors,
  default_words_root_anchor,
  default_words_summary_stats_text,
  default_words_total_folders,
  default_words_total_files,
  default_words_size_of_all_files,
  default_words_sorted_folder_prefix,
  default_words_restore_defaults,
  // input_output
  input_output_launch_output_file,
  input_output_edit_script,
  input_output_save_batch_file,
  input_output_read_config_file,
  input_output_write_config_file,
  input_output_load_language_file,
  input_output_load_font,
  input_output_web_browser,
  input_output_text_editor,
  input_output_autolaunch_bat_file,
  // recursive
  recursive_search_depth,
  recursive_title_folder_name,
  recursive_title_fully_qualified,
  recursive_title_relative_path,
  recursive_title_default,
  recursive_use_primary_script,
  recursive_build_recursively,
  recursive_build_type_box,
  recursive_all_links_in_one_file,
  recursive_one_file_per_folder,
  recursive_framed_site,
  recursive_all_links_in_one_file_box,
  recursive_show_sorted_folders,
  recursive_repeat_header,
  recursive_create_anchor_table,
  recursive_one_file_per_folder_box,
  recursive_html_title,
  recursive_dont_build_in_root,
  recursive_link_folders,
  recursive_framed_site_box,
  recursive_frameset_code,
  recursive_left_frame_code,
  recursive_right_frame_code,
  recursive_edit_code_button,
  recursive_restore_default_frameset_files,
  recursive_force_framed_settings,
  recursive_max_search_depth,
  recursive_max_anchor_depth,
  // other/months
  month_january,
  month_february,
  month_march,
  month_april,
  month_may,
  month_june,
  month_july,
  month_august,
  month_september,
  month_october,
  month_november,
  month_december,
  count
};

struct interface_text_item {
  ui_text id;
  std::wstring_view group;
  std::wstring_view name;
  text_kind kind;
  std::wstring_view english_text;
  std::wstring_view english_help;
};

// All items, in the order a language file is read.
std::span<const interface_text_item> interface_text_items();
const interface_text_item& item_of(ui_text id);

struct interface_text {
  std::wstring text;
  std::wstring help;  // tooltip; empty for data items
};

// The texts in use, one record per item; starts with the English values.
struct interface_text_table {
  std::vector<interface_text> entries;

  interface_text_table();
  // Puts back every built-in English text and tooltip, month names included.
  void restore_english();

  interface_text& operator[](ui_text id) { return entries[static_cast<size_t>(id)]; }
  const interface_text& operator[](ui_text id) const { return entries[static_cast<size_t>(id)]; }
  const std::wstring& text(ui_text id) const { return (*this)[id].text; }
  const std::wstring& help(ui_text id) const { return (*this)[id].help; }

  // "January" to "December", or their replacements.
  std::array<std::wstring, 12> month_names() const;
  // The five entries of the recursive page's title list; the fifth is fixed.
  std::array<std::wstring, 5> title_choices() const;
};

// Texts of the interface that language files do not replace.
namespace fixed_text {
inline constexpr std::wstring_view window_title = L"tabulon v4.87";
inline constexpr std::wstring_view title_separator = L" - ";
inline constexpr std::wstring_view title_none = L"None";
inline constexpr std::wstring_view minimize_menu = L"Minimi&ze";
inline constexpr std::wstring_view load_language_caption = L"Load Tabulon Language XML File";
inline constexpr std::wstring_view language_file_filter = L".xml Files|*.xml||";
inline constexpr std::wstring_view xml_file_error = L"XML File Error";
inline constexpr std::wstring_view not_a_language_file =
    L"\n\n...is not a valid tabulon language file";
inline constexpr std::wstring_view error_caption = L"Error";
// Build runner
inline constexpr std::wstring_view folder_not_accessible =
    L"The selected folder doesn't exist or isn't accessible, please click the Folder button.";
inline constexpr std::wstring_view build_aborted_caption = L"HTML Build Aborted";
inline constexpr std::wstring_view frameset_abort_caption = L"Error - Aborting Build";
// Folder choosers
inline constexpr std::wstring_view choose_root_folder =
    L"Select the folder to build the HTML file from...";
inline constexpr std::wstring_view choose_skipped_folder = L"Select a folder to skip...";
inline constexpr std::wstring_view choose_included_folder = L"Select a folder to include...";
// Results dialog placeholders, replaced when it opens
inline constexpr std::wstring_view file_created_line = L"File successfully created:";
inline constexpr std::wstring_view files_created_line = L"Files Created...";
inline constexpr std::wstring_view progress_format = L"%d%%";
// Batch files, launching and help
inline constexpr std::wstring_view no_valid_folder =
    L"No valid folder selected - batch file creation aborted";
inline constexpr std::wstring_view batch_aborted = L"Save Batch File aborted.";
inline constexpr std::wstring_view batch_filename_error = L"Batch Filename Error";
inline constexpr std::wstring_view cannot_be_opened = L" cannot be opened by Windows";
inline constexpr std::wstring_view help_launch_failed = L"Failed to launch help file:\n";
inline constexpr std::wstring_view check_default_browser =
    L"Check the default browser on the Input/Output page.";
}  // namespace fixed_text

}  // namespace tabulon
