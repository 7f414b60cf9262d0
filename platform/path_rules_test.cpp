#include "platform/path_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace tabulon {
namespace {

constexpr path_style win = windows_path_style;
constexpr path_style posix = posix_path_style;

TEST(PathRules, ResolveInProgramFolderWindowsStyle) {
  const std::wstring folder = L"c:\\Tools\\tabulon\\";
  // Relative: joined to the folder, whose drive letter is made upper case. A
  // single leading backslash does not make a path absolute for this rule.
  for (const std::wstring name : {L"site.init", L"", L"Scripts\\tan.txt", L"\\Scripts\\tan.txt"})
    EXPECT_EQ(resolve_in_program_folder(name, folder, win), L"C:\\Tools\\tabulon\\" + name);
  // Absolute: a colon anywhere, or two leading backslashes; returned as given.
  for (const wchar_t* name :
       {L"C:\\configs\\site.init", L"e:\\x.txt", L"\\\\server\\share\\a.init", L"odd:name"})
    EXPECT_EQ(resolve_in_program_folder(name, folder, win), name);
}

TEST(PathRules, ResolveInProgramFolderPosixStyle) {
  const std::wstring folder = L"/opt/tabulon/";
  // No drives here: a colon is an ordinary character, the first letter stays.
  for (const std::wstring name : {L"site.init", L"", L"a:b.init"})
    EXPECT_EQ(resolve_in_program_folder(name, folder, posix), folder + name);
  // Windows-written names keep working: "\" reads as "/". As on Windows, one
  // leading backslash does not make a path absolute here.
  EXPECT_EQ(resolve_in_program_folder(L"Scripts\\tan.txt", folder, posix),
            L"/opt/tabulon/Scripts/tan.txt");
  EXPECT_EQ(resolve_in_program_folder(L"\\Scripts\\tan.txt", folder, posix),
            L"/opt/tabulon//Scripts/tan.txt");
  EXPECT_EQ(resolve_in_program_folder(L"/etc/site.init", folder, posix), L"/etc/site.init");
  EXPECT_EQ(resolve_in_program_folder(L"x", L"", posix), L"x");
}

TEST(PathRules, GiveDriveOfProgramFolder) {
  const std::wstring folder = L"D:\\Programs\\tabulon\\";
  // Only a path from the root of the current drive gets the folder's drive.
  EXPECT_EQ(give_drive_of_program_folder(L"\\site\\index.html", folder, win),
            L"D:\\site\\index.html");
  for (const wchar_t* kept :
       {L"\\\\server\\share\\index.html", L"E:\\x.txt", L"index.html", L"\\", L""})
    EXPECT_EQ(give_drive_of_program_folder(kept, folder, win), kept);
  // Paths without drives have nothing to gain.
  for (const wchar_t* kept : {L"/web/index.html", L"\\site\\index.html"})
    EXPECT_EQ(give_drive_of_program_folder(kept, L"/opt/t/", posix), kept);
}

}  // namespace
}  // namespace tabulon
