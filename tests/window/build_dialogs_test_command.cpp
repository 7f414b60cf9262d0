// The Build command in the real program, pressed as F3 by a test script:
// the results choice, Delete, and the folder message, with the settings the
// build must hand back checked in the "tabulon.init" written on Exit.
//
// The main window hands the command its prompts (so that a test script logs
// the messages) and, under a script, its button choice for the results
// dialog, which would otherwise wait for a person.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/window/window_driver.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;

class BuildCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!program_.display_ready()) GTEST_SKIP() << program_.skip_reason();
    tree_ = program_.folder() / "site";
    for (int f = 0; f < 4; ++f) {
      fs::create_directories(tree_ / ("d" + std::to_string(f)));
      for (int i = 0; i < 10; ++i)
        std::ofstream(tree_ / ("d" + std::to_string(f)) / ("f" + std::to_string(i) + ".txt"))
            << "x";
    }
    std::ofstream(tree_ / "d2" / "mine.html") << "mine";
  }
  void write_config(const std::string& lines) {
    program_.write("tabulon.init", "[TABULON]\r\npath=" + tree_.string() +
                                       "\r\nsort_folders_first=FALSE\r\nshow_folder_names=TRUE"
                                       "\r\nfolder_anchors=TRUE\r\n" +
                                       lines);
  }
  void expect_view_settings_kept() const {
    const auto init = program_.read_ini("tabulon.init");
    EXPECT_EQ(init.at("sort_folders_first"), "FALSE");
    EXPECT_EQ(init.at("show_folder_names"), "TRUE");
    EXPECT_EQ(init.at("folder_anchors"), "TRUE");
  }

  testing::window_program program_;
  fs::path tree_;
};

TEST_F(BuildCommand, F3BuildsAndDeleteRemovesExactlyThePagesItWrote) {
  write_config("recursive_build=TRUE\r\nrecursive_build_single_file=TRUE\r\n");
  const testing::window_run run = program_.run({"answer_button 2", "key F3", "exit"});
  ASSERT_TRUE(run.exited) << run.log << run.output;
  EXPECT_NE(run.log.find("HTML file(s) successfully created: " + (tree_ / "index.html").string() +
                         ", 5 file(s) created"),
            std::string::npos)
      << run.log;
  EXPECT_NE(run.log.find("[&Launch the root file]"), std::string::npos) << run.log;
  EXPECT_NE(run.log.find("Deletion results...:  \r\nFiles deleted: 5"), std::string::npos)
      << run.log;
  EXPECT_TRUE(testing::files_named(tree_, "index.html").empty());
  EXPECT_TRUE(fs::exists(tree_ / "d2" / "mine.html"));
  EXPECT_TRUE(fs::exists(tree_ / "d2" / "f3.txt"));
  expect_view_settings_kept();
}

TEST_F(BuildCommand, AllLinksInOneFileKeepsFolderAnchorsOnAfterTheBuild) {
  write_config("recursive_build=TRUE\r\nrecursive_build_single_file=FALSE\r\n");
  const testing::window_run run = program_.run({"answer_button 3", "key F3", "exit"});
  ASSERT_TRUE(run.exited) << run.log << run.output;
  EXPECT_NE(run.log.find("1 file(s) created: [&Launch the file]"), std::string::npos) << run.log;
  EXPECT_EQ(testing::files_named(tree_, "index.html").size(), 1u);
  expect_view_settings_kept();
}

TEST_F(BuildCommand, AMissingRootFolderIsReportedAndNothingIsBuilt) {
  write_config("recursive_build=TRUE\r\n");
  const testing::window_run run =
      program_.run({"set path " + (tree_ / "gone").string(), "key F3", "exit"});
  ASSERT_TRUE(run.exited) << run.log << run.output;
  EXPECT_NE(run.log.find("message HTML Build Aborted: The selected folder doesn't exist or isn't "
                         "accessible, please click the Folder button."),
            std::string::npos)
      << run.log;
  EXPECT_EQ(run.log.find("successfully created"), std::string::npos);
  EXPECT_TRUE(testing::files_named(tree_, "index.html").empty());
}

}  // namespace
}  // namespace tabulon
