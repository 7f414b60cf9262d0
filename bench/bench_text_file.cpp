// Writes and reads large text files through text_file in every encoding and
// prints the throughput (processor time): 16 M characters of short lines,
// and one line of 16 M characters.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

#include "base/text_file.h"
#include "base/wide_string.h"

namespace {

// Processor time of this process: the figures stay meaningful on a busy machine.
struct clock_type {
  using time_point = std::clock_t;
  static time_point now() { return std::clock(); }
};

double seconds_since(clock_type::time_point start) {
  const double s = static_cast<double>(clock_type::now() - start) / CLOCKS_PER_SEC;
  return s > 1e-6 ? s : 1e-6;
}

void run(const std::wstring& path, int encoding, const char* name, const std::wstring& text) {
  using namespace tabulon;
  auto start = clock_type::now();
  {
    text_file out(true);
    out.open(path, text_write, encoding);
    out.write_text(text);
    out.close();
  }
  const double write_s = seconds_since(start);
  const double mb =
      static_cast<double>(std::filesystem::file_size(to_native(path))) / (1024.0 * 1024.0);

  start = clock_type::now();
  text_file in;
  in.open(path, text_read, text_detect);
  std::wstring line;
  size_t lines = 0, chars = 0;
  while (in.read_line(line) == 0) {
    ++lines;
    chars += line.size();
  }
  const double read_s = seconds_since(start);

  start = clock_type::now();
  std::wstring whole;
  read_whole_file(path, whole);
  const double whole_s = seconds_since(start);

  std::printf(
      "%-9s %7.1f MB  write %7.1f MB/s  read_line %7.1f MB/s  read_whole_file %7.1f MB/s"
      "  (%zu lines, %zu chars)\n",
      name, mb, mb / write_s, mb / read_s, mb / whole_s, lines, chars);
}

}  // namespace

int main() {
  using namespace tabulon;
  const auto dir = std::filesystem::temp_directory_path() / "tabulon-bench-text-file";
  std::filesystem::create_directories(dir);
  const std::wstring path = from_native((dir / "big.txt").string());

  std::wstring lines;
  const std::wstring one =
      L"<tr><td><a href=\"caf\u00E9/r\u00E9sum\u00E9.txt\">r\u00E9sum\u00E9</a>"
      L"</td><td>12,345</td></tr>\n";
  while (lines.size() < (16u << 20)) lines += one;
  const std::wstring long_line(16u << 20, L'\u00E9');

  const struct {
    int code;
    const char* name;
  } encodings[] = {{text_ansi, "ANSI"},
                   {text_utf8, "UTF-8"},
                   {text_utf16le, "UTF-16LE"},
                   {text_utf16be, "UTF-16BE"}};
  std::printf("short lines (16 M characters):\n");
  for (const auto& e : encodings) run(path, e.code, e.name, lines);
  std::printf("one line of 16 M characters:\n");
  for (const auto& e : encodings) run(path, e.code, e.name, long_line);
  std::filesystem::remove_all(dir);
  return 0;
}
