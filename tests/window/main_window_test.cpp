// The main window, driven under Xvfb: start-up on the defaults, the pages
// showing a configuration, values reaching "tabulon.init" on Exit, keys, the
// interface font, the placement and the language file.
#include <gtest/gtest.h>

#include "tests/window/window_driver.h"

namespace tabulon::testing {
namespace {

#define REQUIRE_DISPLAY(program) \
  if (!(program).display_ready()) GTEST_SKIP() << (program).skip_reason()

TEST(main_window, opens_on_the_defaults_and_closing_it_writes_tabulon_init) {
  window_program program;
  REQUIRE_DISPLAY(program);
  ASSERT_FALSE(program.exists("tabulon.init"));
  const window_run run = program.run({"dump " + program.path("d.txt"), "exit"});
  ASSERT_TRUE(run.exited) << run.log << run.output;
  EXPECT_EQ(run.status, 0);
  const auto dump = program.read_dump("d.txt");
  EXPECT_EQ(dump.at("window.title"), "tabulon v4.87");
  EXPECT_EQ(dump.at("window.page"), "0");
  EXPECT_EQ(dump.at("file_spec"), "*.*");
  EXPECT_EQ(dump.at("output_filename"), "index.html");
  EXPECT_EQ(dump.at("tree.0"), "Folders, Files");
  EXPECT_EQ(dump.at("tree.8"), "Open Source");
  EXPECT_EQ(dump.at("button.build"), "&Build (F3)");
  ASSERT_TRUE(program.exists("tabulon.init"));
  const auto init = program.read_ini("tabulon.init");
  EXPECT_EQ(init.at("version"), "tabulon v4.87");
  EXPECT_EQ(init.at("file_spec"), "*.*");
  EXPECT_EQ(init.at("active_page"), "0");
  EXPECT_TRUE(program.exists("general.init"));
  EXPECT_TRUE(program.exists("font.init"));
}

TEST(main_window, a_configuration_read_with_f8_shows_on_every_page_and_in_the_title) {
  window_program program;
  REQUIRE_DISPLAY(program);
  program.write("sites/holiday.init",
                "[TABULON]\r\ntitle=Holiday pictures\r\nfile_spec=*.jpg\r\n"
                "title_list=Holiday pictures|Work\r\ninclude_date=TRUE\r\ndoctype=html_strict\r\n"
                "sort_type=S-\r\nfolder_word=Ordner\r\nbuild_framed_site=TRUE\r\n"
                "max_search_depth2=3\r\nautolaunch_batch_file=TRUE\r\n"
                "multi_recurse_title=RELATIVE\r\n");
  const window_run run = program.run({"answer_file " + program.path("sites/holiday.init"), "key F8",
                                      "dump " + program.path("d.txt"), "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  const auto d = program.read_dump("d.txt");
  EXPECT_EQ(d.at("window.title"), "tabulon v4.87 - holiday.init");
  EXPECT_EQ(d.at("title"), "Holiday pictures");
  EXPECT_EQ(d.at("title.list"), "Holiday pictures|Work");
  EXPECT_EQ(d.at("file_spec"), "*.jpg");
  EXPECT_EQ(d.at("include_date"), "1");
  EXPECT_EQ(d.at("doctype"), "1");
  EXPECT_EQ(d.at("doctype.entry"), "HTML 4.01 Strict");
  EXPECT_EQ(d.at("sort_type"), "1/1");
  EXPECT_EQ(d.at("folder_word"), "Ordner");
  EXPECT_EQ(d.at("build_type"), "2");
  EXPECT_EQ(d.at("max_search_depth2"), "3");
  EXPECT_EQ(d.at("autolaunch_batch_file"), "1");
  EXPECT_EQ(d.at("multi_recurse_title.entry"), "Relative path");
  // The chooser started at custom.init in the program folder.
  EXPECT_NE(run.log.find("name custom.init"), std::string::npos) << run.log;
}

TEST(main_window, values_set_on_the_pages_reach_tabulon_init_on_exit) {
  window_program program;
  REQUIRE_DISPLAY(program);
  const window_run run =
      program.run({"set title Typed title", "set include_time 1", "set doctype 2", "set charset 2",
                   "set file_columns2 7", "set sort_type 2/1", "set build_type 1",
                   "set k_word Kilo", "click title.add", "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  const auto init = program.read_ini("tabulon.init");
  EXPECT_EQ(init.at("title"), "Typed title");
  EXPECT_EQ(init.at("title_list"), "Typed title");
  EXPECT_EQ(init.at("include_time"), "TRUE");
  EXPECT_EQ(init.at("doctype"), "xhtml_transitional");
  EXPECT_EQ(init.at("charset"), "UTF_16LE");
  EXPECT_EQ(init.at("file_columns2"), "7");
  EXPECT_EQ(init.at("sort_type"), "D-");
  EXPECT_EQ(init.at("recursive_build_single_file"), "TRUE");
  EXPECT_EQ(init.at("build_framed_site"), "FALSE");
  EXPECT_EQ(init.at("k_word"), "Kilo");
}

TEST(main_window, esc_leaves_the_window_open_and_the_page_is_restored_next_time) {
  window_program program;
  REQUIRE_DISPLAY(program);
  window_run run = program.run({"key Escape", "key ctrl+PageDown", "key ctrl+PageDown",
                                "dump " + program.path("d.txt"), "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  EXPECT_NE(run.log.find("step dump"), std::string::npos);  // still running after Esc
  EXPECT_EQ(program.read_dump("d.txt").at("window.page"), "2");
  EXPECT_EQ(program.read_ini("tabulon.init").at("active_page"), "2");
  run = program.run({"dump " + program.path("e.txt"), "key ctrl+PageUp",
                     "dump " + program.path("f.txt"), "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  EXPECT_EQ(program.read_dump("e.txt").at("window.page"), "2");
  EXPECT_EQ(program.read_dump("f.txt").at("window.page"), "1");
}

TEST(main_window, the_interface_font_and_the_placement_survive_a_restart) {
  window_program program;
  REQUIRE_DISPLAY(program);
  program.write("general.init",
                "[TABULON]\r\nWindowPlacement=flags(1),showCmd(0),ptMin(-1,-1),ptMax(-1,-1),"
                "rcNormal(40,1000,30,860)\r\n");
  window_run run = program.run(
      {"answer_file DejaVu Serif,13", "click load_font", "dump " + program.path("d.txt"), "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  const auto first = program.read_dump("d.txt");
  EXPECT_EQ(first.at("window.rect").substr(0, 6), "40,30,");
  EXPECT_EQ(first.at("button.build.font"), "DejaVu Serif");
  EXPECT_NE(program.read("font.init").find("Font=DejaVu Serif,"), std::string::npos);
  run = program.run({"dump " + program.path("e.txt"), "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  const auto second = program.read_dump("e.txt");
  EXPECT_EQ(second.at("window.font"), first.at("window.font"));
  EXPECT_EQ(second.at("title.font"), "DejaVu Serif");
  EXPECT_EQ(second.at("window.rect"), first.at("window.rect"));
}

TEST(main_window, a_language_file_named_in_general_init_relabels_the_pages) {
  window_program program;
  REQUIRE_DISPLAY(program);
  program.write("general.init", "[TABULON]\r\nlanguage_file=Translations/Deutsch.xml\r\n");
  const window_run run = program.run({"dump " + program.path("d.txt"), "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  const auto d = program.read_dump("d.txt");
  EXPECT_NE(d.at("tree.0"), "Folders, Files");
  EXPECT_NE(d.at("button.build"), "&Build (F3)");
  EXPECT_NE(d.at("include_filesize.label"), "Include file si&ze");
}

TEST(main_window, a_dropped_folder_goes_into_the_folder_box_and_list) {
  window_program program;
  REQUIRE_DISPLAY(program);
  std::string folders;
  for (int i = 0; i < 15; ++i) folders += (i ? "|/old" : "/old") + std::to_string(i);
  program.write("tabulon.init", "[TABULON]\r\nfolders=" + folders + "\r\n");
  const window_run run = program.run({"drop /srv/new", "dump " + program.path("d.txt"), "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  const auto d = program.read_dump("d.txt");
  EXPECT_EQ(d.at("path"), "/srv/new");
  const std::string list = d.at("path.list");
  EXPECT_EQ(list.substr(0, 14), "/srv/new|/old0");
  EXPECT_EQ(std::count(list.begin(), list.end(), '|'), 14);
  EXPECT_EQ(list.find("/old14"), std::string::npos);
}

}  // namespace
}  // namespace tabulon::testing
