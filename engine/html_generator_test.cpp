#include "engine/html_generator.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/wide_string.h"
#include "engine/page_state.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::temp_dir;

// Settings for a one-file-per-folder build of `root` with an empty script.
build_settings per_folder_settings(const std::filesystem::path& root) {
  build_settings s;
  s.path = from_native(root.string());
  s.recursive_build = 1;
  s.recursive_build_single_file = 1;
  s.reload_script = 0;
  s.title = L"%%DIR";
  return s;
}

// A root with a file and a subfolder holding another: two pages per build.
void write_file_and_subfolder(const temp_dir& dir) {
  dir.write("a.txt", "x");
  dir.write("sub/b.txt", "x");
}

TEST(HtmlGenerator, PerFolderBuildRestoresTheSettingsItChanges) {
  temp_dir dir;
  write_file_and_subfolder(dir);
  build_settings s = per_folder_settings(dir.path());
  s.include_subfolders = 0;
  s.supress_parent_link = 1;
  s.multi_recurse_title = title_folder;
  const std::wstring path = s.path;

  html_generator generator(s);
  EXPECT_EQ(generator.build_from_root(nullptr), 2);
  EXPECT_EQ(generator.pages_written, 2);
  ASSERT_EQ(generator.written_files.size(), 2u);
  EXPECT_EQ(generator.written_files[0], path + L"/index.html");
  EXPECT_EQ(generator.last_output_path, path + L"/sub/index.html");
  EXPECT_EQ(s.path, path);
  EXPECT_EQ(s.title, L"%%DIR");
  EXPECT_EQ(s.include_subfolders, 0);
  EXPECT_EQ(s.supress_parent_link, 1);
  EXPECT_EQ(s.recursion_root, path);
}

TEST(HtmlGenerator, CancellingKeepsThePagesAlreadyWritten) {
  temp_dir dir;
  dir.write("a.txt", "x");
  dir.write("b/b.txt", "x");
  dir.write("c/c.txt", "x");
  build_settings s = per_folder_settings(dir.path());

  build_progress progress;
  progress.notify = 1;
  progress.callback = [](build_progress& p) {
    if (ends_with(p.current_folder, L"/b")) p.cancelled = true;
  };
  html_generator generator(s);
  generator.build_from_root(&progress);
  EXPECT_TRUE(progress.cancelled);
  ASSERT_EQ(generator.written_files.size(), 1u);  // the root's page, written before b
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "index.html"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "b" / "index.html"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "c" / "index.html"));
}

TEST(HtmlGenerator, ColumnCountsAreClampedAndAnEmptyRootWritesNothing) {
  temp_dir dir;
  build_settings s = per_folder_settings(dir.path());
  s.recursive_build = 0;
  s.file_columns2 = 25;
  s.folder_columns2 = 0;
  html_generator generator(s);
  EXPECT_EQ(generator.build(nullptr), 0);
  EXPECT_TRUE(generator.written_files.empty());
  EXPECT_EQ(s.file_columns2, 20);
  EXPECT_EQ(s.folder_columns2, 1);

  s.path.clear();
  EXPECT_EQ(generator.build(nullptr), 0);
}

TEST(HtmlGenerator, APageThatCannotBeWrittenIsRecordedAndTheBuildGoesOn) {
  temp_dir dir;
  dir.write("a/a.txt", "x");
  dir.write("b/b.txt", "x");
  dir.mkdir("a/index.html");  // a folder where a's page would go
  build_settings s = per_folder_settings(dir.path());
  html_generator generator(s);
  EXPECT_EQ(generator.build_from_root(nullptr), 3);  // the root, a/index.html/ and b/
  ASSERT_EQ(generator.failed_pages.size(), 1u);
  EXPECT_EQ(generator.failed_pages[0].path(), s.path + L"/a/index.html");
  EXPECT_EQ(generator.failed_pages[0].action(), L"open");
  EXPECT_TRUE(generator.not_started.ok());
}

TEST(HtmlGenerator, ABuildThatCannotStartSaysWhy) {
  temp_dir dir;
  build_settings s = per_folder_settings(dir.path() / "missing");
  html_generator generator(s);
  EXPECT_EQ(generator.build_from_root(nullptr), 0);
  EXPECT_EQ(generator.not_started.action(), L"open folder");
  EXPECT_EQ(generator.not_started.path(), s.path);

  s.path = from_native(dir.path().string());
  s.skip_folders = s.path;
  EXPECT_EQ(generator.build(nullptr), 0);
  EXPECT_NE(generator.not_started.reason().find(L"skip_folders"), std::wstring::npos);
  EXPECT_TRUE(generator.failed_pages.empty());
}

TEST(HtmlGenerator, ALinkBackUpTheTreeEndsTheWalk) {
  temp_dir dir;
  dir.write("a/a.txt", "x");
  std::filesystem::create_directory_symlink(dir.path(), dir.path() / "a" / "up");
  build_settings s = per_folder_settings(dir.path());
  html_generator generator(s);
  EXPECT_EQ(generator.build_from_root(nullptr), 2);  // the root and a/, once each
  for (const std::wstring& page : generator.written_files)
    EXPECT_EQ(page.find(L"/up/"), std::wstring::npos) << to_native(page);
}

TEST(HtmlGenerator, EveryPageSeesTheScriptAsItIsOnDisk) {
  temp_dir dir;
  dir.write("tree/a.txt", "x");
  dir.write("tree/b/b.txt", "x");
  const auto script = dir.write("script.txt", "/START\n<p>first</p>\n");
  build_settings s = per_folder_settings(dir.path() / "tree");
  s.reload_script = 1;
  s.custom_html_filename = from_native(script.string());

  build_progress progress;
  progress.notify = 1;
  progress.callback = [&](build_progress& p) {
    if (ends_with(p.current_folder, L"/b"))
      dir.write("script.txt", "/START\n<p>second, longer</p>\n");
  };
  html_generator generator(s);
  EXPECT_EQ(generator.build_from_root(&progress), 2);
  EXPECT_NE(testing::read_bytes(dir.path() / "tree" / "index.html").find("<p>first</p>"),
            std::string::npos);
  EXPECT_NE(
      testing::read_bytes(dir.path() / "tree" / "b" / "index.html").find("<p>second, longer</p>"),
      std::string::npos);
}

TEST(HtmlGeneratorAssembly, OneShotStateIsSpentAndTheBufferEmptyAfterABuild) {
  temp_dir dir;
  write_file_and_subfolder(dir);
  build_settings s = per_folder_settings(dir.path());
  s.multi_recurse_skip_root = 1;

  html_generator generator(s);
  // Only the subfolder gets a page: the skip was meant for the root alone.
  EXPECT_EQ(generator.build_from_root(nullptr), 1);
  ASSERT_EQ(generator.written_files.size(), 1u);
  EXPECT_EQ(generator.written_files[0], s.path + L"/sub/index.html");
  const page_state probe(generator, s.path);  // page assembly's view of the generator
  const page_assembly& assembly = probe.assembly;
  EXPECT_FALSE(assembly.skip_next_page);
  EXPECT_FALSE(assembly.framed_page);
  EXPECT_EQ(assembly.page_dir, nullptr);
  EXPECT_TRUE(assembly.page_dir_path.empty());
  EXPECT_TRUE(assembly.page_text.empty());
  EXPECT_TRUE(assembly.subfolders_of.empty());

  // A second build on the same generator writes the same page again.
  EXPECT_EQ(generator.build_from_root(nullptr), 1);
  EXPECT_EQ(generator.written_files.back(), s.path + L"/sub/index.html");
}

}  // namespace
}  // namespace tabulon
