// The main window, driven under Xvfb: start-up on the defaults, the pages
// showing a configuration, values reaching "tabulon.init" on Exit, keys, the
// interface font, the placement and the language file.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <thread>

#include "tests/window/window_driver.h"

namespace tabulon::testing {
namespace {

// A program folder of its own for every test; where no display could be
// started the test is skipped.
class main_window : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!program.display_ready()) GTEST_SKIP() << program.skip_reason();
  }
  window_program program;
};

TEST_F(main_window, opens_on_the_defaults_and_closing_it_writes_tabulon_init) {
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

TEST_F(main_window, a_configuration_read_with_f8_shows_on_every_page_and_in_the_title) {
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

TEST_F(main_window, values_set_on_the_pages_reach_tabulon_init_on_exit) {
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

TEST_F(main_window, esc_leaves_the_window_open_and_the_page_is_restored_next_time) {
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

// The normal rectangle of a stored placement: left, right, top, bottom.
std::vector<int> normal_rect(const std::string& placement) {
  std::vector<int> numbers;
  const size_t at = placement.find("rcNormal(");
  if (at == std::string::npos) return numbers;
  std::istringstream in(placement.substr(at + 9));
  for (int n; in >> n;) {
    numbers.push_back(n);
    in.ignore(1);
  }
  return numbers;
}

TEST_F(main_window, the_interface_font_and_the_placement_survive_a_restart) {
  program.write("general.init",
                "[TABULON]\r\nWindowPlacement=flags(1),showCmd(0),ptMin(-1,-1),ptMax(-1,-1),"
                "rcNormal(40,1240,30,880)\r\n");
  window_run run = program.run(
      {"answer_file DejaVu Serif,10", "click load_font", "dump " + program.path("d.txt"), "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  const auto first = program.read_dump("d.txt");
  EXPECT_EQ(first.at("window.rect").substr(0, 6), "40,30,");
  EXPECT_EQ(first.at("button.build.font"), "DejaVu Serif");
  EXPECT_NE(program.read("font.init").find("Font=DejaVu Serif,"), std::string::npos);
  // Without a window manager the toolkit guesses the frame around the
  // window, so the size comes back within that guess; the position exactly.
  const std::vector<int> saved =
      normal_rect(program.read_ini("general.init").at("WindowPlacement"));
  ASSERT_EQ(saved.size(), 4u);
  EXPECT_EQ(saved[0], 40);
  EXPECT_EQ(saved[2], 30);
  EXPECT_NEAR(saved[1] - saved[0], 1200, 40);
  EXPECT_NEAR(saved[3] - saved[2], 850, 40);
  run = program.run({"dump " + program.path("e.txt"), "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  const auto second = program.read_dump("e.txt");
  EXPECT_EQ(second.at("window.font"), first.at("window.font"));
  EXPECT_EQ(second.at("title.font"), "DejaVu Serif");
  EXPECT_EQ(second.at("window.rect").substr(0, 6), "40,30,");
}

TEST_F(main_window, a_language_file_named_in_general_init_relabels_the_pages) {
  program.write("general.init", "[TABULON]\r\nlanguage_file=Translations/Deutsch.xml\r\n");
  const window_run run = program.run({"dump " + program.path("d.txt"), "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  const auto d = program.read_dump("d.txt");
  EXPECT_NE(d.at("tree.0"), "Folders, Files");
  EXPECT_NE(d.at("button.build"), "&Build (F3)");
  EXPECT_NE(d.at("include_filesize.label"), "Include file si&ze");
}

TEST_F(main_window, a_dropped_folder_goes_into_the_folder_box_and_list) {
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

// A browser that writes its arguments to a file next to itself.
void install_recording_browser(const window_program& program) {
  program.write("record-browser.sh",
                "#!/bin/sh\nprintf '%s\\n' \"$@\" >> \"$(dirname \"$0\")/browser-calls.txt\"\n");
  std::filesystem::permissions(program.folder() / "record-browser.sh",
                               std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add);
}

// Waits until `relative` holds at least `lines` lines (the browser runs detached).
std::vector<std::string> wait_for_lines(const window_program& program, std::string_view relative,
                                        size_t lines) {
  std::vector<std::string> found;
  for (int i = 0; i < 250; ++i) {
    found.clear();
    std::istringstream in(program.read(relative));
    for (std::string line; std::getline(in, line);) found.push_back(line);
    if (found.size() >= lines) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return found;
}

TEST_F(main_window, f1_on_each_page_opens_its_help_page) {
  install_recording_browser(program);
  program.write("general.init",
                "[TABULON]\r\ndefault_browser=" + program.path("record-browser.sh") + "\r\n");
  std::vector<std::string> steps;
  for (int page = 0; page < 9; ++page) {
    steps.push_back("page " + std::to_string(page));
    steps.push_back("key F1");
  }
  steps.push_back("exit");
  const window_run run = program.run(steps);
  ASSERT_TRUE(run.exited) << run.log;
  const std::vector<std::string> calls = wait_for_lines(program, "browser-calls.txt", 9);
  const char* expected[] = {"help_folders.html", "help_misc.html",      "help_sort.html",
                            "help_sort.html",    "help_recursive.html", "help_io.html",
                            "tabulon_help.html", "help_license.html",   "tabulon_help.html"};
  ASSERT_EQ(calls.size(), 9u) << run.log;
  for (size_t i = 0; i < 9; ++i)
    EXPECT_EQ(calls[i], program.path("help/") + expected[i]) << "page " << i;
  EXPECT_EQ(run.log.find("message"), std::string::npos) << run.log;
}

TEST_F(main_window, f12_reports_a_missing_output_file_and_opens_an_existing_one) {
  install_recording_browser(program);
  program.write("site/index.html", "<html></html>");
  program.write("general.init",
                "[TABULON]\r\ndefault_browser=" + program.path("record-browser.sh") + "\r\n");
  const window_run run =
      program.run({"set path " + program.path("site"), "set output_filename missing.html",
                   "key F12", "set output_filename index.html", "key F12", "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  EXPECT_NE(run.log.find("message Output file does not exist: File Not Found: " +
                         program.path("site/missing.html")),
            std::string::npos)
      << run.log;
  const auto calls = wait_for_lines(program, "browser-calls.txt", 1);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], program.path("site/index.html"));
}

TEST_F(main_window, f7_writes_the_batch_files_for_the_settings_on_the_pages) {
  program.write("site/a.txt", "a");
  const window_run run =
      program.run({"set path " + program.path("site"),
                   "answer_file " + program.path("build_site.bat"), "answer_no", "key F7", "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  EXPECT_TRUE(program.exists("build_site.bat")) << run.log;
  EXPECT_TRUE(program.exists("build_site.sh"));
  EXPECT_EQ(program.read_ini("build_sitebat.init").at("path"), program.path("site"));
  EXPECT_NE(run.log.find("question Batch/VBS files created"), std::string::npos) << run.log;
}

TEST_F(main_window, the_language_button_loads_a_translation_and_restores_english) {
  const window_run run =
      program.run({"answer_button 0", "answer_file " + program.path("Translations/Francais.xml"),
                   "click load_language", "dump " + program.path("fr.txt"), "answer_button 1",
                   "click load_language", "dump " + program.path("en.txt"), "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  EXPECT_NE(run.log.find("buttons Load Tabulon Language XML File:"), std::string::npos) << run.log;
  const auto fr = program.read_dump("fr.txt");
  const auto en = program.read_dump("en.txt");
  EXPECT_NE(fr.at("tree.1"), "Miscellaneous");
  EXPECT_EQ(en.at("tree.1"), "Miscellaneous");
  EXPECT_EQ(en.at("include_filesize.label"), "Include file si&ze");
  const auto general = program.read_ini("general.init");
  EXPECT_EQ(general.at("language_file"), "");
}

TEST_F(main_window, f2_and_access_keys_move_the_focus_to_their_box) {
  const window_run run = program.run({"page 3", "key F2", "dump " + program.path("a.txt"),
                                      "key alt+l", "dump " + program.path("b.txt"), "key alt+t",
                                      "dump " + program.path("c.txt"), "exit"});
  ASSERT_TRUE(run.exited) << run.log;
  EXPECT_EQ(program.read_dump("a.txt").at("window.page"), "0");
  EXPECT_EQ(program.read_dump("a.txt").at("window.focus"), "path");
  EXPECT_EQ(program.read_dump("b.txt").at("window.focus"), "file_spec");  // Fi&le Specification:
  EXPECT_EQ(program.read_dump("c.txt").at("window.focus"), "title");      // &Title:
}

TEST(main_window_without_display, the_program_says_so_in_one_line_and_exits_1) {
  window_program program;
  // Runs without an X server of its own: no display at all, then one that
  // cannot be opened.
  for (const char* display : {"DISPLAY=", "DISPLAY=:97531"}) {
    const window_run run = program.run({"exit"}, std::chrono::seconds(20), {display});
    ASSERT_TRUE(run.exited) << display;
    EXPECT_EQ(run.status, 1) << display;
    EXPECT_NE(run.output.find("tabulon: the window needs a display"), std::string::npos)
        << display << ": " << run.output;
    EXPECT_NE(run.output.find("tabulon CONFIG.init"), std::string::npos);
    EXPECT_FALSE(program.exists("tabulon.init"));
  }
}

// Every label, check box and button of every page fits on its page, in
// English and in both translations, at the default font.
TEST_F(main_window, no_control_is_cut_off_in_english_german_or_french) {
  for (const char* language : {"", "Translations/Deutsch.xml", "Translations/Francais.xml"}) {
    program.write("general.init", std::string("[TABULON]\r\nlanguage_file=") + language + "\r\n");
    std::vector<std::string> steps;
    for (int page = 0; page < 6; ++page) {
      steps.push_back("page " + std::to_string(page));
      steps.push_back("wait 100");
      steps.push_back("dump " + program.path("p" + std::to_string(page) + ".txt"));
    }
    steps.push_back("exit");
    const window_run run = program.run(steps);
    ASSERT_TRUE(run.exited) << run.log;
    // The whole window fits on the 1280 x 900 test screen.
    const std::string minimum = program.read_dump("p0.txt").at("window.min");
    const int min_width = std::stoi(minimum);
    const int min_height = std::stoi(minimum.substr(minimum.find(',') + 1));
    EXPECT_LE(min_width, 1280) << language;
    EXPECT_LE(min_height, 900) << language;
    for (int page = 0; page < 6; ++page) {
      for (const auto& [key, value] : program.read_dump("p" + std::to_string(page) + ".txt")) {
        if (key.ends_with(".fits") && value != "1") {
          ADD_FAILURE() << (*language ? language : "English") << ", page " << page << ": " << key;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tabulon::testing
