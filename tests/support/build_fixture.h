#pragma once
// Test support for end-to-end builds: a temporary tree, a configuration file
// written from key=value lines, a script, and a run of the built tabulon.
// Header-only so that every end-to-end test file can use it.

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/count_of.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"

namespace tabulon::testing {

// A script with every section the tests look at kept short and recognisable.
inline constexpr std::string_view kPlainScript =
    "/HEAD\n"
    "<meta name=\"generator\" content=\"test\">\n"
    "/START\n"
    "<h1>%%DIR</h1>\n"
    "/END\n"
    "<p>end</p>\n";

class build_fixture {
 public:
  build_fixture() { tree_ = dir_.mkdir("tree"); }

  const std::filesystem::path& root() const { return tree_; }
  const temp_dir& dir() const { return dir_; }

  // Writes a file below the tree.
  std::filesystem::path file(std::string_view relative, std::string_view bytes = "x") const {
    return dir_.write("tree/" + std::string(relative), bytes);
  }
  // Writes each of `relatives` below the tree, with contents that do not matter.
  void files(std::initializer_list<std::string_view> relatives) const {
    for (const std::string_view relative : relatives) file(relative);
  }
  std::filesystem::path folder(std::string_view relative) const {
    return dir_.mkdir("tree/" + std::string(relative));
  }

  // Writes `script` and returns its full path.
  std::string script(std::string_view text, std::string_view name = "script.txt") const {
    return dir_.write(name, text).string();
  }

  // Builds with a configuration of `lines` ("key=value", one per line). The
  // root folder, the plain test script and UTF-8 are set first; any of
  // them may be overridden by a later line.
  program_result build(const std::string& lines, const std::string& script_path = {}) const {
    std::string config = "[TABULON]\npath=" + tree_.string() + "\n";
    config +=
        "custom_html_filename=" + (script_path.empty() ? this->script(kPlainScript) : script_path) +
        "\n";
    config += "charset=UTF_8\n";
    config += lines;
    if (!config.empty() && config.back() != '\n') config += "\n";
    const auto config_path = dir_.write("config.init", config);
    return run_program(tabulon_exe(), {config_path.string()}, dir_.path());
  }

  // The bytes of the page `relative` to the tree ("index.html" by default).
  std::string page(std::string_view relative = "index.html") const {
    return read_bytes(tree_ / std::filesystem::path(std::string(relative)));
  }
  bool has_page(std::string_view relative = "index.html") const {
    return std::filesystem::exists(tree_ / std::filesystem::path(std::string(relative)));
  }

 private:
  temp_dir dir_;
  std::filesystem::path tree_;
};

// The ASCII characters of a UTF-16LE page (after its byte order mark); any
// other character reads as "?".
inline std::string utf16le_to_ascii(std::string_view bytes) {
  std::string text;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2)
    text += (bytes[i + 1] == 0 && static_cast<unsigned char>(bytes[i]) < 0x80) ? bytes[i] : '?';
  return text;
}

// The text between the first `from` and the next `to` after it (empty when absent).
inline std::string between(std::string_view text, std::string_view from, std::string_view to) {
  const size_t a = text.find(from);
  if (a == std::string_view::npos) return {};
  const size_t b = text.find(to, a + from.size());
  if (b == std::string_view::npos) return {};
  return std::string(text.substr(a + from.size(), b - a - from.size()));
}

}  // namespace tabulon::testing
