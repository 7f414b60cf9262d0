// Page assembly of the folder table: which subfolders get a cell, how the
// cells fill the rows, the root and parent links, and how odd folder names
// reach the links and the visible text.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/wide_string.h"
#include "engine/page_state.h"
#include "tests/support/count_of.h"
#include "tests/support/page_fixture.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::count_of;
using testing::temp_dir;

// The folder table of a page and what the page learnt while writing it.
struct folder_table {
  std::wstring text;
  int32_t folder_count = 0;
  bool written = false;
  std::vector<std::wstring> subfolders;  // the enterable ones, before the skip filter
};

// The folder table of the page of `folder` (also the settings' `path`), in a
// build that started at `start_folder`.
folder_table folder_table_of(build_settings& s, const std::wstring& folder,
                             const std::wstring& start_folder = L"", bool frame_page = false) {
  s.path = folder;
  testing::page_under_test p(s, folder);
  p.gen.start_folder = start_folder;
  p.page.assembly.framed_page = frame_page;
  compute_page_values(p.page);
  write_folder_table(p.page);
  return {p.text(), p.page.folder_count, p.page.folder_table_written, p.page.assembly.subfolders};
}

// The link targets of `text`, in order.
std::vector<std::wstring> hrefs_of(const std::wstring& text) {
  std::vector<std::wstring> found;
  for (size_t at = text.find(L"href=\""); at != std::wstring::npos;
       at = text.find(L"href=\"", at + 1)) {
    const size_t start = at + 6;
    found.push_back(text.substr(start, text.find(L'"', start) - start));
  }
  return found;
}

// Settings of a one-folder page that lists its subfolders, in row order,
// without a parent link.
build_settings subfolder_settings() {
  build_settings s = testing::page_settings();
  s.recursive_build = 0;
  s.include_subfolders = 1;
  s.column_wise_sort = 0;
  return s;
}

std::wstring path_of(const temp_dir& dir) {
  return from_native(dir.path().string());
}

TEST(FolderTableEntries, VisibleSubfoldersGetACellAndSkippedOnesAreStillWalked) {
  temp_dir dir;
  for (const char* name : {"b", "a", ".hidden", "skipme"}) dir.mkdir(name);
  dir.write("f.txt", "x");
  build_settings s = subfolder_settings();
  s.skip_folders = path_of(dir) + L"/skipme";

  const folder_table table = folder_table_of(s, path_of(dir));
  EXPECT_TRUE(table.written);
  EXPECT_EQ(table.folder_count, 2);
  EXPECT_EQ(hrefs_of(table.text), (std::vector<std::wstring>{L"a/", L"b/"}));
  EXPECT_TRUE(testing::holds(table.text, L"<th colspan=\"4\"><b>Folders</b></th>"));
  // The per-folder walk is handed every enterable subfolder, the skipped one
  // too (the walk applies the skip itself), but never a hidden one.
  std::vector<std::wstring> walked = table.subfolders;
  std::sort(walked.begin(), walked.end());
  EXPECT_EQ(walked, (std::vector<std::wstring>{L"a", L"b", L"skipme"}));
  EXPECT_TRUE(table.text.ends_with(L"<br>\nINSERT_FOLDER_ANCHORS"));

  // Without subfolders, or on a frame page, there is no table, only the marker.
  for (const bool frame_page : {false, true}) {
    build_settings none = subfolder_settings();
    none.include_subfolders = frame_page ? 1 : 0;
    const folder_table empty = folder_table_of(none, path_of(dir), L"", frame_page);
    EXPECT_EQ(empty.text, L"INSERT_FOLDER_ANCHORS") << frame_page;
    EXPECT_FALSE(empty.written);
    EXPECT_EQ(empty.folder_count, 0);
    EXPECT_TRUE(empty.subfolders.empty());
  }
}

TEST(FolderTableRows, CellsFillTheRowsAndTheLastRowIsPaddedOrClosed) {
  temp_dir dir;
  for (const char* name : {"f1", "f2", "f3", "f4", "f5"}) dir.mkdir(name);
  build_settings s = subfolder_settings();
  s.folder_columns2 = 2;
  s.script[sec::folder_table_row] = L"class=\"r1\"";
  s.script[sec::folder_table_row2] = L"class=\"r2\"";
  s.script[sec::folder_td] = L"class=\"c1\"";
  s.script[sec::folder_td2] = L"class=\"c2\"";
  s.script[sec::before_folder_not_first_column] = L"|";

  const std::wstring t = folder_table_of(s, path_of(dir)).text;
  EXPECT_EQ(hrefs_of(t), (std::vector<std::wstring>{L"f1/", L"f2/", L"f3/", L"f4/", L"f5/"}));
  // A header row and three rows of two cells whose styles alternate; a cell
  // after the first of its row starts with "&nbsp;" and the section.
  EXPECT_EQ(count_of(t, L"</tr>\n"), 4u) << wide_to_utf8(t);
  EXPECT_TRUE(testing::holds(t,
                             L"<tr class=\"r1\"><td class=\"c1\"><a href=\"f1/\">f1</a></td>"
                             L"<td class=\"c1\">&nbsp;|<a href=\"f2/\">f2</a></td></tr>\n"
                             L"<tr class=\"r2\"><td class=\"c2\"><a href=\"f3/\">"));
  // The fifth cell's row is filled with one empty cell of its own style.
  EXPECT_TRUE(testing::holds(t,
                             L"<tr class=\"r1\"><td class=\"c1\"><a href=\"f5/\">f5</a></td>"
                             L"<td class=\"c1\"></td></tr>\n</table>"));

  s.rectangular_tables = 0;
  const std::wstring ragged = folder_table_of(s, path_of(dir)).text;
  EXPECT_TRUE(testing::holds(ragged, L"f5</a></td></tr>\n</table>"));

  // Filled down the columns: three rows, the first column holding f1 to f3.
  s.column_wise_sort = 1;
  EXPECT_EQ(hrefs_of(folder_table_of(s, path_of(dir)).text),
            (std::vector<std::wstring>{L"f1/", L"f4/", L"f2/", L"f5/", L"f3/"}));
}

TEST(FolderTableRows, FewerFoldersThanColumnsNeedNoPadding) {
  temp_dir dir;
  dir.mkdir("a");
  dir.mkdir("b");
  build_settings s = subfolder_settings();
  s.folder_columns2 = 4;
  s.script[sec::folder_table_start] = L"<caption>%%COLUMNS%</caption>";
  s.doctype = doctype_xhtml_strict;
  const std::wstring t = folder_table_of(s, path_of(dir)).text;
  EXPECT_EQ(count_of(t, L"<td"), 2u) << wide_to_utf8(t);
  EXPECT_TRUE(testing::holds(t, L"b</a></td></tr>\n</table>"));
  // The header spans the configured columns, "%%COLUMNS%" counts those shown.
  EXPECT_TRUE(testing::holds(t, L"colspan=\"4\""));
  EXPECT_TRUE(testing::holds(t, L"<caption>2</caption>"));
  EXPECT_TRUE(testing::holds(t, L"</table>\n<div><br /></div>\n"));
}

// The builds that decide about a parent link differently.
enum class build_kind { one_folder, one_page, per_folder, right_frames, framed_right_frames };

void set_build_kind(build_settings& s, build_kind kind) {
  s.recursive_build = kind == build_kind::one_folder ? 0 : 1;
  s.recursive_build_single_file =
      kind == build_kind::one_page || kind == build_kind::one_folder ? 0 : 1;
  s.frame_list_pass = kind == build_kind::right_frames || kind == build_kind::framed_right_frames;
  s.build_framed_site = kind == build_kind::framed_right_frames;
}

struct link_row_case {
  const char* what;
  build_kind kind;
  std::wstring path;
  std::wstring start_folder;
  bool parent;
};

TEST(FolderTableLinks, ParentLinkOnlyWhereThereIsAParentPageToGoTo) {
  const link_row_case cases[] = {
      {"one folder", build_kind::one_folder, L"/x/y", L"", true},
      {"the file-system root", build_kind::one_folder, L"/", L"", false},
      {"one page for the branch", build_kind::one_page, L"/x/y", L"/x/y", true},
      {"per folder, below the start", build_kind::per_folder, L"/x/y", L"/x", true},
      {"per folder, the start folder", build_kind::per_folder, L"/x/y", L"/x/y", false},
      {"right frame pages of a list pass", build_kind::right_frames, L"/x/y", L"/x", false},
      {"right frame pages of a framed site", build_kind::framed_right_frames, L"/x/y", L"/x", true},
  };
  for (const link_row_case& c : cases) {
    build_settings s = testing::page_settings();
    s.supress_parent_link = 0;
    set_build_kind(s, c.kind);
    const folder_table table = folder_table_of(s, c.path, c.start_folder);
    EXPECT_EQ(table.text.find(L"<a href=\"../\">&lt;parent&gt;</a>") != std::wstring::npos,
              c.parent)
        << c.what << "\n"
        << wide_to_utf8(table.text);
    EXPECT_EQ(table.folder_count, c.parent ? 1 : 0) << c.what;
    EXPECT_EQ(table.written, c.parent) << c.what;
  }
}

TEST(FolderTableLinks, RootLinkShowsTheRootWordAndIsNotCounted) {
  build_settings s = testing::page_settings();
  s.root_link = 1;
  s.supress_parent_link = 0;
  s.recursive_build = 0;
  const folder_table table = folder_table_of(s, L"/x/y");
  // The root link comes before the parent link; only the parent counts as a folder.
  EXPECT_EQ(hrefs_of(table.text), (std::vector<std::wstring>{L"./", L"../"}));
  EXPECT_TRUE(testing::holds(table.text, L"<a href=\"./\">&lt;root&gt;</a>"));
  EXPECT_EQ(table.folder_count, 1);

  s.multi_recurse_skip_root = 1;
  EXPECT_EQ(hrefs_of(folder_table_of(s, L"/x/y").text), (std::vector<std::wstring>{L"../"}));
}

TEST(FolderTableLinks, OddNamesAreEscapedAndNeverReadAsSchemes) {
  temp_dir dir;
  for (const char* name : {"a&b <c>\"d", "d:ir", "x?y#z", "sub:", "javascript:alert(1)"})
    dir.mkdir(name);
  build_settings s = subfolder_settings();
  s.folder_columns2 = 1;
  const std::wstring t = folder_table_of(s, path_of(dir)).text;
  EXPECT_EQ(hrefs_of(t),
            (std::vector<std::wstring>{L"a&amp;b%20%3Cc%3E%22d/", L"./d:ir/",
                                       L"./javascript:alert(1)/", L"./sub:/", L"x%3Fy%23z/"}))
      << wide_to_utf8(t);
  EXPECT_TRUE(testing::holds(t, L">a&amp;b &lt;c&gt;&quot;d</a>"));
  EXPECT_EQ(t.find(L"<c>"), std::wstring::npos);

  // A ":" the script writes before the names is the author's own choice.
  s.script[sec::folder_prefix] = L"http://host/";
  EXPECT_NE(folder_table_of(s, path_of(dir)).text.find(L"href=\"http://host/d:ir/\""),
            std::wstring::npos);
  // And so is the "File://" base of full path links.
  s.script[sec::folder_prefix].clear();
  s.full_pathname_links = 1;
  const std::wstring full = folder_table_of(s, path_of(dir)).text;
  EXPECT_TRUE(testing::holds(full, L"href=\"File://" + path_of(dir) + L"/d:ir/\""));
}

TEST(FolderTableLinks, LongNamesAreShortenedInTheTextButNotTheLink) {
  temp_dir dir;
  dir.mkdir("abcdefghijklmnopqrstuvwxyz");
  build_settings s = subfolder_settings();
  s.folder_chars = 12;
  s.script[sec::folder_file_link] = L"index.html";
  const std::wstring t = folder_table_of(s, path_of(dir)).text;
  EXPECT_TRUE(
      testing::holds(t, L"<a href=\"abcdefghijklmnopqrstuvwxyz/index.html\">abcdef...xyz</a>"));

  // Links that do not open keep the text alone.
  s.non_functional_links = 1;
  const std::wstring dead = folder_table_of(s, path_of(dir)).text;
  EXPECT_EQ(dead.find(L"href"), std::wstring::npos);
  EXPECT_TRUE(testing::holds(dead, L"<td>abcdef...xyz</td>"));
}

}  // namespace
}  // namespace tabulon
