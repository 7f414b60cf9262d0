#include "ui/config_commands.h"

#include <gtest/gtest.h>

#include "base/wide_string.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::read_bytes;
using testing::scripted_prompts;
using testing::temp_dir;

// The window's store has always been loaded from "tabulon.init" at start-up,
// which gives it its section.
ini_store loaded_store() {
  ini_store store;
  store.section = L"TABULON";
  return store;
}

struct config_command_fixture {
  temp_dir dir;
  std::wstring folder = from_native(dir.path().string()) + L"/";
  build_settings settings;
  ini_store store = loaded_store();
  config_dialog_paths remembered{folder, folder + L"Scripts/", L"custom.init"};
  config_command_request request{settings, store, remembered, {folder, L"/start"}, {}};
  scripted_prompts ui;
};

TEST(config_commands, read_fills_the_settings_remembers_the_file_and_names_it_in_the_title) {
  config_command_fixture f;
  f.dir.write("sites/one.init", "[TABULON]\r\ntitle=Holiday\r\ndoctype=html_strict\r\n");
  f.ui.file_answers.push_back(f.folder + L"sites/one.init");
  const config_command_outcome outcome = read_config_command(f.request, f.ui);
  ASSERT_TRUE(outcome.done);
  EXPECT_EQ(f.settings.title, L"Holiday");
  EXPECT_EQ(f.settings.doctype, doctype_html_strict);
  EXPECT_EQ(outcome.title, L"tabulon v4.87 - one.init");
  EXPECT_EQ(f.remembered.folder, f.folder + L"sites/");
  EXPECT_EQ(f.remembered.file_name, L"one.init");
  // The chooser started at the remembered custom.init in the program folder.
  ASSERT_EQ(f.ui.choosers.size(), 1u);
  EXPECT_EQ(f.ui.choosers[0].start_folder, f.folder);
  EXPECT_EQ(f.ui.choosers[0].start_name, L"custom.init");
  EXPECT_TRUE(f.ui.choosers[0].must_exist);
  EXPECT_TRUE(f.ui.messages.empty());
}

TEST(config_commands, cancelling_changes_nothing) {
  config_command_fixture f;
  f.settings.title = L"kept";
  EXPECT_FALSE(read_config_command(f.request, f.ui).done);
  EXPECT_FALSE(write_config_command(f.request, f.ui).done);
  EXPECT_EQ(f.settings.title, L"kept");
  EXPECT_EQ(f.remembered.file_name, L"custom.init");
}

TEST(config_commands, write_saves_the_settings_and_the_next_dialog_starts_there) {
  config_command_fixture f;
  f.settings.title = L"Written";
  f.ui.file_answers.push_back(f.folder + L"out.init");
  const config_command_outcome outcome = write_config_command(f.request, f.ui);
  ASSERT_TRUE(outcome.done);
  EXPECT_EQ(outcome.title, L"tabulon v4.87 - out.init");
  EXPECT_EQ(f.settings.current_config_path, f.folder + L"out.init");
  EXPECT_NE(read_bytes(f.dir.path() / "out.init").find("title=Written\r\n"), std::string::npos);
  EXPECT_TRUE(f.ui.choosers[0].overwrite_prompt);
  f.ui.file_answers.push_back(f.folder + L"out.init");
  const config_command_outcome again = read_config_command(f.request, f.ui);
  EXPECT_TRUE(again.done);
  EXPECT_TRUE(again.status.ok) << std::string(again.status.reason.begin(),
                                              again.status.reason.end());
  EXPECT_EQ(f.ui.choosers[1].start_name, L"out.init");
  EXPECT_EQ(f.settings.title, L"Written");
}

TEST(config_commands, a_file_that_cannot_be_written_is_reported) {
  config_command_fixture f;
  f.ui.file_answers.push_back(f.folder + L"no/such/folder/x.init");
  const config_command_outcome outcome = write_config_command(f.request, f.ui);
  EXPECT_FALSE(outcome.done);
  ASSERT_EQ(f.ui.messages.size(), 1u);
  EXPECT_NE(f.ui.messages[0].text.find(L"x.init"), std::wstring::npos);
}

}  // namespace
}  // namespace tabulon
