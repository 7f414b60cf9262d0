#include "app/config_file.h"

#include <gtest/gtest.h>

#include <string>

#include "base/wide_string.h"
#include "platform/app_folders.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::read_bytes;
using testing::temp_dir;
using testing::wide;

// A program folder of its own for every test, with "." standing for /start/here.
struct config_fixture {
  temp_dir dir;
  config_context context{wide(dir.path()) + L"/", L"/start/here"};
  build_settings settings;
  ini_store store;

  config_status read(const std::string& body, const char* name = "t.init") {
    dir.write(name, "[TABULON]\r\n" + body);
    return read_configuration(settings, store, from_native(name), context);
  }
};

TEST(ConfigRead, MissingFileGivesDefaultsAndAWarning) {
  config_fixture f;
  const config_status status = read_configuration(f.settings, f.store, L"absent.init", f.context);
  EXPECT_FALSE(status.ok);
  EXPECT_FALSE(status.reason.empty());
  EXPECT_EQ(status.path, f.context.program_folder + L"absent.init");
  const build_settings& s = f.settings;
  EXPECT_EQ(s.current_config_path, status.path);
  EXPECT_EQ(s.path, L"/start/here");
  EXPECT_EQ(s.title, L"%%DIR");
  EXPECT_EQ(s.sort_type, L"N+");
  EXPECT_EQ(s.custom_html_filename, L"Scripts/blue_white_border.txt");
  EXPECT_EQ(s.frameset_file, L"Scripts/frameset.txt");
  EXPECT_EQ(s.scripts_list.find(L'\\'), std::wstring::npos);
  EXPECT_EQ(s.charset, charset_utf8);
  EXPECT_EQ(s.doctype, doctype_html_401_transitional);
  EXPECT_EQ(s.multi_recurse_title, title_folder);
  EXPECT_EQ(s.file_size_display_type, 1);
  EXPECT_EQ(s.folder_columns2, 4);
  EXPECT_EQ(s.anchor_columns2, 1);
  EXPECT_EQ(s.date_dropdown, 0);
  EXPECT_EQ(s.time_dropdown, 0);
  EXPECT_EQ(s.time_24hr, 1);
  EXPECT_EQ(s.stamp_date_style, 1);
  EXPECT_EQ(s.megabytes_word, L"MB&nbsp;");
  EXPECT_EQ(s.version, L"tabulon v4.87");
  EXPECT_FALSE(s.size_filter_on);
  EXPECT_FALSE(s.dates.valid);
  // Every key read now holds its default in the store; the older keys are gone.
  const ini_section& keys = f.store.entries.at(L"TABULON");
  EXPECT_EQ(keys.at(L"recursive_build"), L"TRUE");
  EXPECT_EQ(keys.at(L"sort_type"), L"N+");
  EXPECT_EQ(keys.at(L"folder_columns2"), L"4");
  EXPECT_EQ(keys.at(L"max_search_depth2"), L"0");
  for (const wchar_t* older : {L"american_numbers", L"time_24hr", L"euro_date_style"}) {
    EXPECT_EQ(keys.count(older), 0u) << older;
  }
  EXPECT_EQ(keys.count(L"include_time"), 0u) << "not read without include_date";
}

TEST(ConfigRead, OlderKeysDecideTheNewOnes) {
  struct expectation {
    std::string body;
    int32_t number_format, time_dropdown, date_dropdown, time_24hr, stamp_date_style;
  };
  const expectation cases[] = {
      {"american_numbers=FALSE\r\n", 1, 0, 0, 1, 1},
      {"american_numbers=FALSE\r\nnumber_format=7\r\n", 0, 0, 0, 1, 1},
      {"number_format=6\r\ntime_dropdown=0\r\ntime_24hr=TRUE\r\ndate_dropdown=7\r\n", 6, 4, 7, 1,
       0},
      {"time_dropdown=8\r\ndate_dropdown=3\r\n", 0, 0, 3, 0, 0},
      {"time_dropdown=7\r\ndate_dropdown=9\r\neuro_date_style=TRUE\r\n", 0, 7, 1, 0, 0},
      {"date_dropdown=-1\r\neuro_date_style=true\r\n", 0, 0, 0, 1, 1},
  };
  for (const auto& c : cases) {
    config_fixture f;
    f.read(c.body);
    EXPECT_EQ(f.settings.number_format, c.number_format) << c.body;
    EXPECT_EQ(f.settings.time_dropdown, c.time_dropdown) << c.body;
    EXPECT_EQ(f.settings.date_dropdown, c.date_dropdown) << c.body;
    EXPECT_EQ(f.settings.time_24hr, c.time_24hr) << c.body;
    EXPECT_EQ(f.settings.stamp_date_style, c.stamp_date_style) << c.body;
  }
}

TEST(ConfigRead, SizeUnitsColumnsAndUndefinedNumbers) {
  config_fixture f;
  f.read("sizes_by_k=FALSE\r\nfile_size_display_type=2\r\n");
  EXPECT_EQ(f.settings.file_size_display_type, 0);
  f.read("file_size_display_type=2\r\n");
  EXPECT_EQ(f.settings.file_size_display_type, 2);
  f.read("file_size_display_type=9\r\n");
  EXPECT_EQ(f.settings.file_size_display_type, 3);

  f.read(
      "folder_columns=7\r\nanchor_columns=5\r\nanchor_columns2=2\r\nfile_columns2=NOT "
      "DEFINED\r\nmax_file_chars=12\r\nanchor_chars=9\r\nfolder_chars=NOT DEFINED\r\n"
      "max_search_depth2=abc\r\nmax_anchor_depth=3\r\n");
  EXPECT_EQ(f.settings.folder_columns2, 7);
  EXPECT_EQ(f.settings.anchor_columns2, 2);
  EXPECT_EQ(f.settings.file_columns2, 4);
  EXPECT_EQ(f.settings.max_file_chars2, 12);
  EXPECT_EQ(f.settings.anchor_chars2, 9);
  EXPECT_EQ(f.settings.folder_chars, 0);
  EXPECT_EQ(f.settings.max_search_depth2, 0);
  EXPECT_EQ(f.settings.max_anchor_depth, 3);
}

TEST(ConfigRead, KeywordsFlagsAndDerivedFields) {
  config_fixture f;
  f.read(
      "charset=utf_8\r\ndoctype=xhtml_5\r\nmulti_recurse_title=relative\r\nrecursive_build=true\r\n"
      "include_time=TRUE\r\ntitle=\r\npath=/var/www\r\nsort_type=S-\r\nfile_sizes=1M - *\r\n"
      "date_modified=365 - *\r\neuro_separator=.\r\nmulti_recurse_link=TRUE\r\n"
      "custom_html_filename=Scripts\\tan.txt\r\nversion=something old\r\n");
  const build_settings& s = f.settings;
  EXPECT_EQ(s.charset, charset_utf8);
  EXPECT_EQ(s.doctype, doctype_html_401_transitional);
  EXPECT_EQ(s.multi_recurse_title, title_relative);
  EXPECT_EQ(s.recursive_build, 0) << "only TRUE is true";
  EXPECT_EQ(s.include_time, 0) << "no time without the date";
  EXPECT_EQ(s.title, L"%%DIR");
  EXPECT_EQ(s.path, L"/var/www");
  EXPECT_EQ(s.sort_kind, sort_by_size);
  EXPECT_EQ(s.sort_descending, 1);
  EXPECT_TRUE(s.size_filter_on);
  EXPECT_EQ(s.sizes.min, 1048576);
  EXPECT_TRUE(s.dates.valid);
  EXPECT_EQ(s.dates.separator, L".");
  EXPECT_NE(s.dates.display_text.find(L" - "), std::wstring::npos);
  EXPECT_NE(s.dates.display_text.find(L'.'), std::wstring::npos) << "shown with the delimiter";
  EXPECT_EQ(s.recursive_build_single_file, 0) << "the older key is overridden";
  EXPECT_EQ(s.custom_html_filename, L"Scripts/tan.txt");
  EXPECT_EQ(s.version, L"tabulon v4.87");

  f.read(
      "charset=ANSI\r\ndoctype=html_5\r\nmulti_recurse_title=bogus\r\ninclude_date=TRUE\r\n"
      "include_time=TRUE\r\n");
  EXPECT_EQ(f.settings.charset, charset_ansi);
  EXPECT_EQ(f.settings.doctype, doctype_html_5);
  EXPECT_EQ(f.settings.multi_recurse_title, title_none);
  EXPECT_EQ(f.settings.include_time, 1);
  f.read("charset=ansi\r\ndoctype=HTML_5\r\n");
  EXPECT_EQ(f.settings.charset, charset_utf8);
  EXPECT_EQ(f.settings.doctype, doctype_html_401_transitional);
  f.read("charset=UTF_16LE\r\n");
  EXPECT_EQ(f.settings.charset, charset_utf16le);
}

TEST(ConfigRead, PreferencesComeFromGeneralInitOrTheOlderNames) {
  config_fixture f;
  f.dir.write("general.ini", "[TABULON]\r\ndefault_browser=old browser\r\n");
  f.read("");
  EXPECT_EQ(f.settings.default_browser, L"old browser");

  f.dir.write("general.init",
              "[TABULON]\r\ndefault_browser=firefox\r\nlanguage_file=Translations\\de.xml\r\n"
              "text_editors_list=a|b\r\n");
  f.read("");
  EXPECT_EQ(f.settings.default_browser, L"firefox");
  EXPECT_EQ(f.settings.text_editors_list, L"a|b");
  EXPECT_EQ(f.settings.language_file, L"Translations/de.xml");

  // A main file that still holds the language file wins, and gives the key up.
  f.read("language_file=Translations/fr.xml\r\n");
  EXPECT_EQ(f.settings.language_file, L"Translations/fr.xml");
  EXPECT_FALSE(f.store.has(L"language_file"));
}

TEST(ConfigWrite, WrittenConfigurationReadsBackTheSame) {
  config_fixture f;
  f.read(
      "date_dropdown=2\r\nunknown_key=survives\r\nsizes_by_k=TRUE\r\nfolder_columns=6\r\n"
      "anchor_chars=3\r\nmax_file_chars=40\r\n[OTHER]\r\nx=y\r\n");
  build_settings& s = f.settings;
  s.number_format = 3;
  s.title = L"Index of %%DIR \u00e9\U0001F600";
  s.file_spec = L"*.txt;*.doc";
  s.file_sizes = L"10K - 20K";
  s.date_modified = L"1/1/2010 - *";
  s.sort_type = L"D-";
  s.charset = charset_utf16le;
  s.doctype = doctype_xhtml_strict;
  s.multi_recurse_title = title_qualified;
  s.recursive_build_single_file = 1;
  s.include_date = 1;
  s.include_time = 1;
  s.euro_separator = L"-";
  s.default_browser = L"\"/usr/bin/my browser\"";
  s.language_file = L"Translations/x.xml";
  s.folder_sort_word = L"";
  s.bytes_word = L"octets";
  s.path = L"/data";

  const config_status written = write_configuration(s, f.store, L"out.init", f.context);
  ASSERT_TRUE(written.ok) << wide_to_utf8(written.reason);
  const std::string bytes = read_bytes(f.dir.path() / "out.init");
  EXPECT_EQ(bytes.rfind("\xEF\xBB\xBF[OTHER]\r\nx=y\r\n[TABULON]\r\n", 0), 0u);
  EXPECT_NE(bytes.find("version=tabulon v4.87\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("charset=UTF_16LE\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("multi_recurse_link=TRUE\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("unknown_key=survives\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("max_file_chars=40\r\n"), std::string::npos);
  for (const char* gone : {"sizes_by_k=", "folder_columns=", "anchor_chars=", "default_browser=",
                           "language_file=", "american_numbers=", "time_24hr="}) {
    EXPECT_EQ(bytes.find(std::string("\n") + gone), std::string::npos) << gone;
  }
  const std::string general = read_bytes(f.dir.path() / "general.init");
  EXPECT_NE(general.find("default_browser=\"\"/usr/bin/my browser\"\"\r\n"), std::string::npos);
  EXPECT_NE(general.find("language_file=Translations/x.xml\r\n"), std::string::npos);

  config_fixture g;
  g.context = f.context;  // same program folder, so the same general.init
  f.dir.write("copy.init", bytes);
  ASSERT_TRUE(read_configuration(g.settings, g.store, L"copy.init", g.context).ok);
  const build_settings& r = g.settings;
  EXPECT_EQ(r.number_format, 3);
  EXPECT_EQ(r.title, s.title);
  EXPECT_EQ(r.file_spec, s.file_spec);
  EXPECT_EQ(r.sizes.min, 10240);
  EXPECT_TRUE(r.dates.valid);
  EXPECT_EQ(r.sort_kind, sort_by_date);
  EXPECT_EQ(r.charset, charset_utf16le);
  EXPECT_EQ(r.doctype, doctype_xhtml_strict);
  EXPECT_EQ(r.multi_recurse_title, title_qualified);
  EXPECT_EQ(r.recursive_build_single_file, 1);
  EXPECT_EQ(r.include_time, 1);
  EXPECT_EQ(r.euro_separator, L"-");
  EXPECT_EQ(r.default_browser, s.default_browser);
  EXPECT_EQ(r.language_file, s.language_file);
  EXPECT_EQ(r.folder_columns2, 6);
  EXPECT_EQ(r.anchor_chars2, 3);
  EXPECT_EQ(r.max_file_chars2, 40);
  EXPECT_EQ(r.date_dropdown, 2);
  EXPECT_EQ(r.path, L"/data");
  EXPECT_EQ(r.bytes_word, L"octets");
  EXPECT_EQ(g.store.entries.at(L"OTHER").at(L"x"), L"y");

  // Writing what was read gives the same file again, byte for byte.
  ASSERT_TRUE(write_configuration(r, g.store, L"again.init", g.context).ok);
  EXPECT_EQ(read_bytes(f.dir.path() / "again.init"), bytes);
}

TEST(ConfigWrite, FontAndPlacementGoToTheirFiles) {
  config_fixture f;
  interface_fonts fonts = read_interface_font(f.context, 96);
  EXPECT_FALSE(fonts.stored);
  EXPECT_EQ(fonts.text.face, L"Arial");
  EXPECT_EQ(fonts.heading.weight, 700);

  f.dir.write("font.ini",
              "[TABULON]\r\nFont=Old,PointSize(12),Weight(400),Italic(0),"
              "Underline(0),StrikeOut(0)\r\n");
  fonts = read_interface_font(f.context, 96);
  EXPECT_TRUE(fonts.stored);
  EXPECT_EQ(fonts.text.face, L"Old");
  EXPECT_EQ(fonts.text.height, -16);

  config_write_extras extras;
  extras.interface_font = font_record{L"DejaVu Sans", -16, 700, 0, 1, 0};
  window_placement_record placement;
  placement.right = 640;
  placement.bottom = 480;
  extras.placement = placement;
  ASSERT_TRUE(write_configuration(f.settings, f.store, L"t.init", f.context, extras).ok);
  fonts = read_interface_font(f.context, 96);
  EXPECT_EQ(fonts.text.face, L"DejaVu Sans");
  EXPECT_EQ(fonts.text.underline, 1);
  const auto back = read_window_placement(f.context, 1024, 768);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->right, 640);
  EXPECT_FALSE(read_window_placement(f.context, 1024, 0)) << "no screen to overlap";

  // A font that does not decode leaves Arial in place.
  f.dir.write("font.init", "[TABULON]\r\nFont=Broken,PointSize(12)\r\n");
  EXPECT_EQ(read_interface_font(f.context, 96).text.face, L"Arial");
}

TEST(ConfigRead, BadFilesStillGiveASettingsRecord) {
  config_fixture f;
  std::string garbage = "\xFF\xFE";
  for (int i = 0; i < 999; ++i) garbage.push_back(static_cast<char>((i * 131) & 0xFF));
  f.dir.write("bad.init", garbage);
  EXPECT_TRUE(read_configuration(f.settings, f.store, L"bad.init", f.context).ok);
  EXPECT_EQ(f.settings.file_spec, L"*.*");
  // Lines that parse are kept among the broken ones.
  f.dir.write("mixed.init",
              std::string("\x01\x02\x03\n[TABULON]\n\xC3(\xFF=\xFE\nfile_spec=*.md\n") +
                  std::string(1 << 20, 'z') + "\ntitle=T");
  EXPECT_TRUE(read_configuration(f.settings, f.store, L"mixed.init", f.context).ok);
  EXPECT_EQ(f.settings.file_spec, L"*.md");
  EXPECT_EQ(f.settings.title, L"T");
}

TEST(ConfigLookup, CommandLineNameTriesTheProgramFolderThenTheCurrentDirectory) {
  config_fixture f;
  temp_dir start;
  f.context.current_directory = wide(start.path());
  const std::wstring here = f.context.current_directory + L"/";

  start.write("site.init", "[TABULON]\r\n");
  EXPECT_EQ(command_line_config_path(L"site.init", f.context), here + L"site.init");
  // Where the program folder has the name, that file wins.
  f.dir.write("site.init", "[TABULON]\r\n");
  EXPECT_EQ(command_line_config_path(L"site.init", f.context),
            f.context.program_folder + L"site.init");
  // Found nowhere: the program folder's name, so the warning names it.
  EXPECT_EQ(command_line_config_path(L"none.init", f.context),
            f.context.program_folder + L"none.init");
  start.write("sub/a.init", "[TABULON]\r\n");
  EXPECT_EQ(command_line_config_path(L"sub\\a.init", f.context), here + L"sub/a.init");
  EXPECT_EQ(command_line_config_path(L"/abs/x.init", f.context), L"/abs/x.init");
  f.context.current_directory.clear();
  EXPECT_EQ(command_line_config_path(L"a.init", f.context), f.context.program_folder + L"a.init");
}

// An installed program: shipped data under share/, everything the user keeps
// in a folder of their own.
struct installed_fixture {
  temp_dir dir;
  std::filesystem::path share = dir.mkdir("p/share/tabulon");
  app_folders folders =
      app_folders_for(wide(dir.mkdir("p/bin")), wide(dir.path() / "home/.config"));
  scoped_app_folders active{folders};
  config_context context{folders.user, L"/start/here"};
  build_settings settings;
  ini_store store;
};

TEST(ConfigLookup, InstalledProgramReadsDataAndWritesTheUserFolder) {
  installed_fixture f;
  ASSERT_TRUE(f.folders.installed());

  // Preferences shipped with the data are read while the user has none.
  f.dir.write("p/share/tabulon/general.init", "[TABULON]\r\ndefault_browser=shipped\r\n");
  f.dir.write("p/share/tabulon/site.init", "[TABULON]\r\ntitle=Shipped\r\n");
  EXPECT_TRUE(read_configuration(f.settings, f.store, L"site.init", f.context).ok);
  EXPECT_EQ(f.settings.title, L"Shipped");
  EXPECT_EQ(f.settings.default_browser, L"shipped");

  // Saving a configuration read from the data folder writes the user's copy.
  f.settings.title = L"Mine";
  config_write_extras extras;
  extras.interface_font = font_record{};
  const config_status saved =
      write_configuration(f.settings, f.store, L"site.init", f.context, extras);
  EXPECT_TRUE(saved.ok) << to_native(saved.reason);
  EXPECT_EQ(saved.path, f.folders.user + L"site.init");
  const std::filesystem::path user = f.dir.path() / "home/.config/tabulon";
  EXPECT_TRUE(std::filesystem::exists(user / "general.init"));
  EXPECT_TRUE(std::filesystem::exists(user / "font.init"));
  EXPECT_NE(read_bytes(f.dir.path() / "p/share/tabulon/site.init").find("Shipped"),
            std::string::npos);

  // From now on the user's copy wins.
  build_settings again;
  ini_store store;
  EXPECT_TRUE(read_configuration(again, store, L"site.init", f.context).ok);
  EXPECT_EQ(again.title, L"Mine");
}

}  // namespace
}  // namespace tabulon
