// Feeds arbitrary bytes to the script loader. The input is cut at its first
// zero byte: the part before it is written as a script file, the part after
// it as a match file "m.txt" beside it, which the script may name in its match
// sections. Both are loaded as they would be for a build, and the match-file
// bytes are also parsed directly.
// Checks: no crash or hang; a one-line section never holds a line end; the
// link attribute sections start with a space; match patterns hold no a-z.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/wide_string.h"
#include "engine/script_loader.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace tabulon;
using fuzzing::check;

void check_rules(const std::vector<match_rule>& rules) {
  for (const match_rule& rule : rules) {
    check(!rule.pattern.empty());
    for (const wchar_t c : rule.pattern) check(!(c >= L'a' && c <= L'z'));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzzing::scratch_folder dir("fuzz_script");
  const std::string_view bytes = fuzzing::bytes_of(data, size);
  const size_t cut = bytes.find('\0');
  const std::string_view script_bytes = bytes.substr(0, cut);
  const std::string_view match_bytes =
      cut == std::string_view::npos ? std::string_view() : bytes.substr(cut + 1);
  dir.write("s.txt", script_bytes);
  dir.write("m.txt", match_bytes);

  const std::wstring program_folder = dir.program_folder();
  script_template script;
  load_script(script, L"s.txt", program_folder);
  check(script[sec::folder_file_link].find(L'\n') == std::wstring::npos);
  for (const sec s : {sec::folder_href_append, sec::file_href_append}) {
    check(script[s].empty() || script[s][0] == L' ');
  }
  for (const auto& rules : script.matches) check_rules(rules);
  apply_file_table_elements(script, true);

  std::vector<match_rule> rules;
  load_match_text(rules, utf8_to_wide(match_bytes));
  check_rules(rules);
  return 0;
}
