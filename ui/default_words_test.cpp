#include "ui/default_words.h"

#include <gtest/gtest.h>

#include "ui/default_frameset_files.h"

namespace tabulon {
namespace {

TEST(default_words, restore_puts_back_the_page_words) {
  build_settings s;
  s.folder_word = L"Ordner";
  s.file_header_word = L"Dateien";
  s.k_word = L"K";
  restore_default_words(s);
  EXPECT_EQ(s.folder_word, L"<b>Folders</b>");
  EXPECT_EQ(s.file_header_word, L"");
  EXPECT_EQ(s.k_word, L"K&nbsp;");
  EXPECT_EQ(s.parent_word, L"&lt;parent&gt;");
  EXPECT_EQ(s.summary_size_word, L"Size of all files: ");
  EXPECT_EQ(s.gigabytes_word, L"GB&nbsp;");
}

TEST(default_frameset_files, the_xhtml_doctypes_get_the_xhtml_frameset) {
  build_settings s;
  s.doctype = doctype_xhtml_strict;
  set_default_frameset_files(s, posix_path_style);
  EXPECT_EQ(s.frameset_file, L"Scripts/frameset_xhtml.txt");
  EXPECT_EQ(s.left_frame_file, L"Scripts/left_frame.txt");
  EXPECT_EQ(s.right_frame_file, L"Scripts/right_frame.txt");
  s.doctype = doctype_xhtml_transitional;
  set_default_frameset_files(s, windows_path_style);
  EXPECT_EQ(s.frameset_file, L"Scripts\\frameset_xhtml.txt");
  for (int32_t other : {doctype_html_401_transitional, doctype_html_strict, doctype_html_5}) {
    s.doctype = other;
    set_default_frameset_files(s, posix_path_style);
    EXPECT_EQ(s.frameset_file, L"Scripts/frameset.txt");
  }
}

}  // namespace
}  // namespace tabulon
