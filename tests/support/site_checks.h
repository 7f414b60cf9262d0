#pragma once
// Test support for end-to-end builds: writing a configuration, running a
// build, and checking the pages it wrote (well-formed XML, no markup errors,
// links that resolve). Header-only, so every end-to-end test can use it.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/count_of.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"

namespace tabulon::testing {

using config_keys = std::vector<std::pair<std::string, std::string>>;

// Writes a main configuration file (section TABULON) with the given keys.
inline std::filesystem::path write_config(const temp_dir& dir, const std::string& name,
                                          const config_keys& keys) {
  std::string text = "[TABULON]\n";
  for (const auto& [key, value] : keys) text += key + "=" + value + "\n";
  return dir.write(name, text);
}

// Runs the built tabulon on a configuration file (batch mode).
inline program_result run_build(const std::filesystem::path& config) {
  return run_program(tabulon_exe(), {config.string()});
}

// Copies the example tree of the repository below `to`, or, when it is not
// there, makes a small tree of the same kind.
inline std::filesystem::path make_example_tree(const temp_dir& dir, const std::string& name) {
  const std::filesystem::path to = dir.path() / name;
  const std::filesystem::path examples =
      std::filesystem::path(TABULON_SOURCE_DIR) / "examples" / "site";
  std::error_code ec;
  if (std::filesystem::is_directory(examples, ec)) {
    std::filesystem::create_directories(to);
    std::filesystem::copy(examples, to, std::filesystem::copy_options::recursive, ec);
    if (!ec) return to;
  }
  dir.write(name + "/readme.txt", "Read me first.\n");
  dir.write(name + "/docs/guide.html",
            "<html><head><title>Guide</title></head><body></body></html>\n");
  dir.write(name + "/docs/notes.md", "# Notes\n");
  dir.write(name + "/data/prices.csv", "item,price\ntea,3\n");
  dir.write(name + "/music/lyrics (draft).txt", "la la\n");
  dir.write(name + "/photos/sunset.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>\n");
  dir.write(name + "/photos/2024/beach.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>\n");
  return to;
}

// Values of every `attribute="..."` in a page (attribute name in lower case,
// preceded by a blank).
inline std::vector<std::string> attribute_values(const std::string& page,
                                                 const std::string& attribute) {
  std::vector<std::string> values;
  const std::string key = attribute + "=\"";
  for (size_t at = page.find(key); at != std::string::npos; at = page.find(key, at + 1)) {
    if (at == 0 || !std::isspace(static_cast<unsigned char>(page[at - 1]))) continue;
    const size_t start = at + key.size();
    const size_t end = page.find('"', start);
    if (end == std::string::npos) break;
    values.push_back(page.substr(start, end - start));
  }
  return values;
}

inline std::string percent_decoded(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() &&
        std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
        std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
      out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

inline std::string entity_decoded(std::string text) {
  for (size_t at = text.find("&amp;"); at != std::string::npos; at = text.find("&amp;", at + 1))
    text.replace(at, 5, "&");
  return text;
}

// True when `page` holds an element with this id (or an anchor with this name).
inline bool page_has_id(const std::string& page, const std::string& id) {
  if (id.empty()) return true;
  for (const std::string& candidate : {id, percent_decoded(id)}) {
    for (const char* attribute : {"id", "name"}) {
      const auto values = attribute_values(page, attribute);
      if (std::find(values.begin(), values.end(), candidate) != values.end()) return true;
    }
  }
  return false;
}

// The links of a page (href and src values) that do not resolve: a relative
// target must name an existing file or folder, a fragment an element of the
// target page. Links with a scheme other than file: are not followed.
inline std::vector<std::string> broken_links(const std::filesystem::path& page_file) {
  const std::string page = read_bytes(page_file);
  std::vector<std::string> broken;
  std::vector<std::string> links = attribute_values(page, "href");
  for (const std::string& src : attribute_values(page, "src")) links.push_back(src);
  for (const std::string& raw : links) {
    const std::string link = entity_decoded(raw);
    const size_t colon = link.find(':');
    const size_t slash = link.find('/');
    const bool has_scheme =
        colon != std::string::npos && (slash == std::string::npos || colon < slash);
    std::string target = link;
    if (has_scheme) {
      if (link.rfind("file://", 0) != 0) continue;
      target = link.substr(7);
    }
    std::string fragment;
    if (const size_t hash = target.find('#'); hash != std::string::npos) {
      fragment = target.substr(hash + 1);
      target.erase(hash);
    }
    if (target.empty()) {
      if (!page_has_id(page, fragment)) broken.push_back(raw);
      continue;
    }
    const std::string decoded = percent_decoded(target);
    const std::filesystem::path resolved =
        decoded.front() == '/' ? std::filesystem::path(decoded) : page_file.parent_path() / decoded;
    std::error_code ec;
    if (!std::filesystem::exists(resolved, ec)) {
      broken.push_back(raw);
    } else if (!fragment.empty() && std::filesystem::is_regular_file(resolved, ec) &&
               !page_has_id(read_bytes(resolved), fragment)) {
      broken.push_back(raw);
    }
  }
  return broken;
}

inline bool have_tool(const std::string& name) {
  return std::filesystem::exists("/usr/bin/" + name) ||
         std::filesystem::exists("/usr/local/bin/" + name);
}

inline std::filesystem::path tool_path(const std::string& name) {
  return std::filesystem::exists("/usr/bin/" + name) ? "/usr/bin/" + name
                                                     : "/usr/local/bin/" + name;
}

// xmllint's verdict on a page: empty when it is well-formed XML.
inline std::string xml_errors(const std::filesystem::path& page_file) {
  const program_result r = run_program(tool_path("xmllint"), {"--noout", page_file.string()});
  return r.exit_status == 0 ? std::string()
                            : r.err + r.out + " (status " + std::to_string(r.exit_status) + ")";
}

// tidy's errors for a page: empty when tidy finds no errors (warnings pass).
inline std::string tidy_errors(const std::filesystem::path& page_file) {
  const program_result r = run_program(tool_path("tidy"), {"-q", "-e", page_file.string()});
  return r.exit_status <= 1 ? std::string()
                            : r.err + r.out + " (status " + std::to_string(r.exit_status) + ")";
}

}  // namespace tabulon::testing
