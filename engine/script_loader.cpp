#include "engine/script_loader.h"

#include <random>
#include <unordered_map>

#include "base/text_file.h"
#include "base/wide_string.h"
#include "engine/placeholder_names.h"
#include "platform/local_time.h"
#include "platform/path_rules.h"

namespace tabulon {

namespace {

constexpr std::wstring_view kRandomColor = placeholder::random_color;

// Where the content lines after a header go.
struct section_target {
  enum kind_t { none, text, match, discarded } kind = none;
  int index = 0;
};

const std::unordered_map<std::wstring_view, section_target>& header_table() {
  static const auto* table = [] {
    auto* t = new std::unordered_map<std::wstring_view, section_target>;
    for (int i = 0; i < section_count; ++i) {
      (*t)[section_name(static_cast<sec>(i))] = {section_target::text, i};
    }
    for (int i = 0; i < match_list_count; ++i) {
      (*t)[match_section_name(static_cast<match_list>(i))] = {section_target::match, i};
    }
    (*t)[L"/FILE_ROW_START"] = {section_target::discarded, 0};
    (*t)[L"/FILE_ROW_END"] = {section_target::discarded, 0};
    return t;
  }();
  return *table;
}

bool is_comment(std::wstring_view line) {
  return line.size() >= 2 && line.substr(0, 2) == L"//";
}

bool is_trimmed(section_storage kind) {
  return kind == section_storage::trimmed || kind == section_storage::trimmed_no_lone_cr ||
         kind == section_storage::trimmed_leading_space;
}

bool drops_lone_cr(section_storage kind) {
  return kind == section_storage::lines_no_lone_cr || kind == section_storage::trimmed_no_lone_cr ||
         kind == section_storage::trimmed_leading_space || kind == section_storage::one_line;
}

// "#rrggbb" from three draws of 0..254, blue drawn first.
std::wstring random_color(std::minstd_rand& generator) {
  const unsigned blue = generator() % 255;
  const unsigned green = generator() % 255;
  const unsigned red = generator() % 255;
  constexpr wchar_t hex[] = L"0123456789abcdef";
  std::wstring out = L"#";
  for (const unsigned v : {red, green, blue}) {
    out.push_back(hex[v >> 4]);
    out.push_back(hex[v & 15]);
  }
  return out;
}

std::wstring folder_of(std::wstring_view path) {
  const size_t sep = path.find_last_of(native_path_style().separator);
  return sep == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, sep + 1));
}

void trim_one_line_end(std::wstring& text) {
  if (!text.empty() && text.back() == L'\n') text.pop_back();
  if (!text.empty() && text.back() == L'\r') text.pop_back();
}

}  // namespace

std::vector<std::wstring_view> script_section_names() {
  std::vector<std::wstring_view> names;
  for (const auto& [name, target] : header_table()) names.push_back(name);
  return names;
}

void load_script_text(script_template& script, std::wstring_view text,
                      std::wstring_view script_folder, std::wstring_view program_folder,
                      uint32_t random_seed) {
  std::minstd_rand generator(random_seed);
  const auto& headers = header_table();
  const wchar_t separator = native_path_style().separator;
  section_target current;

  size_t begin = 0;
  while (begin <= text.size()) {
    size_t end = text.find(L'\n', begin);
    if (end == std::wstring_view::npos) end = text.size();
    std::wstring_view line = text.substr(begin, end - begin);
    begin = end + 1;
    if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);

    if (is_comment(line)) continue;
    if (const auto header = headers.find(line); header != headers.end()) {
      current = header->second;
      continue;
    }
    if (current.kind == section_target::match) {
      if (line.empty()) continue;  // would name the script folder itself
      std::wstring name = with_native_separators(line, native_path_style());
      if (name.find(separator) == std::wstring::npos) name.insert(0, script_folder);
      load_match_file(script.matches[current.index], name, program_folder);
      continue;
    }
    if (current.kind != section_target::text) continue;

    const sec id = static_cast<sec>(current.index);
    const section_storage kind = section_storage_of(id);
    if (drops_lone_cr(kind) && line == L"\r") continue;
    std::wstring& section = script[id];
    if (line.find(kRandomColor) != std::wstring_view::npos) {
      std::wstring coloured(line);
      replace_all(coloured, kRandomColor, random_color(generator));
      section += coloured;
    } else {
      section += line;
    }
    if (kind != section_storage::one_line) section.push_back(L'\n');
  }

  for (int i = 0; i < section_count; ++i) {
    const sec id = static_cast<sec>(i);
    if (is_trimmed(section_storage_of(id))) trim_one_line_end(script[id]);
  }
  for (const sec id : {sec::folder_href_append, sec::file_href_append}) {
    std::wstring& append = script[id];
    if (!append.empty() && append.front() != L' ') append.insert(0, 1, L' ');
  }
  const std::pair<sec, sec> copies[] = {
      {sec::folder_td, sec::folder_td2},
      {sec::file_td, sec::file_td2},
      {sec::anchor_table_td, sec::anchor_table_td2},
      {sec::size_date_td, sec::size_date_td2},
      {sec::size_td, sec::size_td2},
      {sec::date_td, sec::date_td2},
      {sec::time_td, sec::time_td2},
  };
  for (const auto& [from, to] : copies) {
    if (!script[from].empty() && script[to].empty()) script[to] = script[from];
  }
}

void load_script(script_template& script, std::wstring_view name,
                 std::wstring_view program_folder) {
  script = script_template{};
  if (name.empty()) return;
  const std::wstring path = resolve_in_program_folder(name, program_folder);
  std::wstring text;
  if (!read_whole_file(path, text)) return;
  script.folder = folder_of(path);
  load_script_text(script, text, script.folder, program_folder,
                   static_cast<uint32_t>(current_seconds()));
}

void load_match_text(std::vector<match_rule>& rules, std::wstring_view text) {
  match_rule rule;
  bool in_rule = false;
  auto finish_rule = [&] {
    if (in_rule && !rule.pattern.empty()) rules.push_back(std::move(rule));
    rule = match_rule{};
  };
  bool first_code_line = true;
  size_t begin = 0;
  while (begin <= text.size()) {
    size_t end = text.find(L'\n', begin);
    if (end == std::wstring_view::npos) end = text.size();
    const std::wstring_view line = text.substr(begin, end - begin);
    begin = end + 1;

    if (line.empty() || is_comment(line)) continue;
    if (line.front() == L'/') {
      finish_rule();
      in_rule = true;
      first_code_line = true;
      rule.pattern = upper_ascii(line.substr(1));
      continue;
    }
    if (!in_rule || rule.pattern.empty()) continue;
    if (!first_code_line) rule.code.push_back(L'\n');
    rule.code += line;
    first_code_line = false;
  }
  finish_rule();
}

void load_match_file(std::vector<match_rule>& rules, std::wstring_view name,
                     std::wstring_view program_folder) {
  std::wstring clean;
  clean.reserve(name.size());
  for (const wchar_t c : name) {
    if (c != L'\r' && c != L'\n') clean.push_back(c);
  }
  if (clean.empty()) return;
  std::wstring text;
  if (!read_whole_file(resolve_in_program_folder(clean, program_folder), text)) return;
  load_match_text(rules, text);
}

void apply_file_table_elements(script_template& script, bool flag) {
  if (!flag) return;
  const std::pair<sec, sec> copies[] = {
      {sec::before_filename_not_first_column, sec::before_anchor_not_first_column},
      {sec::before_filename_not_first_column, sec::before_folder_not_first_column},
      {sec::file_td, sec::folder_td},
      {sec::file_td, sec::anchor_table_td},
      {sec::file_td2, sec::folder_td2},
      {sec::file_td2, sec::anchor_table_td2},
      {sec::file_table_row, sec::folder_table_row},
      {sec::file_table_row, sec::anchor_table_row},
      {sec::file_table_row2, sec::folder_table_row2},
      {sec::file_table_row2, sec::anchor_table_row2},
      {sec::tableheader, sec::folder_table_header},
      {sec::tableheader, sec::anchor_table_header},
      {sec::file_header_td, sec::anchor_header_td},
      {sec::file_header_td, sec::folder_header_td},
  };
  for (const auto& [from, to] : copies) script[to] = script[from];
}

}  // namespace tabulon
