// Feeds arbitrary bytes to the placeholder expansion and the name conversions.
// The input (as UTF-8, invalid bytes kept as escapes) is cut at its first
// line feed: the first part is an entry's file name, the rest a section text.
// A scratch folder holds included files, among them files that include
// themselves by both marker forms.
// Checks: no crash or hang; converted names never carry "<", ">" or '"';
// every file marker is gone after expansion.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/wide_string.h"
#include "engine/placeholders.h"
#include "engine/text_convert.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace tabulon;
using fuzzing::check;

// The files a section may include, among them files that include themselves
// by both marker forms.
struct include_folder : fuzzing::scratch_folder {
  include_folder() : scratch_folder("fuzz_placeholders") {
    write("a", "%%FILEa% ~~FILEa~ %%COLUMNS-1%");
    write("b", "[%%FILEa%%%FILEb%]");
    write("c", "~~FILE%%FNAME%~~~FILE%%RELATIVE_PATH%c~");
    write("sub/c", "sub %%F_PATH");
  }
};

bool markup_free(std::wstring_view text) {
  return text.find_first_of(L"<>\"") == std::wstring::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const include_folder dir;
  if (size > 4096) return 0;
  const std::wstring input = utf8_to_wide(fuzzing::bytes_of(data, size));
  const size_t cut = input.find(L'\n');
  const std::wstring name = input.substr(0, cut);
  const std::wstring text = cut == std::wstring::npos ? std::wstring() : input.substr(cut + 1);

  build_settings settings;
  settings.charset = size % 3;
  settings.replace_latin_chars = size % 2;
  settings.path = from_native(dir.path().string());
  settings.program_folder = settings.path + L"/";
  settings.script.folder = settings.program_folder;

  check(markup_free(escape_href(settings, name)));
  check(markup_free(escape_amp(settings, name)));
  check(markup_free(link_text_of(settings, name)));
  check(markup_free(protect_markup(settings, name, true)));
  (void)shorten_middle(name, static_cast<int32_t>(size % 24));

  const auto entry = make_file_entry(name, make_entry_folder(L"/sub/"));
  std::wstring out = expand_file_placeholders(settings, text, *entry, settings.path, L"../");
  expand_columns(out, static_cast<int32_t>(size % 7));
  include_files(settings, out, *entry, settings.path);
  check(out.find(L"~~FILE") == std::wstring::npos);
  expand_file_markers(settings, out, settings.path);
  check(out.find(L"%%FILE") == std::wstring::npos);

  std::wstring marked = text;
  (void)take_file_marker(marked, static_cast<int>(size % 2));
  (void)expand_title(settings, text);
  return 0;
}
