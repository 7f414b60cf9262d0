#include "ui/build_runner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <thread>

#include "base/wide_string.h"
#include "platform/current_dir.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::temp_dir;

// Plays the window: records what would be shown and runs the build on a
// thread of its own, as the real dialog does, while `during_build` plays the
// person watching the progress dialog.
class fake_host : public build_runner_host {
 public:
  struct results_call {
    std::wstring path;
    size_t pages = 0;
    bool one_per_folder = false;
  };
  std::vector<runner_message> messages;
  std::vector<results_call> results;
  bool copy_succeeds = true;
  int copies = 0;
  int builds = 0;
  bool answer_delete = false;
  std::function<void()> on_copy;  // the pages' values going into the settings
  std::function<void(progress_relay&)> during_build;
  std::function<void(progress_relay&)> after_build;

  void show_message(std::wstring_view text, std::wstring_view caption) override {
    messages.push_back({std::wstring(text), std::wstring(caption)});
  }
  bool copy_pages_into_settings() override {
    ++copies;
    if (on_copy) on_copy();
    return copy_succeeds;
  }
  void run_with_progress(const std::function<void()>& build, progress_relay& relay) override {
    ++builds;
    std::thread worker(build);
    if (during_build) during_build(relay);
    worker.join();
    if (after_build) after_build(relay);
  }
  bool show_results(const std::wstring& path, size_t pages, bool one_per_folder) override {
    results.push_back({path, pages, one_per_folder});
    return answer_delete;
  }
};

struct runner_fixture {
  temp_dir dir;
  build_settings s;
  interface_text_table texts;
  fake_host host;

  runner_fixture() {
    dir.mkdir("tree");
    s.program_folder = from_native(dir.path().string()) + L"/";
    s.path = root();
    s.reload_script = 0;
    s.recursive_build = 0;
    // Values the build must hand back unchanged.
    s.sort_folders_first = 0;
    s.show_folder_names = 1;
    s.folder_anchors = 1;
  }
  std::wstring root() const { return from_native((dir.path() / "tree").string()); }
  std::filesystem::path tree() const { return dir.path() / "tree"; }
  void file(const std::string& relative) const { dir.write("tree/" + relative, "x"); }
  void files(std::initializer_list<std::string> relatives) const {
    for (const std::string& relative : relatives) file(relative);
  }
  // A recursive build: one file per folder, or all links in one file.
  void recursive(bool one_file_per_folder) {
    s.recursive_build = 1;
    s.recursive_build_single_file = one_file_per_folder ? 1 : 0;
  }
  runner_report run() { return run_interactive_build(s, s.path, texts, host); }
  void expect_view_settings_kept() const {
    EXPECT_EQ(s.sort_folders_first, 0);
    EXPECT_EQ(s.show_folder_names, 1);
    EXPECT_EQ(s.folder_anchors, 1);
  }
};

TEST(BuildRunner, AnEmptyMissingOrFileRootShowsTheFolderMessageAndBuildsNothing) {
  runner_fixture f;
  f.file("plain.txt");
  const std::wstring here = current_directory();
  for (const std::wstring& folder :
       {std::wstring(), f.root() + L"/missing", f.root() + L"/plain.txt"}) {
    SCOPED_TRACE(to_native(folder));
    f.host.messages.clear();
    const runner_report r = run_interactive_build(f.s, folder, f.texts, f.host);
    EXPECT_EQ(r.outcome, runner_outcome::folder_not_accessible);
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0].text,
              L"The selected folder doesn't exist or isn't accessible, please click the Folder "
              L"button.");
    EXPECT_EQ(f.host.messages[0].caption, L"HTML Build Aborted");
    EXPECT_EQ(current_directory(), here);
  }
  EXPECT_EQ(f.host.copies, 0);
  EXPECT_EQ(f.host.builds, 0);
  EXPECT_FALSE(std::filesystem::exists(f.tree() / "index.html"));
}

TEST(BuildRunner, PagesThatCannotBeCopiedStopTheBuild) {
  runner_fixture f;
  f.file("a.txt");
  f.host.copy_succeeds = false;
  EXPECT_EQ(f.run().outcome, runner_outcome::pages_not_copied);
  EXPECT_EQ(f.host.builds, 0);
  EXPECT_TRUE(f.host.messages.empty());
}

TEST(BuildRunner, AMissingFramesetScriptStopsBeforeTheProgressDialog) {
  runner_fixture f;
  f.file("a.txt");
  f.s.recursive_build = 1;
  f.s.build_framed_site = 1;
  f.s.frameset_file = L"Scripts/no_such_frameset.txt";
  const runner_report r = f.run();
  EXPECT_EQ(r.outcome, runner_outcome::frameset_missing);
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].text, L"Could not locate frameset file");
  EXPECT_EQ(f.host.messages[0].caption, L"Error - Aborting Build");
  EXPECT_EQ(f.host.builds, 0);
  EXPECT_FALSE(std::filesystem::exists(f.tree() / "index.html"));
  f.expect_view_settings_kept();
}

TEST(BuildRunner, NoPageWrittenShowsTheNoFileMessageInTheTableWording) {
  runner_fixture f;
  f.file("a.txt");
  f.s.skip_folders = L"*/tree";  // the root itself is skipped
  f.texts[ui_text::no_files_built_caption].text = L"Nichts gefunden";
  f.texts[ui_text::no_files_built_title].text = L"Keine Datei";
  const runner_report r = f.run();
  EXPECT_EQ(r.outcome, runner_outcome::nothing_written);
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].text, L"   Nichts gefunden   ");
  EXPECT_EQ(f.host.messages[0].caption, L"Keine Datei");
  EXPECT_TRUE(f.host.results.empty());
  f.expect_view_settings_kept();
}

TEST(BuildRunner, OnePageOpensTheResultsDialogOnIt) {
  runner_fixture f;
  f.file("a.txt");
  const std::wstring here = current_directory();
  const runner_report r = f.run();
  EXPECT_EQ(r.outcome, runner_outcome::results_shown);
  ASSERT_EQ(f.host.results.size(), 1u);
  EXPECT_EQ(f.host.results[0].path, f.root() + L"/index.html");
  EXPECT_EQ(f.host.results[0].pages, 1u);
  EXPECT_FALSE(f.host.results[0].one_per_folder);
  EXPECT_TRUE(f.host.messages.empty());
  EXPECT_TRUE(std::filesystem::exists(f.tree() / "index.html"));
  EXPECT_EQ(current_directory(), here);
  f.expect_view_settings_kept();
}

TEST(BuildRunner, OneFilePerFolderNamesTheRootPageAndCountsEveryPage) {
  runner_fixture f;
  f.files({"a.txt", "b/b.txt", "c/c.txt"});
  f.recursive(true);
  f.s.framed_site_marker = 1;  // left over from a framed build
  const runner_report r = f.run();
  ASSERT_EQ(f.host.results.size(), 1u);
  EXPECT_EQ(f.host.results[0].path, f.root() + L"/index.html");
  EXPECT_EQ(f.host.results[0].pages, 3u);
  EXPECT_TRUE(f.host.results[0].one_per_folder);
  EXPECT_EQ(r.result.written_files.size(), 3u);
  EXPECT_EQ(f.s.framed_site_marker, 0);
  f.expect_view_settings_kept();
}

TEST(BuildRunner, AllLinksInOneFileWithoutFoldersFirstBuildsWithoutAnchorsAndRestoresThem) {
  runner_fixture f;
  f.files({"a.txt", "b/b.txt"});
  f.recursive(false);
  int32_t anchors_during_build = -1;
  f.host.during_build = [&](progress_relay&) { anchors_during_build = f.s.folder_anchors; };
  f.run();
  EXPECT_EQ(anchors_during_build, 0);
  ASSERT_EQ(f.host.results.size(), 1u);
  EXPECT_EQ(f.host.results[0].pages, 1u);
  f.expect_view_settings_kept();
}

TEST(BuildRunner, SettingsChangedOnThePagesCountAndTheirViewValuesComeBack) {
  // The pages are copied in before the three values are kept, so what comes
  // back is what the person set, not what the settings held before.
  runner_fixture f;
  f.file("a.txt");
  f.host.on_copy = [&] { f.s.show_folder_names = 0; };
  f.run();
  EXPECT_EQ(f.s.show_folder_names, 0);
}

TEST(BuildRunner, CancelBeforeTheFirstCheckShowsNothingAndWritesNothing) {
  runner_fixture f;
  f.files({"a.txt", "b/b.txt"});
  f.recursive(true);
  // Requested before the build has sent anything: the first notification stops it.
  f.host.during_build = nullptr;
  struct cancelling_host : fake_host {
    void run_with_progress(const std::function<void()>& build, progress_relay& relay) override {
      relay.request_cancel();
      relay.request_cancel();  // twice is once
      fake_host::run_with_progress(build, relay);
    }
  } host;
  const runner_report r = run_interactive_build(f.s, f.s.path, f.texts, host);
  EXPECT_EQ(r.outcome, runner_outcome::cancelled);
  EXPECT_TRUE(r.result.cancelled);
  EXPECT_TRUE(host.messages.empty());  // not even the no-file message
  EXPECT_TRUE(host.results.empty());
  EXPECT_FALSE(std::filesystem::exists(f.tree() / "index.html"));
  f.expect_view_settings_kept();
}

TEST(BuildRunner, CancelAfterTheLastCheckStillShowsNoResultAndKeepsThePages) {
  runner_fixture f;
  f.file("a.txt");
  f.host.after_build = [](progress_relay& relay) { relay.request_cancel(); };
  const runner_report r = f.run();
  EXPECT_EQ(r.outcome, runner_outcome::cancelled);
  EXPECT_TRUE(f.host.results.empty());
  EXPECT_TRUE(f.host.messages.empty());
  ASSERT_EQ(r.result.written_files.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(to_native(r.result.written_files[0])));
  f.expect_view_settings_kept();
}

TEST(BuildRunner, CancelWhileTheBuildRunsKeepsEveryPageWrittenSoFar) {
  runner_fixture f;
  constexpr int kFolders = 300;
  for (int i = 0; i < kFolders; ++i)
    for (int j = 0; j < 20; ++j)
      f.file("d" + std::to_string(i) + "/f" + std::to_string(j) + ".txt");
  f.recursive(true);
  f.host.during_build = [](progress_relay& relay) {
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < give_up) {
      if (relay.take_snapshot().pages >= 3) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    relay.request_cancel();
  };
  const runner_report r = f.run();
  EXPECT_EQ(r.outcome, runner_outcome::cancelled);
  EXPECT_TRUE(f.host.results.empty());
  EXPECT_FALSE(r.result.written_files.empty());
  for (const std::wstring& page : r.result.written_files)
    EXPECT_TRUE(std::filesystem::exists(to_native(page)));
  size_t on_disk = 0;
  for (const auto& e : std::filesystem::recursive_directory_iterator(f.tree()))
    if (e.path().filename() == "index.html") ++on_disk;
  EXPECT_EQ(on_disk, r.result.written_files.size());
  f.expect_view_settings_kept();
}

TEST(BuildRunner, DeleteRemovesExactlyTheWrittenPagesAndReportsThem) {
  runner_fixture f;
  f.files({"a.txt", "b/b.txt"});
  f.dir.write("tree/b/own.html", "mine");
  f.recursive(true);
  f.host.answer_delete = true;
  const runner_report r = f.run();
  EXPECT_EQ(r.outcome, runner_outcome::files_deleted);
  EXPECT_EQ(r.deletion.deleted, 2);
  EXPECT_EQ(r.deletion.failed, 0);
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].text, L" \r\nFiles deleted: 2\r\n");
  EXPECT_EQ(f.host.messages[0].caption, L"Deletion results...");
  EXPECT_FALSE(std::filesystem::exists(f.tree() / "index.html"));
  EXPECT_FALSE(std::filesystem::exists(f.tree() / "b/index.html"));
  EXPECT_TRUE(std::filesystem::exists(f.tree() / "a.txt"));
  EXPECT_TRUE(std::filesystem::exists(f.tree() / "b/b.txt"));
  EXPECT_TRUE(std::filesystem::exists(f.tree() / "b/own.html"));
}

TEST(BuildRunner, AFramedBuildKeepsItsModeAndTheOutputName) {
  runner_fixture f;
  f.files({"top.txt", "a/one.txt"});
  f.dir.write("frames.txt",
              "<html><head><title></title></head><frameset><frame src=\"nav.html\" name=\"n\">"
              "<frame src=\"main.html\" name=\"m\"></frameset></html>");
  f.dir.write("left.txt", "/FOLDER_TD\nclass=\"l\"\n");
  f.dir.write("right.txt", "/FILE_TD\nclass=\"r\"\n");
  f.s.recursive_build = 1;
  f.s.build_framed_site = 1;
  f.s.recursive_build_single_file = 0;
  f.s.frameset_file = L"frames.txt";  // in the program folder
  f.s.left_frame_file = L"left.txt";
  f.s.right_frame_file = L"right.txt";
  f.s.output_filename = L"index.html";
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    f.host.results.clear();
    f.run();
    ASSERT_EQ(f.host.results.size(), 1u);
    EXPECT_EQ(f.host.results[0].path, f.root() + L"/index.html");  // the frameset page
    EXPECT_FALSE(f.host.results[0].one_per_folder);
    EXPECT_EQ(f.s.build_framed_site, 1);
    EXPECT_EQ(f.s.recursive_build, 1);
    EXPECT_EQ(f.s.recursive_build_single_file, 0);
    EXPECT_EQ(f.s.output_filename, L"index.html");
    // The second build must again write a frameset, not a right frame, here.
    EXPECT_NE(testing::read_bytes(f.tree() / "index.html").find("<frameset"), std::string::npos);
    f.expect_view_settings_kept();
  }
}

TEST(BuildRunnerRules, ModesAndWhatFollowsABuild) {
  build_settings s;
  s.recursive_build = 0;
  s.build_framed_site = 1;
  EXPECT_EQ(build_mode_of(s), build_mode::single_folder);  // framed needs recursion
  s.recursive_build = 1;
  EXPECT_EQ(build_mode_of(s), build_mode::framed_site);
  s.build_framed_site = 0;
  s.recursive_build_single_file = 1;
  EXPECT_EQ(build_mode_of(s), build_mode::one_per_folder);
  s.recursive_build_single_file = 0;
  EXPECT_EQ(build_mode_of(s), build_mode::all_in_one);

  build_result r;
  EXPECT_EQ(after_build_of(r), after_build::no_file_message);
  r.written_files = {L"/x/index.html"};
  EXPECT_EQ(after_build_of(r), after_build::results_dialog);
  r.cancelled = true;
  EXPECT_EQ(after_build_of(r), after_build::nothing);

  s.path = L"/srv/site";
  s.output_filename = L"list.html";
  s.program_folder = L"/opt/t/";
  EXPECT_EQ(result_path_of(s, build_mode::one_per_folder, L"/srv/site/z/list.html"),
            L"/srv/site/list.html");
  EXPECT_EQ(result_path_of(s, build_mode::all_in_one, L"/srv/site/list.html"),
            L"/srv/site/list.html");
}

}  // namespace
}  // namespace tabulon
