#include "ui/file_created_text.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(FileCreatedText, TheLaunchCaptionFollowsTheCount) {
  interface_text_table texts;
  const file_created_text one = file_created_text_of(L"/s/index.html", 1, texts);
  EXPECT_EQ(one.title, L"HTML file(s) successfully created");
  EXPECT_EQ(one.file_line, L"/s/index.html");
  EXPECT_EQ(one.count_line, L"1 file(s) created");
  EXPECT_EQ(one.launch_button, L"&Launch the file");
  EXPECT_EQ(one.launch_close_button, L"Launc&h && Close");
  EXPECT_EQ(one.delete_button, L"&Delete generated file(s)");
  EXPECT_EQ(one.close_button, L"&Close");

  for (size_t count : {size_t{2}, size_t{1000000}}) {
    const file_created_text many = file_created_text_of(L"/s/index.html", count, texts);
    EXPECT_EQ(many.launch_button, L"&Launch the root file");
    EXPECT_EQ(many.count_line, std::to_wstring(count) + L" file(s) created");
  }
}

TEST(FileCreatedText, ALanguageFileRelabelsEveryText) {
  interface_text_table texts;
  texts[ui_text::files_built_title].text = L"Fertig";
  texts[ui_text::files_built_files_created_string].text = L"Dateien";
  texts[ui_text::files_built_launch_file_button].text = L"&Öffnen";
  texts[ui_text::files_built_launch_root_file_button].text = L"&Wurzel öffnen";
  texts[ui_text::files_built_close_button].text = L"&Schließen";
  const file_created_text one = file_created_text_of(L"x", 1, texts);
  EXPECT_EQ(one.title, L"Fertig");
  EXPECT_EQ(one.count_line, L"1 Dateien");
  EXPECT_EQ(one.launch_button, L"&Öffnen");
  EXPECT_EQ(one.close_button, L"&Schließen");
  EXPECT_EQ(file_created_text_of(L"x", 7, texts).launch_button, L"&Wurzel öffnen");
}

TEST(FileCreatedText, FocusStartsOnLaunchAndCloseUntilSomethingWasLaunched) {
  EXPECT_EQ(results_focus_of(false), results_focus::launch_and_close);
  EXPECT_EQ(results_focus_of(true), results_focus::dialog_default);
}

}  // namespace
}  // namespace tabulon
