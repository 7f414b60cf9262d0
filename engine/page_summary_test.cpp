// Page assembly of the end of a page: the sections around the summary, the
// closing tags, the totals put into the finished page, and write_page's
// decision to write a page at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/wide_string.h"
#include "engine/page_state.h"
#include "tests/support/page_fixture.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::holds;

// The finished bytes of a page whose text is `text`, with the page's totals
// put in, read back as wide text (the page is UTF-8).
std::wstring with_totals(build_settings& s, const std::wstring& text, int32_t folders,
                         int32_t files, uint64_t total_size) {
  testing::page_under_test p(s);
  p.page.folder_count = folders;
  p.page.file_count = files;
  p.page.total_size = total_size;
  p.page.assembly.page_text = text;
  p.page.flush_text();
  fill_in_totals(p.page);
  return utf8_to_wide(p.page.out.bytes());
}

TEST(PageTotals, EachCountGoesWhereItsMarkerStands) {
  build_settings s = testing::page_settings();
  const std::wstring marks = L"[%%TOTAL_FILES%|%%TOTAL_FOLDERS%|%%TOTAL_FILE_SIZE%]";
  EXPECT_EQ(with_totals(s, marks + L"\n" + marks, 3, 1234, 5 * 1024 * 1024 + 700),
            L"[1,234|3|5,120&nbsp;K]\r\n[1,234|3|5,120&nbsp;K]");

  // The summary names the folders, the files and their size; a page without
  // files leaves the file lines out, and one without its marker gets none.
  EXPECT_EQ(with_totals(s, L"%%SUMMARY", 2, 1500, 2048),
            L"\r\n<p>\r\nFolders:  2<br>\r\nFiles: 1,500<br>\r\nSize of all files: 2 K</p>");
  EXPECT_EQ(with_totals(s, L"%%SUMMARY", 2, 0, 0), L"\r\n<p>\r\nFolders:  2<br>\r\n</p>");
  EXPECT_EQ(with_totals(s, L"<p>no summary</p>", 2, 10, 10), L"<p>no summary</p>");

  s.insert_commas = 0;
  s.file_size_display_type = 0;
  EXPECT_EQ(with_totals(s, marks, 3, 1234, 5000), L"[1234|3|5000]");
}

TEST(PageEnd, SectionsAroundTheSummaryMarkerAndTheClosingTags) {
  build_settings s = testing::page_settings();
  s.file_spec = L"*.txt";
  s.script[sec::before_summary] = L"<hr class=\"c%%COLUMNS%\">\n";
  s.script[sec::end] = L"<p>%%SPEC</p>";
  s.include_summary = 1;
  s.file_columns2 = 2;  // as the column-wise file table may leave it

  build_progress progress;
  int notified = 0;
  progress.notify = 1;
  progress.callback = [&](build_progress&) { ++notified; };
  progress.rows_total = 40;

  testing::page_under_test p(s);
  p.gen.progress = &progress;
  p.page.kept_file_columns = 3;
  p.page.current_columns = 3;
  write_page_end(p.page);
  EXPECT_EQ(p.text(), L"<hr class=\"c3\">\n%%SUMMARY<p>*.txt</p>\n\n</body>\n</html>");
  EXPECT_EQ(s.file_columns2, 3);  // the configured count is back for the next page
  EXPECT_EQ(progress.phase, phase_writing_rows);
  EXPECT_EQ(progress.rows_done, 40);
  EXPECT_EQ(notified, 1);

  s.include_summary = 0;
  s.script = {};
  EXPECT_EQ(testing::assembled(s, L"/x", write_page_end), L"\n\n</body>\n</html>");
}

// Settings of a one-folder page of `dir` whose script the test sets (none is read).
build_settings written_page_settings(const testing::temp_dir& dir) {
  build_settings s = testing::page_settings();
  s.path = from_native(dir.path().string());
  s.recursive_build = 0;
  s.reload_script = 0;
  return s;
}

TEST(PageWrite, TheTotalsCountTheFolderAndItsFiles) {
  testing::temp_dir dir;
  dir.write("a/a.txt", std::string(1000, 'a'));
  dir.write("b.txt", std::string(2048, 'b'));
  dir.write("c.txt", std::string(1024, 'c'));
  build_settings s = written_page_settings(dir);
  s.include_subfolders = 1;
  s.supress_parent_link = 0;
  s.include_summary = 1;
  s.script[sec::end] = L"<p>[%%TOTAL_FILES%|%%TOTAL_FOLDERS%|%%TOTAL_FILE_SIZE%]</p>";

  html_generator gen(s);
  ASSERT_TRUE(gen.write_page(s.path));
  const std::wstring page = utf8_to_wide(testing::read_bytes(dir.path() / "index.html"));
  // Two files of the folder itself; the subfolder and the parent link count
  // as folders.
  EXPECT_TRUE(holds(page, L"<p>[2|2|3&nbsp;K]</p>"));
  EXPECT_TRUE(holds(page, L"Folders:  2<br>\r\nFiles: 2<br>\r\nSize of all files: 3 K</p>"));
  EXPECT_EQ(page.find(L"%%"), std::wstring::npos);
  EXPECT_EQ(gen.last_output_path, s.path + L"/index.html");
}

TEST(PageWrite, AnEmptyFolderGetsAPageOnlyAsAFramePage) {
  testing::temp_dir dir;
  build_settings s = written_page_settings(dir);
  html_generator gen(s);
  EXPECT_FALSE(gen.write_page(s.path));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "index.html"));
  EXPECT_TRUE(gen.last_output_path.empty());

  EXPECT_EQ(gen.build_with_frame_page(nullptr), 1);
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "index.html"));
  // The frame page was the one page: the next one is an ordinary page again.
  std::filesystem::remove(dir.path() / "index.html");
  EXPECT_EQ(gen.build(nullptr), 0);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "index.html"));
}

}  // namespace
}  // namespace tabulon
