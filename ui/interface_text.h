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

// One identifier per item, in table order (ui/interface_text.def).
enum class ui_text : int {
#define TABULON_INTERFACE_TEXT(id, group, name, kind, english_text, english_help) id,
#include "ui/interface_text.def"
#undef TABULON_INTERFACE_TEXT
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
