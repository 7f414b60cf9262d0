#include "ui/progress_display.h"

#include <gtest/gtest.h>

#include <thread>

namespace tabulon {
namespace {

progress_snapshot at(int32_t phase, int32_t done, int32_t total) {
  progress_snapshot s;
  s.seen = true;
  s.phase = phase;
  s.rows_done = done;
  s.rows_total = total;
  s.current_folder = L"/srv/site/sub";
  return s;
}

TEST(ProgressBar, PositionAndPercentOverTheWholeRange) {
  EXPECT_EQ(bar_position_of(0, 0), 0);
  EXPECT_EQ(bar_position_of(5, 0), 0);  // nothing known yet
  EXPECT_EQ(bar_position_of(-3, 10), 0);
  EXPECT_EQ(bar_position_of(1, 2), 4096);
  EXPECT_EQ(bar_position_of(15, 10), 8192);  // rows counted in steps of 15 overshoot
  // Large counts do not overflow on the way.
  EXPECT_EQ(bar_position_of(1'000'000, 1'000'000), 8192);
  EXPECT_EQ(bar_position_of(999'999, 1'000'000), 8191);
  EXPECT_EQ(percent_text_of(0), L"0%");
  EXPECT_EQ(percent_text_of(4096), L"50%");
  EXPECT_EQ(percent_text_of(8191), L"99%");
  EXPECT_EQ(percent_text_of(8192), L"100%");
  EXPECT_EQ(percent_text_of(9000), L"100%");
}

TEST(ProgressDisplay, EachPhaseHasItsText) {
  interface_text_table texts;
  progress_display d = progress_display_of(progress_snapshot{}, texts);
  EXPECT_EQ(d.folder_text, L"");
  EXPECT_EQ(d.file_text, L"");
  EXPECT_EQ(d.percent_text, L"0%");

  d = progress_display_of(at(0, 0, 120), texts);  // still searching
  EXPECT_EQ(d.folder_text, L"/srv/site/sub");
  EXPECT_EQ(d.file_text, L"Links processed: 120");
  EXPECT_EQ(d.bar_position, 0);

  d = progress_display_of(at(1, 0, 300), texts);
  EXPECT_EQ(d.file_text, L"Sorting 300");

  d = progress_display_of(at(2, 75, 300), texts);
  EXPECT_EQ(d.file_text, L"Links...");
  EXPECT_EQ(d.bar_position, 2048);
  EXPECT_EQ(d.percent_text, L"25%");

  d = progress_display_of(at(3, 10, 40), texts);
  EXPECT_EQ(d.file_text, L"Generating folder anchors...");
  EXPECT_EQ(d.percent_text, L"25%");

  d = progress_display_of(at(4, 0, 0), texts);
  EXPECT_EQ(d.file_text, L"File, folder search completed");

  progress_snapshot columns = at(5, 0, 0);
  columns.step = 3;
  columns.steps = 4;
  d = progress_display_of(columns, texts);
  EXPECT_EQ(d.file_text, L"Column sorts completed: 3");
  EXPECT_EQ(d.percent_text, L"75%");

  d = progress_display_of(at(0, 300, 300), texts);  // rows done: the page is being saved
  EXPECT_EQ(d.file_text, L"Saving html file(s)...");
  EXPECT_EQ(d.percent_text, L"100%");
}

TEST(ProgressDisplay, ALanguageFileRewordsThePhases) {
  interface_text_table texts;
  texts[ui_text::feedback_links_processed].text = L"Verweise: ";
  texts[ui_text::feedback_saving_files].text = L"Speichern...";
  EXPECT_EQ(progress_display_of(at(0, 0, 9), texts).file_text, L"Verweise: 9");
  EXPECT_EQ(progress_display_of(at(0, 9, 9), texts).file_text, L"Speichern...");
}

TEST(ProgressRelay, SetsUpTheRecordAndTurnsCancelIntoTheFlagAtTheNextNotification) {
  progress_relay relay;
  build_progress& record = relay.record();
  EXPECT_EQ(record.interval, 15);
  EXPECT_NE(record.notify, 0);
  EXPECT_FALSE(notify(record));
  relay.request_cancel();
  relay.request_cancel();          // twice is once
  EXPECT_FALSE(record.cancelled);  // the build's thread sets it, at a notification
  EXPECT_TRUE(notify(record));
  EXPECT_TRUE(relay.cancel_requested());
}

TEST(ProgressRelay, ASnapshotIsTakenAtTheFirstNotificationAfterItWasAskedFor) {
  progress_relay relay;
  build_progress& record = relay.record();
  EXPECT_FALSE(relay.take_snapshot().seen);

  record.current_folder = L"/a";
  record.rows_total = 1;
  notify(record);
  record.current_folder = L"/b";  // no snapshot asked for since: not copied
  record.rows_total = 2;
  notify(record);
  progress_snapshot s = relay.take_snapshot();
  EXPECT_TRUE(s.seen);
  EXPECT_EQ(s.current_folder, L"/a");
  EXPECT_EQ(s.rows_total, 1);

  notify(record);  // asked for by the take above
  s = relay.take_snapshot();
  EXPECT_EQ(s.current_folder, L"/b");
  EXPECT_EQ(s.rows_total, 2);
}

TEST(ProgressRelay, SnapshotsCanBeTakenWhileAnotherThreadNotifies) {
  progress_relay relay;
  std::thread build([&] {
    build_progress& record = relay.record();
    for (int32_t i = 1; i <= 200000 && !record.cancelled; ++i) {
      record.rows_total = i;
      record.current_folder = L"/folder/" + std::to_wstring(i % 97);
      notify(record);
    }
  });
  int32_t last = 0;
  for (int k = 0; k < 1000; ++k) {
    const progress_snapshot s = relay.take_snapshot();
    EXPECT_GE(s.rows_total, last);  // never goes back
    last = s.rows_total;
    if (s.seen) {
      EXPECT_EQ(s.current_folder, L"/folder/" + std::to_wstring(s.rows_total % 97));
    }
  }
  relay.request_cancel();
  build.join();
}

}  // namespace
}  // namespace tabulon
