#include "ui/deletion_report.h"

#include <filesystem>
#include <system_error>

#include "base/wide_string.h"

namespace tabulon {

deletion_outcome delete_written_files(const std::vector<std::wstring>& files) {
  deletion_outcome outcome;
  for (const std::wstring& file : files) {
    const std::filesystem::path native = to_native(file);
    std::error_code error;
    // remove() would take an empty folder too; the list only ever names pages.
    const bool is_file =
        !std::filesystem::is_directory(std::filesystem::symlink_status(native, error));
    if (is_file && !error && std::filesystem::remove(native, error) && !error) {
      ++outcome.deleted;
    } else {
      ++outcome.failed;
    }
  }
  return outcome;
}

std::wstring deletion_report_caption(const interface_text_table& texts) {
  return texts.text(ui_text::deleted_files_deletion_results);
}

std::wstring deletion_report_text(const deletion_outcome& outcome,
                                  const interface_text_table& texts) {
  std::wstring text = L" \r\n";
  text += texts.text(ui_text::deleted_files_files_deleted);
  text += std::to_wstring(outcome.deleted);
  text += L"\r\n";
  if (outcome.failed > 0) {
    text += L"\n";
    text += texts.text(ui_text::deleted_files_failed_deletions);
    text += std::to_wstring(outcome.failed);
    text += L"      ";
  }
  return text;
}

}  // namespace tabulon
