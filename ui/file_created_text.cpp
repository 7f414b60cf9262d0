#include "ui/file_created_text.h"

namespace tabulon {

file_created_text file_created_text_of(const std::wstring& result_path, size_t pages_written,
                                       const interface_text_table& texts) {
  file_created_text shown;
  shown.title = texts.text(ui_text::files_built_title);
  shown.file_line = result_path;
  shown.count_line =
      std::to_wstring(pages_written) + L" " + texts.text(ui_text::files_built_files_created_string);
  shown.launch_button =
      texts.text(pages_written == 1 ? ui_text::files_built_launch_file_button
                                    : ui_text::files_built_launch_root_file_button);
  shown.launch_close_button = texts.text(ui_text::files_built_launch_and_close_button);
  shown.delete_button = texts.text(ui_text::files_built_delete_generated_button);
  shown.close_button = texts.text(ui_text::files_built_close_button);
  return shown;
}

results_focus results_focus_of(bool launched) {
  return launched ? results_focus::dialog_default : results_focus::launch_and_close;
}

}  // namespace tabulon
