#pragma once
// Test support for page assembly from data made in memory: settings with the
// words pages use by default, files as entries, and one page of a generator
// over the settings, whose text the steps of engine/page_*.cpp write into.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/wide_string.h"
#include "engine/file_entry.h"
#include "engine/html_generator.h"
#include "engine/page_state.h"
#include "ui/default_words.h"

namespace tabulon::testing {

// The default words, with sizes in plain "K" as a configuration without the
// key reads.
inline build_settings page_settings() {
  build_settings s;
  restore_default_words(s);
  s.k_word = L"K";
  return s;
}

// Settings of a one-page build of a whole branch with its files grouped
// under folder rows: what subsection rows and the anchor table need (sorting
// folders first, folder rows and anchors are on by default).
inline build_settings grouped_settings() {
  build_settings s = page_settings();
  s.recursive_build = 1;
  s.recursive_build_single_file = 0;
  return s;
}

struct page_file {
  std::wstring folder;  // as entries name it: "/" or "/sub/"
  std::wstring name;
  int64_t size = 3 * 1024;
};

// Entries of `files`, in this order.
inline entry_list entries_of(const std::vector<page_file>& files) {
  entry_list list;
  for (const page_file& f : files) {
    entry_ptr e = make_file_entry(f.name, make_entry_folder(f.folder));
    e->size = f.size;
    list.push_back(std::move(e));
  }
  return list;
}

// One page of `folder` as html_generator::write_page sets it up: a generator
// over the settings and the page's working state. `text()` is the page text
// the steps have written and not yet flushed.
struct page_under_test {
  html_generator gen;
  page_state page;

  explicit page_under_test(build_settings& s, const std::wstring& folder = L"/x")
      : gen(s), page(gen, folder) {}
  const std::wstring& text() const { return page.assembly.page_text; }
};

// The text `steps` write on a fresh page of `folder`.
inline std::wstring assembled(build_settings& s, const std::wstring& folder,
                              const std::function<void(page_state&)>& steps) {
  page_under_test p(s, folder);
  steps(p.page);
  return p.text();
}

// Success when `text` holds `part`; else a failure that shows both.
inline ::testing::AssertionResult holds(const std::wstring& text, const std::wstring& part) {
  if (text.find(part) != std::wstring::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no \"" << wide_to_utf8(part) << "\" in:\n"
                                       << wide_to_utf8(text);
}

}  // namespace tabulon::testing
