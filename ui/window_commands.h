#pragma once
// The commands of the main window, the keys that reach them, the window
// title, and the page index rules. Plain rules: the window maps a key press
// to a command here and runs what the command stands for.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tabulon {

// Every command a key or a button of the window starts.
enum class window_command {
  help,                // F1: the help page of the active page
  show_about,          // Ctrl+F1
  show_folders_page,   // F2: the Folders, Files page, focus on its first box
  build,               // F3
  choose_root_folder,  // F4
  choose_script,       // F5
  save_batch_file,     // F7
  read_config,         // F8
  write_config,        // F9
  edit_script,         // F11
  launch_output,       // F12
  previous_page,       // Ctrl+Page Up
  next_page,           // Ctrl+Page Down
  ignore,              // Esc: swallowed, the window stays open
  exit,                // the Exit button
  choose_output_file,
  choose_skipped_folder,
  choose_included_folder,
  restore_default_words,
  default_frameset_files,
  edit_frameset,
  edit_left_frame,
  edit_right_frame,
  load_language,
  load_font,
  choose_browser,
  choose_editor,
};

// The keys the window reacts to.
enum class window_key {
  f1,
  f2,
  f3,
  f4,
  f5,
  f6,
  f7,
  f8,
  f9,
  f10,
  f11,
  f12,
  page_up,
  page_down,
  escape
};

struct key_binding {
  window_key key;
  bool ctrl;
  window_command command;
  std::wstring_view name;  // "F1", "Ctrl+F1": for tests and the help pages
};

// The whole key table.
std::span<const key_binding> key_bindings();
// The command of a key; nothing for a key without one (F6, F10, Page Up
// without Ctrl). Other modifiers than Ctrl are not looked at.
std::optional<window_command> command_for_key(window_key key, bool ctrl);

// The window title: "tabulon v4.87", and after a configuration file was read
// or written through the pages " - " and that file's name (without folder).
std::wstring window_title(std::wstring_view config_path);

// The number of option pages in the tree.
inline constexpr int kOptionPageCount = 9;
// The page a stored `active_page` selects: the first page for a value out of range.
int active_page_index(int32_t stored);
// Ctrl+Page Up and Down: the page before or after `current`, round the ends.
int step_page(int current, int step);

// The access key of a caption: the lower-cased character after the first
// single "&" ("&&" is a literal "&"); 0 when there is none.
wchar_t mnemonic_letter(std::wstring_view caption);

}  // namespace tabulon
