#include "ui/language_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "base/wide_string.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

std::wstring language_doc(std::wstring_view groups, std::wstring_view app = L"tabulon") {
  return L"<?xml version=\"1.0\"?>\n<all>\n<file_info><app>" + std::wstring(app) +
         L"</app></file_info>\n" + std::wstring(groups) + L"\n</all>\n";
}

// The English texts with `groups` of a valid language file applied to them.
interface_text_table applied(std::wstring_view groups) {
  interface_text_table table;
  const auto message = apply_language_text(language_doc(groups), L"f.xml", table);
  EXPECT_FALSE(message.has_value()) << wide_to_utf8(message->text);
  return table;
}

// The caption and the tooltip of an item, to compare both at once.
using shown = std::pair<std::wstring, std::wstring>;
shown shown_as(const interface_text_table& table, ui_text item) {
  return {table.text(item), table.help(item)};
}

TEST(LanguageFile, RejectsFilesThatAreNotTabulonLanguageFiles) {
  for (const std::wstring& xml :
       {language_doc(L"<main_window><exit_button><text>X</text></exit_button></main_window>",
                     L"Tabulon"),
        language_doc(L"", L"tabulon "), std::wstring(L"<all><app>tabulon</app></all>"),
        std::wstring(L"<other><file_info><app>tabulon</app></file_info></other>")}) {
    interface_text_table table;
    const auto message = apply_language_text(xml, L"/p/de.xml", table);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, L"/p/de.xml\n\n...is not a valid tabulon language file");
    EXPECT_EQ(message->caption, L"XML File Error");
    EXPECT_EQ(table.text(ui_text::main_window_exit_button), L"E&xit");
  }
}

TEST(LanguageFile, UnparsableFileUsesTheCurrentErrorTexts) {
  interface_text_table table;
  table[ui_text::bad_xml_file_caption].text = L"...kaputt";
  const auto message = apply_language_text(L"<all><file_info>", L"x.xml", table);
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->text, L"x.xml   \n\n...kaputt");
  EXPECT_EQ(message->caption, L"XML File Error");
}

TEST(LanguageFile, ElementOrderDoesNotMatterAndTheFirstSiblingCounts) {
  const interface_text_table table = applied(
      L"<other><months><May>Mai</May></months></other>"
      L"<main_window>"
      L"<exit_button><help>Quit tip</help><text>&amp;Quit</text></exit_button>"
      L"<build_button><text>&amp;Make</text><help>Make tip</help></build_button>"
      L"<build_button><text>second</text></build_button>"
      L"</main_window>"
      L"<main_window><help_button><text>ignored</text></help_button></main_window>");
  // In the order of the document: months, the first main_window group, the second.
  EXPECT_EQ(table.month_names()[4], L"Mai");
  EXPECT_EQ(table.month_names()[5], L"June");
  EXPECT_EQ(shown_as(table, ui_text::main_window_exit_button), (shown{L"&Quit", L"Quit tip"}));
  EXPECT_EQ(shown_as(table, ui_text::main_window_build_button), (shown{L"&Make", L"Make tip"}));
  EXPECT_EQ(table.text(ui_text::main_window_help_button), L"&Help");  // second group ignored
}

TEST(LanguageFile, TextAndHelpRules) {
  const interface_text_table table = applied(
      L"<sorting>"
      L"<size><text>&amp;Gr\u00f6\u00dfe</text></size>"
      L"<date><help>Nach Datum</help></date>"
      L"<random/>"
      L"<extension><text></text><help></help></extension>"
      L"</sorting>"
      L"<misc_dialogs><feedback><sorting><text>Sortiere </text></sorting></feedback>"
      L"<bad_frameset_file><data><text>Kein Frameset</text></data>"
      L"</bad_frameset_file></misc_dialogs>"
      L"<recursive><title_default>Standard</title_default>"
      L"<search_depth><![CDATA[<unbegrenzt>]]></search_depth></recursive>");
  // text without help: new caption, no tooltip
  EXPECT_EQ(shown_as(table, ui_text::sorting_size), (shown{L"&Gr\u00f6\u00dfe", L""}));
  // help without text: caption kept, tooltip set
  EXPECT_EQ(shown_as(table, ui_text::sorting_date), (shown{L"&Date modified", L"Nach Datum"}));
  // an item with neither changes nothing; empty values do replace
  EXPECT_EQ(shown_as(table, ui_text::sorting_random), (shown{L"&Random", L"Sorts randomly"}));
  EXPECT_EQ(shown_as(table, ui_text::sorting_extension), (shown{L"", L""}));
  // subgroups and data items
  EXPECT_EQ(table.text(ui_text::feedback_sorting), L"Sortiere ");
  EXPECT_EQ(table.text(ui_text::sorting_sort_by), L"Sort by");
  EXPECT_EQ(table.text(ui_text::bad_frameset_file_data), L"Kein Frameset");
  EXPECT_EQ(table.title_choices()[3], L"Standard");
  EXPECT_EQ(table.text(ui_text::recursive_search_depth), L"<unbegrenzt>");
}

TEST(LanguageFile, FilesAreFoundInTheProgramFolder) {
  testing::temp_dir dir;
  const std::wstring folder = from_native(dir.path().string()) + L"/";
  dir.write("Translations/t.xml",
            "\xEF\xBB\xBF<all><file_info><app>tabulon</app></file_info>"
            "<tree_control><license><text>Lizenz</text></license></tree_control></all>");
  build_settings settings;
  settings.program_folder = folder;
  interface_text_table table;

  EXPECT_FALSE(apply_language_file(settings, table).has_value());  // empty name: nothing
  settings.language_file = L"Translations\\t.xml";                 // written on Windows
  EXPECT_FALSE(apply_language_file(settings, table).has_value());
  EXPECT_EQ(table.text(ui_text::tree_license), L"Lizenz");

  // Month names reach the dates of pages; the unit words after them stay.
  dir.write("Translations/m.xml",
            "<all><file_info><app>tabulon</app></file_info>"
            "<other><months><March>M\xC3\xA4rz</March></months></other></all>");
  settings.language_file = L"Translations/m.xml";
  const size_t words = settings.month_words.size();
  EXPECT_FALSE(apply_language_file(settings, table).has_value());
  EXPECT_EQ(table.month_names()[2], L"M\u00e4rz");  // UTF-8 without a byte order mark
  EXPECT_EQ(settings.month_words[2], L"M\u00e4rz");
  EXPECT_EQ(settings.month_words[3], L"April");
  EXPECT_EQ(settings.month_words.size(), words);
  restore_english_defaults(settings, table);
  EXPECT_EQ(settings.month_words[2], L"March");
  // Not valid UTF-8 and no mark: Windows-1252.
  dir.write("Translations/m.xml",
            "<all><file_info><app>tabulon</app></file_info>"
            "<other><months><March>M\xE4rz</March></months></other></all>");
  settings.language_file = L"Translations/m.xml";
  EXPECT_FALSE(apply_language_file(settings, table).has_value());
  EXPECT_EQ(table.month_names()[2], L"M\u00e4rz");

  settings.language_file = L"Translations/missing.xml";
  const auto message = apply_language_file(settings, table);
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->text, folder + L"Translations/missing.xml   \n\n...does not parse correctly");
}

TEST(LanguageFile, ChoiceIsStoredRelativeToTheProgramFolder) {
  testing::temp_dir dir;
  const std::wstring folder = from_native(dir.path().string()) + L"/";
  dir.write("Translations/t.xml",
            "<all><file_info><app>tabulon</app></file_info>"
            "<tree_control><license><text>Licence</text></license></tree_control></all>");
  const std::wstring outside = from_native((dir.path() / "t2.xml").string());
  dir.write("t2.xml", "<all><file_info><app>tabulon</app></file_info></all>");

  build_settings settings;
  settings.program_folder = folder + L"prog/";
  interface_text_table table;
  EXPECT_FALSE(load_language_choice(settings, outside, table).has_value());
  EXPECT_EQ(settings.language_file, outside);

  settings.program_folder = folder;
  EXPECT_FALSE(load_language_choice(settings, folder + L"Translations/t.xml", table).has_value());
  EXPECT_EQ(settings.language_file, L"Translations/t.xml");
  EXPECT_EQ(table.text(ui_text::tree_license), L"Licence");

  EXPECT_FALSE(load_language_choice(settings, L"", table).has_value());  // cancelled
  EXPECT_EQ(settings.language_file, L"");
  EXPECT_EQ(table.text(ui_text::tree_license), L"Licence");

  settings.language_file = L"Translations/t.xml";
  restore_english_defaults(settings, table);
  EXPECT_EQ(settings.language_file, L"");
  EXPECT_EQ(table.text(ui_text::tree_license), L"License");
}

// A decoding fault shows as escaped bytes, replacement characters or UTF-8
// lead bytes read as Windows-1252.
bool decoded_cleanly(const std::wstring& text) {
  for (const wchar_t c : text) {
    if ((c >= 0xDC80 && c <= 0xDCFF) || c == 0xFFFD || c == 0xC3) return false;
  }
  return true;
}

// Every shipped language file must load and replace every item.
TEST(LanguageFile, ShippedTranslationsAreCompleteAndReadCorrectly) {
  const std::filesystem::path folder = std::filesystem::path(TABULON_SOURCE_DIR) / "share";
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder / "Translations")) {
    if (entry.path().extension() != ".xml") continue;
    ++files;
    SCOPED_TRACE(entry.path().string());
    build_settings settings;
    settings.program_folder = from_native(folder.string()) + L"/";
    settings.language_file = L"Translations/" + from_native(entry.path().filename().string());

    interface_text_table table;
    const std::wstring marker = L"\u0001unchanged";
    for (auto& e : table.entries) e = {marker, marker};
    const auto message = apply_language_file(settings, table);
    ASSERT_FALSE(message.has_value()) << wide_to_utf8(message->text);
    for (const auto& item : interface_text_items()) {
      const auto& got = table[item.id];
      const std::string name = wide_to_utf8(item.group) + "/" + wide_to_utf8(item.name);
      EXPECT_NE(got.text, marker) << name;
      if (item.kind == text_kind::data) continue;
      EXPECT_EQ(got.text.empty(), item.english_text.empty()) << name;
      EXPECT_EQ(got.help.empty(), item.english_help.empty()) << name;
      EXPECT_TRUE(decoded_cleanly(got.text) && decoded_cleanly(got.help)) << name;
    }
  }
  EXPECT_GE(files, 2);
}

}  // namespace
}  // namespace tabulon
