#include "ui/deletion_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/wide_string.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::temp_dir;
using testing::wide;

TEST(DeletionReport, DeletesEveryListedFileAndReportsTheCount) {
  temp_dir dir;
  const std::vector<std::wstring> pages = {wide(dir.write("index.html", "a")),
                                           wide(dir.write("sub/index.html", "b"))};
  dir.write("sub/keep.txt", "k");
  const deletion_outcome out = delete_written_files(pages);
  EXPECT_EQ(out.deleted, 2);
  EXPECT_EQ(out.failed, 0);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "index.html"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "sub/index.html"));
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "sub/keep.txt"));
  interface_text_table texts;
  EXPECT_EQ(deletion_report_text(out, texts), L" \r\nFiles deleted: 2\r\n");
  EXPECT_EQ(deletion_report_caption(texts), L"Deletion results...");
}

TEST(DeletionReport, FilesGoneByHandCountAsFailures) {
  temp_dir dir;
  const std::wstring kept = wide(dir.write("a/index.html", "a"));
  const std::wstring gone1 = wide(dir.path() / "b/index.html");
  const std::wstring gone2 = wide(dir.path() / "c/index.html");
  interface_text_table texts;

  deletion_outcome some = delete_written_files({gone1, kept, gone2});
  EXPECT_EQ(some.deleted, 1);
  EXPECT_EQ(some.failed, 2);
  EXPECT_EQ(deletion_report_text(some, texts),
            L" \r\nFiles deleted: 1\r\n\nFailed deletions: 2      ");

  // Everything already removed: the list is the same, nothing left to delete.
  deletion_outcome none = delete_written_files({gone1, kept, gone2});
  EXPECT_EQ(none.deleted, 0);
  EXPECT_EQ(none.failed, 3);
  EXPECT_EQ(deletion_report_text(none, texts),
            L" \r\nFiles deleted: 0\r\n\nFailed deletions: 3      ");
}

TEST(DeletionReport, AFolderInTheListIsLeftAloneAndAListedFileDeletedOnlyOnce) {
  temp_dir dir;
  const std::wstring folder = wide(dir.mkdir("empty"));
  const std::wstring page = wide(dir.write("index.html", "a"));
  const deletion_outcome out = delete_written_files({folder, page, page});
  EXPECT_EQ(out.deleted, 1);
  EXPECT_EQ(out.failed, 2);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "empty"));
}

TEST(DeletionReport, ALanguageFileRewordsTheReport) {
  interface_text_table texts;
  texts[ui_text::deleted_files_files_deleted].text = L"Gelöscht: ";
  texts[ui_text::deleted_files_failed_deletions].text = L"Fehler: ";
  texts[ui_text::deleted_files_deletion_results].text = L"Ergebnis";
  EXPECT_EQ(deletion_report_text({4, 1}, texts), L" \r\nGelöscht: 4\r\n\nFehler: 1      ");
  EXPECT_EQ(deletion_report_caption(texts), L"Ergebnis");
}

}  // namespace
}  // namespace tabulon
