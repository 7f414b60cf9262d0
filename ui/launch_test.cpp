#include "ui/launch.h"

#include <gtest/gtest.h>

#include "base/wide_string.h"
#include "platform/app_folders.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::recording_shell;
using testing::scripted_prompts;

TEST(LaunchPaths, InstalledProgramFindsHelpPagesInItsDataFolder) {
  testing::temp_dir dir;
  const std::wstring data = from_native((dir.path() / "share").string()) + L"/";
  const std::wstring user = from_native((dir.path() / "user").string()) + L"/";
  dir.write("share/help/help_sort.html", "<p>sort</p>");
  const scoped_app_folders folders(installed_folders(L"/usr/bin/", data, user));
  EXPECT_EQ(help_page_path(2, user, posix_path_style), data + L"help/help_sort.html");
}

TEST(LaunchPaths, OutputFileRules) {
  const auto windows = [](std::wstring_view folder, std::wstring_view name) {
    return output_file_path(folder, name, L"D:\\Tools\\", windows_path_style);
  };
  const auto posix = [](std::wstring_view folder, std::wstring_view name) {
    return output_file_path(folder, name, L"/opt/", posix_path_style);
  };
  // Second character a colon: used as it stands.
  EXPECT_EQ(windows(L"C:\\site", L"E:\\out\\index.html"), L"E:\\out\\index.html");
  // A leading separator: the program folder's drive in front.
  EXPECT_EQ(windows(L"C:\\site", L"\\out\\index.html"), L"D:\\out\\index.html");
  // Anything else joins the folder, with one separator between.
  EXPECT_EQ(windows(L"C:\\site", L"index.html"), L"C:\\site\\index.html");
  EXPECT_EQ(windows(L"C:\\site\\", L"sub\\i.html"), L"C:\\site\\sub\\i.html");
  // Without drives a leading separator is a full path.
  EXPECT_EQ(posix(L"/srv/site", L"/tmp/i.html"), L"/tmp/i.html");
  for (const wchar_t* folder : {L"/srv/site", L"/srv/site/"})
    EXPECT_EQ(posix(folder, L"index.html"), L"/srv/site/index.html");
  EXPECT_EQ(posix(L"/", L"index.html"), L"/index.html");
}

TEST(LaunchPaths, ScriptsAndParameters) {
  EXPECT_EQ(script_file_path(L"Scripts\\tan.txt", L"/opt/t/", posix_path_style),
            L"/opt/t/Scripts/tan.txt");
  EXPECT_EQ(script_file_path(L"/home/u/my.txt", L"/opt/t/", posix_path_style), L"/home/u/my.txt");
  EXPECT_EQ(script_file_path(L"E:\\s.txt", L"C:\\t\\", windows_path_style), L"E:\\s.txt");
  EXPECT_EQ(launch_parameter(L"C:\\my site\\a.html", windows_path_style),
            L"\"C:\\my site\\a.html\"");
  // On POSIX the path is one argument already; quotes would become part of it.
  EXPECT_EQ(launch_parameter(L"/my site/a.html", posix_path_style), L"/my site/a.html");
}

TEST(LaunchPaths, HelpPagesFollowThePageOrder) {
  const wchar_t* expected[] = {L"help_folders.html", L"help_misc.html",      L"help_sort.html",
                               L"help_sort.html",    L"help_recursive.html", L"help_io.html",
                               L"tabulon_help.html", L"help_license.html",   L"tabulon_help.html"};
  for (int i = 0; i < static_cast<int>(option_page::count); ++i) {
    EXPECT_EQ(help_page_name(i), expected[i]) << i;
  }
  EXPECT_EQ(help_page_name(-1), L"tabulon_help.html");
  EXPECT_EQ(help_page_name(42), L"tabulon_help.html");
  EXPECT_EQ(help_page_path(4, L"/opt/t/", posix_path_style), L"/opt/t/help/help_recursive.html");
  EXPECT_EQ(help_page_path(5, L"C:\\t\\", windows_path_style), L"C:\\t\\help\\help_io.html");
}

class LaunchCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    site = from_native(dir.mkdir("site").string());
    dir.write("site/index.html", "<p>x</p>");
    dir.write("prog/Scripts/tan.txt", "/HEAD\n");
    settings.program_folder = from_native((dir.path() / "prog").string()) + L"/";
    settings.path = site;
  }
  testing::temp_dir dir;
  std::wstring site;
  build_settings settings;
  interface_text_table texts;
  scripted_prompts ui;
  recording_shell shell;
};

TEST_F(LaunchCommands, OutputFileOpensWithTheDefaultHandlerOrTheBrowser) {
  EXPECT_TRUE(launch_output_file(settings, texts, ui, shell));
  settings.default_browser = L"/usr/bin/firefox";
  EXPECT_TRUE(launch_output_file(settings, texts, ui, shell));
  ASSERT_EQ(shell.calls.size(), 2u);
  EXPECT_EQ(shell.calls[0].program, L"");
  EXPECT_EQ(shell.calls[0].parameter, site + L"/index.html");
  EXPECT_EQ(shell.calls[1].program, L"/usr/bin/firefox");
  EXPECT_EQ(shell.calls[1].parameter, site + L"/index.html");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LaunchCommands, MissingFilesAreReportedAndNothingStarts) {
  settings.output_filename = L"none.html";
  EXPECT_FALSE(launch_output_file(settings, texts, ui, shell));
  EXPECT_FALSE(edit_script_file(settings, L"Scripts/gone.txt", texts, ui, shell));
  EXPECT_FALSE(edit_script_file(settings, L"", texts, ui, shell));
  // A folder is no file to open.
  EXPECT_FALSE(edit_script_file(settings, L"Scripts", texts, ui, shell));
  ASSERT_EQ(ui.messages.size(), 4u);
  EXPECT_EQ(ui.messages[0].text, L"File Not Found: " + site + L"/none.html");
  EXPECT_EQ(ui.messages[0].caption, L"Output file does not exist");
  EXPECT_EQ(ui.messages[1].text,
            L"File Not Found: " + settings.program_folder + L"Scripts/gone.txt");
  EXPECT_TRUE(shell.calls.empty());

  // The texts come from the interface table, so a language file replaces them.
  texts[ui_text::output_file_error_output_file_not_found].text = L"Datei fehlt: ";
  launch_output_file(settings, texts, ui, shell);
  EXPECT_TRUE(ui.messages.back().text.starts_with(L"Datei fehlt: "));
}

TEST_F(LaunchCommands, ScriptsOpenInTheEditorAndFailuresAreReported) {
  settings.default_text_editor = L"mousepad";
  EXPECT_TRUE(edit_script_file(settings, L"Scripts\\tan.txt", texts, ui, shell));
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].program, L"mousepad");
  EXPECT_EQ(shell.calls[0].parameter, settings.program_folder + L"Scripts/tan.txt");

  shell.succeed = false;
  EXPECT_FALSE(edit_script_file(settings, L"Scripts/tan.txt", texts, ui, shell));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            L"\"" + settings.program_folder + L"Scripts/tan.txt\" cannot be opened by Windows");
  EXPECT_EQ(ui.messages[0].caption, L"Error");
}

TEST_F(LaunchCommands, HelpOpensThePageOfTheActivePage) {
  EXPECT_TRUE(open_help_page(settings, 1, ui, shell));
  EXPECT_EQ(shell.calls.back().parameter, settings.program_folder + L"help/help_misc.html");
  shell.succeed = false;
  settings.default_browser = L"no-such-browser";
  EXPECT_FALSE(open_help_page(settings, 0, ui, shell));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, L"Failed to launch help file:\n" + settings.program_folder +
                                     L"help/help_folders.html\n\nCheck the default browser on the "
                                     L"Input/Output page.");
  EXPECT_EQ(ui.messages[0].caption, L"Error");
}

}  // namespace
}  // namespace tabulon
