// Page assembly of the file table from entries made in memory: which cells a
// row gets, how rows are filled and closed, the header row, and the
// subsection rows that group a one-page build by folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/page_state.h"
#include "tests/support/count_of.h"
#include "tests/support/page_fixture.h"

namespace tabulon {
namespace {

using testing::count_of;
using testing::page_file;

// Settings of a one-folder page, two files a row.
build_settings one_folder_settings() {
  build_settings s = testing::page_settings();
  s.recursive_build = 0;
  s.file_columns2 = 2;
  return s;
}

// The file table of `files` (in this order, 3 K each) on a page of "/x".
std::wstring file_table_of(build_settings& s, const std::vector<page_file>& files,
                           bool all_in_one = false) {
  return testing::assembled(s, L"/x", [&](page_state& page) {
    page.gen.all_in_one = all_in_one;
    page.grouped = all_in_one && s.sort_folders_first && s.show_folder_names;
    entry_list list = testing::entries_of(files);
    EXPECT_TRUE(write_file_rows(page, list));
  });
}

TEST(PageFileTableRows, RowsHoldTheColumnCountAndTheLastRowIsFilled) {
  build_settings s = one_folder_settings();
  const std::vector<page_file> files = {{L"/", L"a.txt"}, {L"/", L"b.txt"}, {L"/", L"c.txt"}};
  const std::wstring t = file_table_of(s, files);
  // Two files a row, each a name cell and a size cell; a header row on top.
  EXPECT_EQ(count_of(t, L"<tr>"), 3u);
  EXPECT_EQ(count_of(t, L"</tr>"), 3u);
  EXPECT_EQ(count_of(t, L"<th>"), 4u);
  EXPECT_EQ(count_of(t, L"<td align=\"right\">3&nbsp;K</td>"), 3u);
  // The third file's row is made rectangular with two empty cells.
  EXPECT_NE(t.find(L"c.txt</a></td><td align=\"right\">3&nbsp;K</td><td></td><td></td></tr>"),
            std::wstring::npos)
      << t;
  EXPECT_TRUE(t.ends_with(L"</table>\n"));

  s.rectangular_tables = 0;
  const std::wstring ragged = file_table_of(s, files);
  EXPECT_EQ(count_of(ragged, L"<td></td>"), 0u);
  EXPECT_EQ(count_of(ragged, L"</tr>"), 3u);  // the short row is still closed
}

TEST(PageFileTableCells, NamesAreEscapedAndColumnsFollowTheSettings) {
  build_settings s = one_folder_settings();
  s.file_columns2 = 1;
  s.include_filesize = 0;
  const std::wstring t = file_table_of(s, {{L"/", L"a&b<c>.txt"}});
  EXPECT_NE(t.find(L"<a href=\"a&amp;b%3Cc%3E.txt\">a&amp;b&lt;c&gt;.txt</a>"), std::wstring::npos)
      << t;
  EXPECT_EQ(t.find(L"<c>"), std::wstring::npos);
  // Without sizes a row is the name cell alone, and so is the header.
  EXPECT_EQ(count_of(t, L"<td"), 1u);
  EXPECT_EQ(count_of(t, L"<th>"), 1u);
  EXPECT_EQ(t.find(L"<b>Size</b>"), std::wstring::npos);

  // Links that do not open keep the name but lose the target.
  s.non_functional_links = 1;
  const std::wstring dead = file_table_of(s, {{L"/", L"a.txt"}});
  EXPECT_EQ(dead.find(L"href"), std::wstring::npos);
  EXPECT_NE(dead.find(L">a.txt</a>"), std::wstring::npos);
}

TEST(PageFileTableHeader, LeftOutWhenSuppressedOrRepeatedUnderTheFolders) {
  build_settings s = one_folder_settings();
  const std::vector<page_file> files = {{L"/", L"a.txt"}};
  EXPECT_EQ(count_of(file_table_of(s, files), L"<b>File</b>"), 2u);  // one per column
  s.suppress_name_size_tr = 1;
  EXPECT_EQ(count_of(file_table_of(s, files), L"<th"), 0u);
  s.suppress_name_size_tr = 0;
  s.supress_headers = 1;
  EXPECT_EQ(count_of(file_table_of(s, files), L"<th"), 0u);
  // A one-page recursive build repeats the header under each folder row
  // instead of once on top.
  s.supress_headers = 0;
  s.recursive_build = 1;
  EXPECT_EQ(count_of(file_table_of(s, files), L"<th"), 0u);
}

TEST(PageFileTableSubsections, EachFolderStartsItsOwnRowsUnderItsOwnRow) {
  build_settings s = testing::grouped_settings();
  s.file_columns2 = 2;
  s.repeat_anchor_headers = 0;
  const std::vector<page_file> files = {
      {L"/", L"top.txt"}, {L"/sub (1)/", L"a.txt"}, {L"/sub (1)/", L"b.txt"}, {L"/z/", L"c.txt"}};
  const std::wstring t = file_table_of(s, files, true);
  // A subsection row for the top folder and for each folder below it, with
  // identifiers the anchor table links to.
  EXPECT_NE(t.find(L"ID_"), std::wstring::npos) << t;
  EXPECT_NE(t.find(L"IDsub__1_"), std::wstring::npos) << t;
  EXPECT_NE(t.find(L"IDz"), std::wstring::npos) << t;
  EXPECT_NE(t.find(L"&lt;root&gt;"), std::wstring::npos);
  // top.txt's row is closed, filled, before the next folder's row: it does
  // not share a row with a.txt even though two files fit a row.
  const size_t top = t.find(L"top.txt</a>");
  const size_t a = t.find(L"a.txt</a>");
  ASSERT_NE(top, std::wstring::npos);
  ASSERT_NE(a, std::wstring::npos);
  EXPECT_NE(t.substr(top, a - top).find(L"<td></td><td></td></tr>"), std::wstring::npos) << t;
  // a.txt and b.txt, of one folder, share a row.
  const size_t b = t.find(L"b.txt</a>");
  EXPECT_EQ(t.substr(a, b - a).find(L"</tr>"), std::wstring::npos) << t;
}

}  // namespace
}  // namespace tabulon
