#include "ui/choosers.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(choosers, script_chooser_starts_at_the_current_script_or_insert_txt) {
  file_chooser c = script_chooser(L"", L"/opt/tabulon/", posix_path_style);
  EXPECT_EQ(c.start_folder, L"/opt/tabulon/");
  EXPECT_EQ(c.start_name, L"insert.txt");
  EXPECT_EQ(c.filter, L"Text Files|*.txt;*.tabulon");
  EXPECT_EQ(c.default_extension, L"txt");
  EXPECT_TRUE(c.must_exist);
  c = script_chooser(L"Scripts/tan.txt", L"/opt/tabulon/", posix_path_style);
  EXPECT_EQ(c.start_folder, L"/opt/tabulon/Scripts/");
  EXPECT_EQ(c.start_name, L"tan.txt");
  c = script_chooser(L"/home/me/my.txt", L"/opt/tabulon/", posix_path_style);
  EXPECT_EQ(c.start_folder, L"/home/me/");
}

TEST(choosers, program_choosers_offer_exe_files_only_on_windows) {
  EXPECT_EQ(program_chooser(L"", windows_path_style).filter, L"Executable Files|*.exe|");
  const file_chooser c = program_chooser(L"/usr/bin/firefox", posix_path_style);
  EXPECT_EQ(c.filter, L"Executable Files|*|");
  EXPECT_EQ(c.start_folder, L"/usr/bin/");
  EXPECT_EQ(c.start_name, L"firefox");
}

TEST(choosers, configuration_choosers_start_at_the_last_file) {
  const file_chooser read = config_read_chooser(L"/home/me/site.init");
  EXPECT_EQ(read.filter, L".init Files|*.init;*.ini|");
  EXPECT_EQ(read.default_extension, L"init");
  EXPECT_EQ(read.start_folder, L"/home/me/");
  EXPECT_EQ(read.start_name, L"site.init");
  EXPECT_TRUE(read.must_exist);
  EXPECT_FALSE(read.overwrite_prompt);
  const file_chooser write = config_write_chooser(L"C:\\t\\custom.init");
  EXPECT_TRUE(write.overwrite_prompt);
  EXPECT_EQ(write.start_folder, L"C:\\t\\");
  EXPECT_EQ(output_file_chooser().start_name, L"index.html");
  EXPECT_EQ(output_file_chooser().filter, L"Hypertext Files|*.html;*.shtml;*.htm|All Files|*.*||");
}

}  // namespace
}  // namespace tabulon
