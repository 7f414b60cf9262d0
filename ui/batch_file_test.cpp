#include "ui/batch_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "base/wide_string.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;
using testing::read_bytes;
using testing::recording_shell;
using testing::scripted_prompts;

const batch_program kWindows{L"C:\\Tools\\tabulon\\", L"tabulon.exe", windows_path_style};
const batch_program kPosix{L"/opt/tabulon/", L"tabulon", posix_path_style};

TEST(BatchFileNames, OnlyBatNamesWithoutAPatternPass) {
  EXPECT_TRUE(is_batch_file_name(L"C:\\x\\build_html.bat"));
  EXPECT_TRUE(is_batch_file_name(L"/home/u/BUILD.BAT"));
  EXPECT_TRUE(is_batch_file_name(L"/home/u/Build.Bat"));
  EXPECT_FALSE(is_batch_file_name(L"/home/u/build.cmd"));
  EXPECT_FALSE(is_batch_file_name(L"/home/u/build.bat.txt"));
  EXPECT_FALSE(is_batch_file_name(L"/home/u/*.bat"));
  EXPECT_FALSE(is_batch_file_name(L"bat"));
}

TEST(BatchFileNames, SettingsAndSiblingFilesKeepTheBaseName) {
  EXPECT_EQ(batch_settings_path(L"/h/u/build_html.bat"), L"/h/u/build_htmlbat.init");
  EXPECT_EQ(batch_settings_path(L"C:\\my.site\\a.b.BAT"), L"C:\\my.site\\a.bBAT.init");
  EXPECT_EQ(batch_sibling_path(L"/h/u/build_html.bat", L"vbs"), L"/h/u/build_html.vbs");
  EXPECT_EQ(batch_sibling_path(L"/h/u/build_html.BAT", L"sh"), L"/h/u/build_html.sh");
}

TEST(BatchCommand, SettingsInTheProgramFolderRunTheProgramByItsBareName) {
  EXPECT_EQ(batch_command(kWindows, L"C:\\Tools\\tabulon\\build_htmlbat.init"),
            L"\"tabulon.exe\" \"build_htmlbat.init\"");
  // Windows compares folder names without regard to case.
  EXPECT_EQ(batch_command(kWindows, L"c:\\tools\\TABULON\\sites\\abat.init"),
            L"\"tabulon.exe\" \"sites\\abat.init\"");
  EXPECT_EQ(batch_command(kPosix, L"/opt/tabulon/sites/abat.init"),
            L"\"tabulon\" \"sites/abat.init\"");
  EXPECT_EQ(batch_command(kPosix, L"/opt/TABULON/abat.init"),
            L"\"/opt/tabulon/tabulon\" \"/opt/TABULON/abat.init\"");
}

TEST(BatchCommand, SettingsElsewhereUseFullPathsThatTheReaderFindsAgain) {
  // Both the program and the settings by their full paths, each quoted.
  for (const auto& [program, settings] :
       {std::pair{kWindows, L"C:\\Sites\\my site\\abat.init"},
        std::pair{kWindows, L"D:\\abat.init"}, std::pair{kPosix, L"/home/u/abat.init"}}) {
    EXPECT_EQ(batch_command(program, settings),
              L"\"" + program.full_path() + L"\" \"" + settings + L"\"");
  }
  EXPECT_EQ(kWindows.full_path(), L"C:\\Tools\\tabulon\\tabulon.exe");

  // Whatever form the command takes, the configuration reader's rule turns
  // its settings name back into the file that was written.
  for (const auto& [program, settings] :
       {std::pair{kWindows, L"C:\\Sites\\abat.init"},
        std::pair{kWindows, L"C:\\Tools\\tabulon\\abat.init"},
        std::pair{kPosix, L"/home/u/abat.init"}, std::pair{kPosix, L"/opt/tabulon/s/abat.init"}}) {
    const std::wstring command = batch_command(program, settings);
    const size_t open = command.rfind(L" \"") + 2;
    const std::wstring name = command.substr(open, command.size() - open - 1);
    EXPECT_EQ(resolve_in_program_folder(name, program.folder, program.style), settings);
  }
}

TEST(BatchFileTexts, BatchHoldsTheCommandAndItsComment) {
  EXPECT_EQ(batch_file_text(kWindows, L"C:\\Tools\\tabulon\\bbat.init"),
            L"\"tabulon.exe\" \"bbat.init\"\nREM \"tabulon.exe\" \"bbat.init\"");
}

TEST(BatchFileTexts, VbsDoublesEveryQuoteOfTheCommand) {
  EXPECT_EQ(vbs_file_text(kWindows, L"E:\\w\\bbat.init"),
            L"Set WshShell = WScript.CreateObject(\"WScript.Shell\")\n"
            L"WshShell.run(\"\"\"C:\\Tools\\tabulon\\tabulon.exe\"\" \"\"E:\\w\\bbat.init\"\"\")");
}

TEST(BatchFileTexts, ShellScriptExecsTheFullPathsInSingleQuotes) {
  EXPECT_EQ(sh_file_text(kPosix, L"/opt/tabulon/bbat.init"),
            L"#!/bin/sh\n# Rebuilds the index pages that /opt/tabulon/bbat.init describes "
            L"(written by tabulon v4.87).\n"
            L"exec '/opt/tabulon/tabulon' '/opt/tabulon/bbat.init'\n");
  EXPECT_EQ(sh_quote(L"/h/it's $HOME `x`"), L"'/h/it'\\''s $HOME `x`'");
  // A line break in a name cannot start a command line of its own.
  const std::wstring odd = sh_file_text(kPosix, L"/h/a\nrm -rf x/bbat.init");
  EXPECT_NE(odd.find(L"# Rebuilds the index pages that /h/a?rm -rf x/bbat.init describes"),
            std::wstring::npos);
  EXPECT_TRUE(odd.ends_with(L"\nexec '/opt/tabulon/tabulon' '/h/a\nrm -rf x/bbat.init'\n"));
}

// The F7 command over a real folder: a program folder and a site folder.
class SaveBatchFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    program_folder = from_native(dir.mkdir("prog").string()) + L"/";
    site = from_native(dir.mkdir("site").string());
    settings.program_folder = program_folder;
    settings.path = site;
    context = {program_folder, site};
  }

  batch_save_outcome run() {
    batch_save_request request{settings,
                               store,
                               context,
                               texts,
                               remembered,
                               batch_program{program_folder, L"tabulon", posix_path_style},
                               config_write_extras{}};
    return save_batch_files(request, ui, shell);
  }

  testing::temp_dir dir;
  std::wstring program_folder, site, remembered;
  build_settings settings;
  ini_store store;
  config_context context;
  interface_text_table texts;
  scripted_prompts ui;
  recording_shell shell;
};

TEST_F(SaveBatchFiles, MissingRootFolderEndsTheCommandBeforeAnyDialog) {
  settings.path = site + L"/gone";
  EXPECT_EQ(run().result, batch_save_result::no_folder);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, L"No valid folder selected - batch file creation aborted");
  EXPECT_EQ(ui.messages[0].caption, L"Error");
  EXPECT_TRUE(ui.choosers.empty());
}

TEST_F(SaveBatchFiles, CancelAndWrongNamesWriteNothing) {
  EXPECT_EQ(run().result, batch_save_result::cancelled);
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_EQ(ui.choosers.size(), 1u);
  EXPECT_EQ(ui.choosers[0].filter, L"Batch Files|*.bat|");
  EXPECT_EQ(ui.choosers[0].default_extension, L"bat");
  EXPECT_TRUE(ui.choosers[0].overwrite_prompt);

  ui.file_answers = {site + L"/build.cmd"};
  EXPECT_EQ(run().result, batch_save_result::bad_name);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, L"Save Batch File aborted.");
  EXPECT_EQ(ui.messages[0].caption, L"Batch Filename Error");
  EXPECT_TRUE(fs::is_empty(dir.path() / "site"));
  // The refused name is still the one offered next time.
  EXPECT_EQ(remembered, site + L"/build.cmd");
  run();
  EXPECT_EQ(ui.choosers.back().start_folder, site + L"/");
  EXPECT_EQ(ui.choosers.back().start_name, L"build.cmd");
}

TEST_F(SaveBatchFiles, WritesTheFourFilesAndOffersToShowThem) {
  settings.file_spec = L"*.txt";
  ui.file_answers = {site + L"/build_html.BAT"};
  ui.yes_no_answers = {true};
  const batch_save_outcome outcome = run();
  ASSERT_EQ(outcome.result, batch_save_result::written) << outcome.error.message();
  EXPECT_TRUE(ui.messages.empty());

  const std::string settings_file = to_native(site) + "/build_htmlBAT.init";
  const std::string command =
      "\"" + to_native(program_folder) + "tabulon\" \"" + settings_file + "\"";
  EXPECT_EQ(read_bytes(to_native(site) + "/build_html.BAT"), command + "\r\nREM " + command);

  const std::string vbs = read_bytes(to_native(site) + "/build_html.vbs");
  ASSERT_GE(vbs.size(), 4u);
  EXPECT_EQ(vbs.substr(0, 4), std::string("\xFF\xFE"
                                          "S\0",
                                          4));
  EXPECT_NE(vbs.find(std::string("\"\0\"\0\"\0/\0", 8)), std::string::npos);  // run("""/...
  EXPECT_NE(vbs.find(std::string(")\0\r\0\n\0", 6)), std::string::npos);

  const fs::path sh = dir.path() / "site" / "build_html.sh";
  const std::string script = read_bytes(sh);
  EXPECT_TRUE(script.starts_with("#!/bin/sh\n"));
  EXPECT_EQ(script.find('\r'), std::string::npos);
  EXPECT_NE(
      script.find("exec '" + to_native(program_folder) + "tabulon' '" + settings_file + "'\n"),
      std::string::npos);
  struct stat st {};
  ASSERT_EQ(::stat(sh.c_str(), &st), 0);
  EXPECT_TRUE(st.st_mode & S_IXUSR);

  build_settings reread;
  ini_store reread_store;
  ASSERT_TRUE(read_configuration(reread, reread_store, from_native(settings_file), context).ok);
  EXPECT_EQ(reread.file_spec, L"*.txt");
  EXPECT_EQ(reread.path, site);

  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0].text, site + L"/build_html.BAT\r\n\r\nExplore the file?");
  EXPECT_EQ(ui.questions[0].caption, L"Batch/VBS files created");
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].program, L"");
  EXPECT_EQ(shell.calls[0].parameter, site + L"/");
}

TEST_F(SaveBatchFiles, NoMeansNothingIsOpenedAndAFailedWriteIsReported) {
  ui.file_answers = {site + L"/b.bat", site + L"/missing/b.bat"};
  EXPECT_EQ(run().result, batch_save_result::written);
  EXPECT_TRUE(shell.calls.empty());

  const batch_save_outcome failed = run();
  EXPECT_EQ(failed.result, batch_save_result::write_failed);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, L"Error");
  EXPECT_NE(ui.messages[0].text.find(site + L"/missing/bbat.init"), std::wstring::npos);
  EXPECT_EQ(ui.questions.size(), 1u);  // only the first run asked
}

}  // namespace
}  // namespace tabulon
