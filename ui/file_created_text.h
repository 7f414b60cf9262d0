#pragma once
// The texts of the results dialog after a build that wrote at least one
// page, and where its keyboard focus starts.

#include <cstddef>
#include <string>

#include "ui/interface_text.h"

namespace tabulon {

struct file_created_text {
  std::wstring title;          // "HTML file(s) successfully created"
  std::wstring file_line;      // the root output file's path
  std::wstring count_line;     // "3 file(s) created"
  std::wstring launch_button;  // "&Launch the file" for one page, "&Launch the root file" for more
  std::wstring launch_close_button;  // "Launc&h && Close"
  std::wstring delete_button;        // "&Delete generated file(s)"
  std::wstring close_button;         // "&Close"
};

file_created_text file_created_text_of(const std::wstring& result_path, size_t pages_written,
                                       const interface_text_table& texts);

// Where the focus starts: on "Launc&h && Close" unless the output file has
// already been opened from a results dialog in this run.
enum class results_focus { launch_and_close, dialog_default };
results_focus results_focus_of(bool launched);

}  // namespace tabulon
