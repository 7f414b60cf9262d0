// Window tests of the Build command: the progress dialog, Cancel, the results
// dialog and its Delete, and the folder message, on a real display.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>

#include "base/wide_string.h"
#include "tests/support/temp_dir.h"
#include "tests/window/build_dialogs_test_support.h"
#include "ui/wx/build_command.h"
#include "ui/wx/feedback_dialog.h"
#include "ui/wx/file_created_dialog.h"
#include "ui/wx/gradient_gauge.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;
using testing::shown_window;
using testing::step_player;

// Clicks the button with label `label` in `dialog`; false when there is none.
bool click(wxWindow* dialog, const wxString& label) {
  for (wxWindow* child : dialog->GetChildren()) {
    auto* button = dynamic_cast<wxButton*>(child);
    if (!button || button->GetLabel() != label) continue;
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(event);
    return true;
  }
  return false;
}

std::vector<wxString> button_labels(wxWindow* dialog) {
  std::vector<wxString> labels;
  for (wxWindow* child : dialog->GetChildren())
    if (auto* button = dynamic_cast<wxButton*>(child)) labels.push_back(button->GetLabel());
  return labels;
}

std::vector<wxString> static_texts(wxWindow* dialog) {
  std::vector<wxString> texts;
  for (wxWindow* child : dialog->GetChildren())
    if (child->IsKindOf(wxCLASSINFO(wxStaticText))) texts.push_back(child->GetLabel());
  return texts;
}

class BuildDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why;
    if (!testing::start_gui(why)) GTEST_SKIP() << why;
    tree_ = dir_.mkdir("tree");
    s_.program_folder = from_native(dir_.path().string()) + L"/";
    s_.path = from_native(tree_.string());
    s_.reload_script = 0;
    s_.recursive_build = 0;
    s_.sort_folders_first = 0;
    s_.show_folder_names = 1;
    s_.folder_anchors = 1;
    main_ = new wxFrame(nullptr, wxID_ANY, "tabulon test main window", wxPoint(40, 40),
                        wxSize(480, 320));
    main_->Show();
    context_.main_window = main_;
    context_.settings = &s_;
    context_.texts = &texts_;
  }
  void TearDown() override {
    if (main_) main_->Destroy();
    wxTheApp->ProcessIdle();
  }

  // `files` files spread over `folders` folders below the tree.
  void make_tree(int files, int folders) {
    for (int f = 0; f < folders; ++f) {
      const fs::path folder = tree_ / ("d" + std::to_string(f));
      fs::create_directories(folder);
      for (int i = f; i < files; i += folders) {
        // Plain system calls: a tree of 50,000 files is most of the test's time.
        const int fd = ::open((folder / ("file" + std::to_string(i) + ".txt")).c_str(),
                              O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "x", 1), 1);
        ::close(fd);
      }
    }
  }

  void expect_view_settings_kept() const {
    EXPECT_EQ(s_.sort_folders_first, 0);
    EXPECT_EQ(s_.show_folder_names, 1);
    EXPECT_EQ(s_.folder_anchors, 1);
  }
  // Runs the Build command, which must end by showing one message box; the
  // box is answered and its caption and text compared.
  void build_expecting_one_message(std::wstring_view caption, std::wstring_view text) {
    std::vector<testing::shown_box> boxes;
    step_player player([&] {
      for (auto& box : testing::answer_message_boxes()) boxes.push_back(box);
      return !boxes.empty();
    });
    run_build_command(context_);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, caption);
    EXPECT_EQ(boxes[0].text, text);
  }

  testing::temp_dir dir_;
  fs::path tree_;
  build_settings s_;
  interface_text_table texts_;
  wxFrame* main_ = nullptr;
  build_command_context context_;
};

TEST_F(BuildDialogs, ProgressDialogMovesAndCancelStopsTheBuildWithoutAResult) {
  make_tree(50000, 500);
  s_.recursive_build = 1;
  s_.recursive_build_single_file = 1;
  std::set<int32_t> positions;
  std::set<wxString> folders;
  bool main_disabled_during_build = true;
  bool still_open_after_cancel = false;
  bool results_seen = false;
  int cancel_at = -1;
  int ticks = 0;
  bool centred = false;
  wxString title;
  step_player player([&] {
    if (shown_window<file_created_dialog>()) results_seen = true;
    feedback_dialog* progress = shown_window<feedback_dialog>();
    if (!progress) return cancel_at >= 0;
    if (ticks == 0) {
      const wxPoint a = progress->GetScreenRect().GetPosition() + progress->GetSize() / 2;
      const wxPoint b = main_->GetScreenRect().GetPosition() + main_->GetSize() / 2;
      centred = std::abs(a.x - b.x) <= 2 && std::abs(a.y - b.y) <= 2;
      title = progress->GetTitle();
    }
    progress->refresh();
    positions.insert(progress->gauge().position());
    if (!progress->folder_text().empty()) folders.insert(progress->folder_text());
    if (main_->IsEnabled() || !context_.build_running) main_disabled_during_build = false;
    ++ticks;
    if (cancel_at < 0 && folders.size() >= 3 && positions.size() >= 2) {
      testing::save_screenshot(progress, "dialog_progress.png");
      EXPECT_TRUE(click(progress, "&Cancel"));
      EXPECT_TRUE(click(progress, "&Cancel"));  // twice is once
      cancel_at = ticks;
      still_open_after_cancel = progress->IsShown();
    }
    return false;
  });
  run_build_command(context_);

  EXPECT_GE(cancel_at, 0) << "the dialog never showed three folders and a moving bar";
  EXPECT_GE(positions.size(), 2u);
  EXPECT_GE(folders.size(), 3u);
  EXPECT_TRUE(main_disabled_during_build) << "the main window took input during the build";
  EXPECT_TRUE(still_open_after_cancel);
  EXPECT_TRUE(centred) << "the progress dialog is not centred on the main window";
  EXPECT_EQ(title, "Building HTML File(s)");
  EXPECT_FALSE(results_seen);
  EXPECT_EQ(shown_window<feedback_dialog>(), nullptr);
  EXPECT_TRUE(main_->IsEnabled());
  EXPECT_FALSE(context_.build_running);
  // The dialog goes away at the next idle time; until then its timer must
  // leave the build's progress record (gone with the build) alone.
  for (wxWindow* w : wxTopLevelWindows)
    if (auto* d = dynamic_cast<feedback_dialog*>(w)) {
      d->refresh();
      EXPECT_FALSE(d->IsShown());
    }
  const size_t written = testing::files_named(tree_, "index.html").size();
  EXPECT_GT(written, 0u);
  EXPECT_LT(written, 501u) << "Cancel did not stop the build";
  EXPECT_TRUE(testing::answer_message_boxes().empty());
  expect_view_settings_kept();
}

TEST_F(BuildDialogs, ThePagesAreRefreshedOnlyOnceTheSwitchedSettingsAreBack) {
  // All links in one file without folders first builds without folder
  // anchors; the pages must not pick that up.
  std::ofstream(tree_ / "a.txt") << "x";
  s_.recursive_build = 1;
  s_.recursive_build_single_file = 0;
  int refreshed = 0;
  int32_t anchors_seen = -1;
  context_.after_build = [&] {
    ++refreshed;
    anchors_seen = s_.folder_anchors;
  };
  step_player player([&] {
    file_created_dialog* results = shown_window<file_created_dialog>();
    if (!results) return false;
    click(results, "&Close");
    return true;
  });
  run_build_command(context_);
  EXPECT_EQ(refreshed, 1);
  EXPECT_EQ(anchors_seen, 1);
  expect_view_settings_kept();
}

TEST_F(BuildDialogs, OnePageShowsTheResultsDialogForOneFile) {
  std::ofstream(tree_ / "a.txt") << "x";
  std::vector<wxString> labels, texts;
  wxString title;
  bool focus_on_launch_and_close = false;
  step_player player([&] {
    file_created_dialog* results = shown_window<file_created_dialog>();
    if (!results) return false;
    labels = button_labels(results);
    texts = static_texts(results);
    title = results->GetTitle();
    if (auto* focused = dynamic_cast<wxButton*>(wxWindow::FindFocus()))
      focus_on_launch_and_close = focused->GetLabel() == "Launc&h && Close";
    click(results, "&Close");
    return true;
  });
  run_build_command(context_);
  EXPECT_TRUE(player.finished());
  EXPECT_EQ(title, "HTML file(s) successfully created");
  EXPECT_EQ(labels, (std::vector<wxString>{"&Launch the file", "Launc&h && Close",
                                           "&Delete generated file(s)", "&Close"}));
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], wxString((tree_ / "index.html").string()));
  EXPECT_EQ(texts[1], "1 file(s) created");
  EXPECT_TRUE(focus_on_launch_and_close);
  EXPECT_TRUE(fs::exists(tree_ / "index.html"));  // Close deletes nothing
  expect_view_settings_kept();
}

TEST_F(BuildDialogs, LaunchOpensTheOutputPageAndLaunchAndCloseEndsTheDialog) {
  std::ofstream(tree_ / "a.txt") << "x";
  std::ofstream(tree_ / "b.txt") << "x";
  // A "browser" that notes what it was asked to open.
  const fs::path opened = dir_.path() / "opened.txt";
  const fs::path browser =
      dir_.write("browser.sh", "#!/bin/sh\necho \"$1\" >> '" + opened.string() + "'\n");
  fs::permissions(browser, fs::perms::owner_all);
  s_.default_browser = from_native(browser.string());
  const auto wait_for_opened = [&](size_t lines) {
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < give_up) {
      std::ifstream in(opened);
      size_t n = 0;
      for (std::string line; std::getline(in, line);) ++n;
      if (n >= lines) return true;
      wxMilliSleep(20);
    }
    return false;
  };

  bool stayed_open = false;
  step_player launch_only([&] {
    file_created_dialog* results = shown_window<file_created_dialog>();
    if (!results) return false;
    click(results, "&Launch the file");
    stayed_open = results->IsShown();
    click(results, "&Close");
    return true;
  });
  run_build_command(context_);
  EXPECT_TRUE(stayed_open);
  EXPECT_TRUE(context_.launched);
  ASSERT_TRUE(wait_for_opened(1));

  // After a Launch the focus is left where the dialog puts it.
  bool focus_on_launch_and_close = true;
  step_player launch_and_close([&] {
    file_created_dialog* results = shown_window<file_created_dialog>();
    if (!results) return false;
    auto* focused = dynamic_cast<wxButton*>(wxWindow::FindFocus());
    focus_on_launch_and_close = focused && focused->GetLabel() == "Launc&h && Close";
    click(results, "Launc&h && Close");
    return true;
  });
  run_build_command(context_);
  EXPECT_TRUE(launch_and_close.finished());
  EXPECT_FALSE(focus_on_launch_and_close);
  EXPECT_FALSE(context_.launched);  // cleared again by Launch & Close
  ASSERT_TRUE(wait_for_opened(2));
  std::ifstream in(opened);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, (tree_ / "index.html").string());
  EXPECT_EQ(shown_window<file_created_dialog>(), nullptr);
}

TEST_F(BuildDialogs, DeleteRemovesExactlyTheWrittenPagesAndReportsTheCount) {
  make_tree(60, 5);
  std::ofstream(tree_ / "d1" / "own.html") << "mine";
  s_.recursive_build = 1;
  s_.recursive_build_single_file = 1;
  std::vector<wxString> labels, texts;
  std::vector<testing::shown_box> boxes;
  bool deleted = false;
  step_player player([&] {
    if (!deleted) {
      file_created_dialog* results = shown_window<file_created_dialog>();
      if (!results) return false;
      labels = button_labels(results);
      texts = static_texts(results);
      testing::save_screenshot(results, "dialog_results.png");
      click(results, "&Delete generated file(s)");
      deleted = true;
      return false;
    }
    for (auto& box : testing::answer_message_boxes()) boxes.push_back(box);
    return !boxes.empty();
  });
  run_build_command(context_);
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels[0], "&Launch the root file");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1], "6 file(s) created");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, L"Deletion results...");
  EXPECT_EQ(boxes[0].text, L" \nFiles deleted: 6\n");
  EXPECT_TRUE(testing::files_named(tree_, "index.html").empty());
  EXPECT_TRUE(fs::exists(tree_ / "d1" / "own.html"));
  EXPECT_TRUE(fs::exists(tree_ / "d1" / "file1.txt"));
  expect_view_settings_kept();
}

TEST_F(BuildDialogs, AMissingRootFolderShowsTheFolderMessage) {
  s_.path = from_native((tree_ / "gone").string());
  build_expecting_one_message(
      L"HTML Build Aborted",
      L"The selected folder doesn't exist or isn't accessible, please click the Folder button.");
  EXPECT_TRUE(fs::is_empty(tree_));
  expect_view_settings_kept();
}

TEST_F(BuildDialogs, NothingToListShowsTheNoFileMessage) {
  s_.skip_folders = L"*/tree";
  build_expecting_one_message(
      L"No file was generated",
      L"   No matching files or folders were found or the html file could not be saved   ");
  expect_view_settings_kept();
}

}  // namespace
}  // namespace tabulon
