// Fuzz target: the XML document and the language-file loader must accept any
// bytes without crashing or hanging.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/markup.h"
#include "base/wide_string.h"
#include "ui/interface_text.h"
#include "ui/language_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::wstring text =
      tabulon::utf8_to_wide(std::string_view(reinterpret_cast<const char*>(data), size));

  tabulon::CMarkup doc;
  if (doc.load_text(text)) {
    // Walk the whole tree: every element's text, entering every child.
    static constexpr std::wstring_view names[] = {L"all", L"a", L"b", L"text", L"help"};
    for (int round = 0; round < 64; ++round) {
      bool moved = false;
      for (const auto name : names) {
        if (doc.find_child(name)) {
          (void)doc.text_of_current();
          moved = doc.enter();
          break;
        }
      }
      if (!moved && !doc.leave()) break;
    }
  }

  tabulon::interface_text_table table;
  (void)tabulon::apply_language_text(text, L"fuzz.xml", table);
  return 0;
}
