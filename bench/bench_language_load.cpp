// Loads a 10 MB language file with 200,000 items and prints how long reading
// it from disk and applying it take. Goal: well under one second.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/markup.h"
#include "base/text_file.h"
#include "base/wide_string.h"
#include "ui/interface_text.h"
#include "ui/language_file.h"

namespace {

// Every real item, then enough unknown items to reach the wanted count and
// size. The unknown items sit first in their groups, so each lookup has to
// pass all of them: the slowest order for the loader.
std::string make_language_file(int extra_items, size_t target_bytes) {
  using namespace tabulon;
  std::string out = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<all>\n";
  out += "<file_info><app>tabulon</app></file_info>\n";
  const size_t filler_size = target_bytes / static_cast<size_t>(extra_items);
  const std::string filler(filler_size > 30 ? filler_size - 30 : 1, 'x');
  const auto items = interface_text_items();
  std::wstring open_group;
  auto close = [&](const std::wstring& group) {
    for (size_t end = group.size(); end != std::wstring::npos && !group.empty();) {
      const size_t slash = group.rfind(L'/', end - 1);
      const size_t begin = slash == std::wstring::npos ? 0 : slash + 1;
      out += "</" + wide_to_utf8(group.substr(begin, end - begin)) + ">\n";
      end = slash;
    }
  };
  int extra_done = 0;
  const int groups = 20;
  for (size_t i = 0; i < items.size(); ++i) {
    const std::wstring group(items[i].group);
    if (group != open_group) {
      close(open_group);
      for (size_t begin = 0; begin <= group.size();) {
        const size_t slash = group.find(L'/', begin);
        const size_t end = slash == std::wstring::npos ? group.size() : slash;
        out += '<';  // appended piece by piece: GCC 12 misreads "<" + string&& (-Wrestrict)
        out += wide_to_utf8(group.substr(begin, end - begin));
        out += ">\n";
        begin = end + 1;
      }
      open_group = group;
      for (int k = 0; k < extra_items / groups && extra_done < extra_items; ++k, ++extra_done) {
        out += "<unknown_" + std::to_string(extra_done) + ">" + filler + "</unknown_" +
               std::to_string(extra_done) + ">\n";
      }
    }
    const std::string name = wide_to_utf8(items[i].name);
    if (items[i].kind == text_kind::data) {
      out += "<" + name + ">value</" + name + ">\n";
    } else {
      out += "<" + name + "><text>T&amp;ext</text><help>Tip &lt;b&gt;</help></" + name + ">\n";
    }
  }
  close(open_group);
  for (; extra_done < extra_items; ++extra_done) {
    out += "<unknown_" + std::to_string(extra_done) + ">" + filler + "</unknown_" +
           std::to_string(extra_done) + ">\n";
  }
  out += "</all>\n";
  return out;
}

}  // namespace

int main() {
  using clock = std::chrono::steady_clock;
  const int items = 200000;
  const std::string bytes = make_language_file(items, 10u * 1024 * 1024);
  const auto path = std::filesystem::temp_directory_path() / "tabulon_bench_language.xml";
  std::ofstream(path, std::ios::binary) << bytes;

  tabulon::build_settings settings;
  settings.language_file = tabulon::from_native(path.string());
  tabulon::interface_text_table table;

  const auto t0 = clock::now();
  std::wstring text;
  const bool read = tabulon::read_whole_file(settings.language_file, text);
  const auto t1 = clock::now();
  tabulon::CMarkup doc;
  const bool parsed = doc.load_text(text);
  const auto t2 = clock::now();
  const auto message = tabulon::apply_language_file(settings, table);
  const auto t3 = clock::now();
  std::filesystem::remove(path);

  auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
  std::printf("language file: %.1f MB, %d extra items + %zu real items, %d elements indexed\n",
              bytes.size() / 1048576.0, items, tabulon::interface_text_items().size(),
              doc.next_free - 1);
  std::printf("read_whole_file: %.1f ms (%s)\n", ms(t1 - t0), read ? "ok" : "FAILED");
  std::printf("CMarkup::load_text: %.1f ms (%s)\n", ms(t2 - t1), parsed ? "ok" : "FAILED");
  std::printf("apply_language_file (read + parse + apply): %.1f ms (%s)\n", ms(t3 - t2),
              message ? "FAILED" : "ok");
  std::printf(
      "build button now: %s\n",
      tabulon::wide_to_utf8(table.text(tabulon::ui_text::main_window_build_button)).c_str());
  return (read && parsed && !message && ms(t3 - t2) < 1000.0) ? 0 : 1;
}
