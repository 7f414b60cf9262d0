#include "app/application.h"

#include <gtest/gtest.h>

#include "base/wide_string.h"
#include "platform/app_folders.h"
#include "platform/current_dir.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

constexpr path_style win = windows_path_style;
constexpr path_style posix = posix_path_style;

TEST(Application, ScriptNameCompletedWindowsStyle) {
  const std::wstring folder = L"C:\\Tools\\tabulon\\";
  EXPECT_EQ(complete_script_name(L"Scripts\\tan.txt", folder, win), folder + L"Scripts\\tan.txt");
  EXPECT_EQ(complete_script_name(L"\\Scripts\\tan.txt", folder, win), L"C:\\Scripts\\tan.txt");
  // Names with a drive, network names and names without a folder stay.
  for (const wchar_t* kept : {L"E:\\x.txt", L"\\\\server\\share\\s.txt", L"x", L""})
    EXPECT_EQ(complete_script_name(kept, folder, win), kept);
}

TEST(Application, ScriptNameCompletedPosixStyle) {
  const std::wstring folder = L"/opt/tabulon/";
  // Either separator; a colon is an ordinary character here.
  for (const wchar_t* name : {L"Scripts\\tan.txt", L"Scripts/tan.txt"})
    EXPECT_EQ(complete_script_name(name, folder, posix), folder + L"Scripts/tan.txt");
  EXPECT_EQ(complete_script_name(L"E:x.txt", folder, posix), folder + L"E:x.txt");
  EXPECT_EQ(complete_script_name(L"\\Scripts\\tan.txt", folder, posix), L"/Scripts/tan.txt");
  EXPECT_EQ(complete_script_name(L"/srv/s.txt", folder, posix), L"/srv/s.txt");
}

TEST(Application, ResultTargetBothStyles) {
  const std::wstring wfolder = L"C:\\Tools\\tabulon\\";
  // A relative name lands in the root folder, closing separator or not.
  for (const wchar_t* root : {L"D:\\web", L"D:\\web\\"})
    EXPECT_EQ(batch_result_target(root, L"index.html", wfolder, win), L"D:\\web\\index.html");
  for (const wchar_t* root : {L"/srv/web", L"/srv/web/"})
    EXPECT_EQ(batch_result_target(root, L"index.html", L"/opt/t/", posix), L"/srv/web/index.html");
  // A name from the root of a drive takes the program folder's drive; other
  // absolute names stay as they are.
  EXPECT_EQ(batch_result_target(L"D:\\web", L"\\site\\index.html", wfolder, win),
            L"C:\\site\\index.html");
  EXPECT_EQ(batch_result_target(L"D:\\web", L"\\\\server\\share\\index.html", wfolder, win),
            L"\\\\server\\share\\index.html");
  EXPECT_EQ(batch_result_target(L"/srv/web", L"/var/www/i.html", L"/opt/t/", posix),
            L"/var/www/i.html");
}

TEST(Application, BatchReadsConfigurationFromProgramFolder) {
  testing::temp_dir program;
  testing::temp_dir elsewhere;
  program.write("site.init",
                "[TABULON]\r\npath=.\r\noutput_filename=list.html\r\n"
                "custom_html_filename=Scripts\\tan.txt\r\n");
  const std::wstring before = current_directory();
  ASSERT_TRUE(set_current_directory(from_native(elsewhere.path().string())));
  const std::wstring here = current_directory();

  application app(from_native(program.path().string()) + L"/");
  const batch_result r = app.run_batch(L"\"site.init\"");
  EXPECT_TRUE(r.config.ok);
  EXPECT_EQ(app.settings.path, here);  // "." is where the program was started
  EXPECT_EQ(current_directory(), here);
  EXPECT_EQ(app.settings.unattended, 1);
  EXPECT_EQ(app.settings.output_filename, L"list.html");
  EXPECT_EQ(app.settings.custom_html_filename, app.program_folder + L"Scripts/tan.txt");
  EXPECT_TRUE(r.opened.empty());

  // A path with only its leading quote fails to read; the build still runs.
  application unquoted(app.program_folder);
  const batch_result u = unquoted.run_batch(L"\"site.init");
  EXPECT_FALSE(u.config.ok);
  EXPECT_NE(u.config.path.find(L"\"site.init"), std::wstring::npos);
  ASSERT_TRUE(set_current_directory(before));
}

TEST(Application, InstalledProgramTakesShippedScriptsUntilTheUserHasOwn) {
  testing::temp_dir root;
  root.write("usr/share/tabulon/Scripts/tan.txt", "/HEAD\n");
  const app_folders folders = app_folders_for(from_native(root.mkdir("usr/bin").string()),
                                              from_native((root.path() / "cfg").string()));
  ASSERT_TRUE(folders.installed());
  const scoped_app_folders active(folders);

  application shipped(folders.user);
  EXPECT_EQ(shipped.dialog_paths.scripts_folder, folders.data + L"Scripts/");
  EXPECT_EQ(complete_script_name(L"Scripts\\tan.txt", folders.user),
            folders.data + L"Scripts/tan.txt");
  EXPECT_EQ(shipped.dialog_paths.folder, folders.user) << "configurations are saved there";

  root.write("cfg/tabulon/Scripts/tan.txt", "/HEAD\n");
  application own(folders.user);
  EXPECT_EQ(own.dialog_paths.scripts_folder, folders.user + L"Scripts/");
  EXPECT_EQ(complete_script_name(L"Scripts/tan.txt", folders.user),
            folders.user + L"Scripts/tan.txt");
}

TEST(Application, ExitStatusAndReportFollowWhatTheBuildWrote) {
  build_result all;
  all.written_files = {L"/t/index.html", L"/t/a/index.html"};
  EXPECT_EQ(batch_exit_status(all), 0);
  EXPECT_TRUE(batch_report_lines(all, L"/t").empty());

  build_result some = all;
  some.failed_pages.push_back(
      status::error(L"open", L"/t/b/index.html", L"for writing", L"Is a directory"));
  EXPECT_EQ(batch_exit_status(some), 2);
  EXPECT_EQ(
      batch_report_lines(some, L"/t"),
      std::vector<std::wstring>{L"cannot open \"/t/b/index.html\" for writing: Is a directory"});

  build_result none;
  none.failed_pages = some.failed_pages;
  EXPECT_EQ(batch_exit_status(none), 1);
  EXPECT_EQ(batch_report_lines(none, L"/t").size(), 1u);  // the failure is the reason

  build_result refused;
  refused.not_started = status::error(L"build", L"", L"", L"no root folder is set");
  EXPECT_EQ(batch_exit_status(refused), 1);
  EXPECT_EQ(batch_report_lines(refused, L""),
            std::vector<std::wstring>{L"no page was written: cannot build: no root folder is set"});

  const auto empty = batch_report_lines(build_result{}, L"/t");
  ASSERT_EQ(empty.size(), 1u);
  EXPECT_NE(empty[0].find(L"no matching files or folders were found in \"/t\""),
            std::wstring::npos);
}

// Interactive start-up makes the program folder current and reads its
// "tabulon.init"; Exit writes the three files there, whatever the current
// directory has become in between.
TEST(Application, InteractiveStartReadsAndExitWritesTheProgramFolderFiles) {
  testing::temp_dir dir;
  const std::wstring folder = from_native(dir.path().string()) + L"/";
  dir.write("tabulon.init", "[TABULON]\r\ntitle=From the folder\r\nactive_page=4\r\n");
  const std::wstring before = current_directory();
  application app(folder);
  EXPECT_TRUE(app.start_interactive().ok);
  EXPECT_EQ(app.settings.title, L"From the folder");
  EXPECT_EQ(app.settings.active_page, 4);
  EXPECT_EQ(app.settings.current_config_path, folder + L"tabulon.init");
  std::wstring here = current_directory();
  if (!here.empty() && here.back() != L'/') here += L'/';
  EXPECT_EQ(here, folder);

  set_current_directory(before);
  app.settings.title = L"Changed";
  config_write_extras extras;
  extras.interface_font = default_interface_font(96);
  extras.placement = window_placement_record{};
  extras.placement->right = 800;
  extras.placement->bottom = 600;
  EXPECT_TRUE(app.write_exit_configuration(extras).ok);
  EXPECT_NE(testing::read_bytes(dir.path() / "tabulon.init").find("title=Changed\r\n"),
            std::string::npos);
  EXPECT_NE(testing::read_bytes(dir.path() / "general.init").find("WindowPlacement="),
            std::string::npos);
  EXPECT_NE(testing::read_bytes(dir.path() / "font.init").find("Font=Arial,"), std::string::npos);
  ASSERT_TRUE(app.read_placement(1280, 1024));
  EXPECT_EQ(app.read_placement(1280, 1024)->right, 800);
  EXPECT_TRUE(app.read_font(96).stored);
}

TEST(Application, WithoutAFileTheWindowStartsOnTheDefaults) {
  testing::temp_dir dir;
  const std::wstring before = current_directory();
  application app(from_native(dir.path().string()) + L"/");
  EXPECT_FALSE(app.start_interactive().ok);
  EXPECT_EQ(app.settings.file_spec, L"*.*");
  EXPECT_FALSE(app.read_placement(1280, 1024));
  EXPECT_FALSE(app.read_font(96).stored);
  set_current_directory(before);
}

}  // namespace
}  // namespace tabulon
