#include "engine/summary_format.h"

#include <cstdio>

#include "base/wide_string.h"
#include "engine/size_format.h"

namespace tabulon {

std::wstring format_summary(const build_settings& settings, int32_t folders, int32_t files,
                            int64_t total_bytes) {
  const std::wstring_view br = line_break(settings);
  const std::wstring& style = settings.script[sec::summary_style];
  std::wstring out = L"\n<p";
  if (!style.empty()) out += L" " + style;
  out += L">\n";
  if (folders != 0) {
    out += settings.summary_folders_word + L" " + group_digits(settings, to_wide(folders), false);
    out += br;
    out += L'\n';
  }
  if (files != 0) {
    out += settings.summary_files_word + group_digits(settings, to_wide(files), false);
    out += br;
    out += L'\n';
    out += settings.summary_size_word;
    const int32_t type = settings.file_size_display_type;
    if (type == 2 || type == 3) {
      const float scaled =
          static_cast<float>(total_bytes) / (type == 2 ? 1048576.0f : 1073741824.0f);
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, "%.3f", static_cast<double>(scaled));
      out += group_digits(
          settings, std::wstring(buffer, buffer + std::char_traits<char>::length(buffer)), true);
    } else if (type == 1) {
      out += group_digits(settings, to_wide(total_bytes / 1024), false);
    } else {
      out += group_digits(settings, to_wide(total_bytes), false);
    }
    out += L' ';
    if (type == 1) out += settings.k_word;
    if (type == 2) out += settings.megabytes_word;
    if (type == 3) out += settings.gigabytes_word;
  }
  out += L"</p>";
  return out;
}

std::wstring folder_group_totals(const build_settings& settings, const entry_list& entries,
                                 size_t first, std::wstring& count_text) {
  if (!settings.anchor_totals_needed || first >= entries.size()) return {};
  const std::wstring& folder = entries[first].folder_path();
  int64_t total = 0;
  int32_t count = 0;
  for (size_t i = first; i < entries.size() && entries[i].folder_path() == folder; ++i) {
    total += entries[i].size;
    ++count;
  }
  count_text = group_digits(settings, to_wide(count), false);
  return format_size_cell(settings, total);
}

}  // namespace tabulon
