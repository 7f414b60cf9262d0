#include "ui/language_choice.h"

#include <gtest/gtest.h>

#include "base/wide_string.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::scripted_prompts;

class pressing : public button_choice {
 public:
  explicit pressing(int index) : index_(index) {}
  int choose_button(std::wstring_view caption, std::span<const std::wstring> buttons) override {
    this->caption = caption;
    captions.assign(buttons.begin(), buttons.end());
    return index_;
  }
  std::wstring caption;
  std::vector<std::wstring> captions;

 private:
  int index_;
};

constexpr std::string_view kGerman =
    "<?xml version=\"1.0\"?><all><file_info><app>tabulon</app></file_info>"
    "<main_window><exit_button><text>&amp;Beenden</text></exit_button></main_window></all>";

class LanguageChoice : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.write("prog/Translations/Deutsch.xml", kGerman);
    dir.write("elsewhere/Deutsch.xml", kGerman);
    dir.write("prog/Translations/broken.xml", "<all><file_info>");
    folder = from_native((dir.path() / "prog").string()) + L"/";
    settings.program_folder = folder;
  }
  testing::temp_dir dir;
  std::wstring folder;
  build_settings settings;
  interface_text_table texts;
  scripted_prompts ui;
};

TEST_F(LanguageChoice, LoadStoresAFileOfTheProgramFolderByItsRelativeName) {
  pressing load(0);
  ui.file_answers = {folder + L"Translations/Deutsch.xml"};
  const auto outcome = choose_language(settings, texts, ui, load);
  EXPECT_EQ(load.caption, L"Load Tabulon Language XML File");
  EXPECT_EQ(load.captions, (std::vector<std::wstring>{L"&Load language file",
                                                      L"&Restore english defaults", L"&Cancel"}));
  ASSERT_EQ(ui.choosers.size(), 1u);
  EXPECT_EQ(ui.choosers[0].start_folder, folder + L"Translations");
  EXPECT_EQ(ui.choosers[0].start_name, L"*.xml");
  EXPECT_EQ(ui.choosers[0].filter, L".xml Files|*.xml||");
  EXPECT_EQ(ui.choosers[0].default_extension, L"xml");
  EXPECT_TRUE(ui.choosers[0].must_exist);

  EXPECT_EQ(outcome.action, language_action::load);
  EXPECT_TRUE(outcome.texts_changed);
  EXPECT_EQ(settings.language_file, L"Translations/Deutsch.xml");
  EXPECT_EQ(texts.text(ui_text::main_window_exit_button), L"&Beenden");

  const std::wstring outside = from_native((dir.path() / "elsewhere/Deutsch.xml").string());
  ui.file_answers = {outside};
  choose_language(settings, texts, ui, load);
  EXPECT_EQ(settings.language_file, outside);
}

TEST_F(LanguageChoice, CancelledChooserAndBadFilesKeepTheCurrentLanguage) {
  settings.language_file = L"Translations/Deutsch.xml";
  pressing load(0);
  auto outcome = choose_language(settings, texts, ui, load);
  EXPECT_FALSE(outcome.texts_changed);
  EXPECT_EQ(settings.language_file, L"Translations/Deutsch.xml");

  ui.file_answers = {folder + L"Translations/broken.xml"};
  outcome = choose_language(settings, texts, ui, load);
  EXPECT_FALSE(outcome.texts_changed);
  EXPECT_EQ(settings.language_file, L"Translations/Deutsch.xml");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, L"XML File Error");
  EXPECT_NE(ui.messages[0].text.find(L"broken.xml"), std::wstring::npos);
}

TEST_F(LanguageChoice, RestoreBringsBackEnglishAndCancelChangesNothing) {
  texts[ui_text::main_window_exit_button].text = L"&Beenden";
  settings.language_file = L"Translations/Deutsch.xml";
  pressing cancel(2), closed(-1);
  EXPECT_FALSE(choose_language(settings, texts, ui, cancel).texts_changed);
  EXPECT_FALSE(choose_language(settings, texts, ui, closed).texts_changed);
  EXPECT_EQ(settings.language_file, L"Translations/Deutsch.xml");
  EXPECT_TRUE(ui.choosers.empty());

  pressing restore(1);
  const auto outcome = choose_language(settings, texts, ui, restore);
  EXPECT_EQ(outcome.action, language_action::restore);
  EXPECT_TRUE(outcome.texts_changed);
  EXPECT_EQ(settings.language_file, L"");
  EXPECT_EQ(texts.text(ui_text::main_window_exit_button), L"E&xit");
}

}  // namespace
}  // namespace tabulon
