#include "platform/path_rules.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

constexpr path_style win = windows_path_style;
constexpr path_style posix = posix_path_style;

TEST(PathRules, ResolveInProgramFolderWindowsStyle) {
  const std::wstring folder = L"c:\\Tools\\tabulon\\";
  EXPECT_EQ(resolve_in_program_folder(L"site.init", folder, win), L"C:\\Tools\\tabulon\\site.init");
  EXPECT_EQ(resolve_in_program_folder(L"", folder, win), L"C:\\Tools\\tabulon\\");
  EXPECT_EQ(resolve_in_program_folder(L"Scripts\\tan.txt", folder, win),
            L"C:\\Tools\\tabulon\\Scripts\\tan.txt");
  // Absolute: a colon anywhere, or two leading backslashes; returned as given.
  EXPECT_EQ(resolve_in_program_folder(L"C:\\configs\\site.init", folder, win),
            L"C:\\configs\\site.init");
  EXPECT_EQ(resolve_in_program_folder(L"e:\\x.txt", folder, win), L"e:\\x.txt");
  EXPECT_EQ(resolve_in_program_folder(L"\\\\server\\share\\a.init", folder, win),
            L"\\\\server\\share\\a.init");
  EXPECT_EQ(resolve_in_program_folder(L"odd:name", folder, win), L"odd:name");
  // A single leading backslash is not absolute for this rule.
  EXPECT_EQ(resolve_in_program_folder(L"\\Scripts\\tan.txt", folder, win),
            L"C:\\Tools\\tabulon\\\\Scripts\\tan.txt");
}

TEST(PathRules, ResolveInProgramFolderPosixStyle) {
  const std::wstring folder = L"/opt/tabulon/";
  EXPECT_EQ(resolve_in_program_folder(L"site.init", folder, posix), L"/opt/tabulon/site.init");
  EXPECT_EQ(resolve_in_program_folder(L"", folder, posix), folder);
  EXPECT_EQ(resolve_in_program_folder(L"/etc/site.init", folder, posix), L"/etc/site.init");
  // Windows-written names keep working: "\" reads as "/".
  EXPECT_EQ(resolve_in_program_folder(L"Scripts\\tan.txt", folder, posix),
            L"/opt/tabulon/Scripts/tan.txt");
  // As on Windows, one leading backslash does not make a path absolute here.
  EXPECT_EQ(resolve_in_program_folder(L"\\Scripts\\tan.txt", folder, posix),
            L"/opt/tabulon//Scripts/tan.txt");
  // No drives here: a colon is an ordinary character, the first letter stays.
  EXPECT_EQ(resolve_in_program_folder(L"a:b.init", folder, posix), L"/opt/tabulon/a:b.init");
  EXPECT_EQ(resolve_in_program_folder(L"x", L"", posix), L"x");
}

TEST(PathRules, GiveDriveOfProgramFolder) {
  const std::wstring folder = L"D:\\Programs\\tabulon\\";
  EXPECT_EQ(give_drive_of_program_folder(L"\\site\\index.html", folder, win),
            L"D:\\site\\index.html");
  EXPECT_EQ(give_drive_of_program_folder(L"\\\\server\\share\\index.html", folder, win),
            L"\\\\server\\share\\index.html");
  EXPECT_EQ(give_drive_of_program_folder(L"E:\\x.txt", folder, win), L"E:\\x.txt");
  EXPECT_EQ(give_drive_of_program_folder(L"index.html", folder, win), L"index.html");
  EXPECT_EQ(give_drive_of_program_folder(L"\\", folder, win), L"\\");
  EXPECT_EQ(give_drive_of_program_folder(L"", folder, win), L"");
  EXPECT_EQ(give_drive_of_program_folder(L"/web/index.html", L"/opt/t/", posix),
            L"/web/index.html");
  EXPECT_EQ(give_drive_of_program_folder(L"\\site\\index.html", L"/opt/t/", posix),
            L"\\site\\index.html");
}

}  // namespace
}  // namespace tabulon
