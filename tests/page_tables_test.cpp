// End to end: the folder table and the file table of a page, row by row.
#include <gtest/gtest.h>

#include "tests/support/build_fixture.h"

namespace tabulon::testing {
namespace {

const std::string kSingleFolder = "recursive_build=FALSE\n";

TEST(PageFolderTable, FiveFoldersInFourColumnsFillOrCloseTheSecondRow) {
  build_fixture f;
  for (const char* name : {"f1", "f2", "f3", "f4", "f5"}) f.folder(name);
  const std::string base =
      kSingleFolder + "include_subfolders=TRUE\nfolder_columns2=4\ncolumn_wise_sort=FALSE\n";

  ASSERT_EQ(f.build(base + "rectangular_tables=TRUE\n").exit_status, 0);
  std::string table = between(f.page(), "summary=\"folder table\">", "</table>");
  EXPECT_EQ(count_of(table, "<tr"), 3u);  // header row and two rows
  EXPECT_EQ(count_of(table, "</tr>"), 3u);
  EXPECT_NE(table.find("f5/\">f5</a></td><td></td><td></td><td></td></tr>\r\n"), std::string::npos)
      << table;

  ASSERT_EQ(f.build(base + "rectangular_tables=FALSE\n").exit_status, 0);
  table = between(f.page(), "summary=\"folder table\">", "</table>");
  EXPECT_NE(table.find("f5/\">f5</a></td></tr>\r\n"), std::string::npos) << table;
  EXPECT_EQ(count_of(table, "</tr>"), 3u);
}

TEST(PageFolderTable, ParentLinkOnlyBelowTheRootOfAPerFolderBuild) {
  build_fixture f;
  f.file("a.txt");
  f.file("sub/b.txt");
  ASSERT_EQ(
      f.build("recursive_build=TRUE\nrecursive_build_single_file=TRUE\nsupress_parent_link=FALSE\n"
              "parent_word=UP\n")
          .exit_status,
      0);
  EXPECT_EQ(f.page().find("UP</a>"), std::string::npos);
  EXPECT_NE(f.page("sub/index.html").find("href=\"../index.html\">UP</a>"), std::string::npos);
}

TEST(PageFileTable, SizeDateAndTimeColumnsWithTheirHeaders) {
  build_fixture f;
  f.file("a.txt", std::string(2048, 'x'));
  f.file("b.txt");
  ASSERT_EQ(f.build(kSingleFolder +
                    "file_columns2=1\ninclude_filesize=TRUE\ninclude_date=TRUE\ninclude_time=TRUE\n"
                    "file_size_display_type=1\nk_word=K\n")
                .exit_status,
            0);
  const std::string page = f.page();
  EXPECT_NE(
      page.find(
          "<tr><th><b>File</b></th><th><b>Size</b></th><th colspan=\"2\"><b>Date</b></th></tr>"),
      std::string::npos)
      << page;
  EXPECT_NE(
      page.find(
          "<a href=\"a.txt\">a.txt</a></td><td align=\"right\">2&nbsp;K</td><td align=\"right\">"),
      std::string::npos);
  EXPECT_EQ(count_of(page, "<td align=\"right\""), 6u);  // size, date and time cell of each file

  ASSERT_EQ(f.build(kSingleFolder + "file_columns2=1\ninclude_filesize=FALSE\ninclude_date=TRUE\n"
                                    "include_time=FALSE\n")
                .exit_status,
            0);
  EXPECT_NE(f.page().find("<th><b>Date</b></th>"), std::string::npos);
}

TEST(PageFileTable, ThreeFilesInTwoColumnsFillTheLastRow) {
  build_fixture f;
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) f.file(name);
  ASSERT_EQ(
      f.build(kSingleFolder + "file_columns2=2\ninclude_filesize=TRUE\nrectangular_tables=TRUE\n"
                              "column_wise_sort=FALSE\nsupress_headers=TRUE\n")
          .exit_status,
      0);
  const std::string table = between(f.page(), "summary=\"file table\">", "</table>");
  EXPECT_EQ(count_of(table, "<tr>"), 2u);
  EXPECT_NE(table.find("c.txt</a></td><td align=\"right\">0&nbsp;K</td><td></td><td></td></tr>"),
            std::string::npos)
      << table;
}

TEST(PageFileTable, NonFunctionalLinksAndSuppressedExtensions) {
  build_fixture f;
  f.file("report.final.pdf");
  ASSERT_EQ(
      f.build(kSingleFolder + "non_functional_links=TRUE\nsuppress_extensions=TRUE\n").exit_status,
      0);
  const std::string page = f.page();
  EXPECT_NE(page.find("<a>report.final</a>"), std::string::npos) << page;
  EXPECT_EQ(page.find("href="), std::string::npos);
}

TEST(PageFileTable, GroupedListingWritesASubsectionRowPerFolder) {
  build_fixture f;
  f.file("top.txt");
  f.file("a b/one.txt");
  f.file("a b/c/two.txt");
  ASSERT_EQ(
      f.build("recursive_build=TRUE\nrecursive_build_single_file=FALSE\nsort_folders_first=TRUE\n"
              "show_folder_names=TRUE\nfile_columns2=1\n")
          .exit_status,
      0);
  const std::string page = f.page();
  EXPECT_NE(page.find("<a id=\"IDa_b\"></a>a b</td></tr>"), std::string::npos) << page;
  EXPECT_NE(page.find("<a id=\"IDa_b-c\"></a>a b/c</td></tr>"), std::string::npos);
  // Links of the files below the root carry their folder.
  EXPECT_NE(page.find("href=\"a%20b/c/two.txt\""), std::string::npos);
  EXPECT_EQ(page.find("INSERT_FOLDER_ANCHORS"), std::string::npos);
}

TEST(PageSections, FileMarkerInBeforeSummaryAndTotalsAtTheEnd) {
  build_fixture f;
  f.file("a.txt");
  f.file("b.txt");
  f.dir().write("included.txt", "<p>included text</p>");
  const std::string script =
      f.script("/BEFORE_SUMMARY\n%%FILE" + (f.dir().path() / "included.txt").string() +
               "%\n/END\n<p>%%TOTAL_FILES% files</p>\n");
  ASSERT_EQ(f.build(kSingleFolder + "include_summary=TRUE\n", script).exit_status, 0);
  const std::string page = f.page();
  EXPECT_NE(page.find("<p>included text</p>"), std::string::npos) << page;
  EXPECT_NE(page.find("<p>2 files</p>"), std::string::npos);
  EXPECT_NE(page.find("Files: 2"), std::string::npos);
  EXPECT_EQ(page.find("%%"), std::string::npos);
  EXPECT_EQ(page.substr(page.size() - 20), "\r\n\r\n</body>\r\n</html>");
}

}  // namespace
}  // namespace tabulon::testing
