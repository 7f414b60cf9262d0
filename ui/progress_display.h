#pragma once
// What the progress dialog shows while a build runs, and the relay that
// carries it from the build's thread to the window's.
//
// progress_relay owns the build's progress record. The build (on its own
// thread) calls the record's callback at every notification; the callback
// turns a requested Cancel into the record's `cancelled` flag and, when the
// window has asked for one since, copies the record into a snapshot. The
// window's timer takes the snapshot and asks for the next. So a notification
// costs two atomic reads unless a refresh is due, and the window never reads
// the record while the build changes it.
//
// progress_display_of turns a snapshot into the dialog's texts and bar.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "engine/build_progress.h"
#include "ui/interface_text.h"

namespace tabulon {

// The fields of a progress record as they stood at one notification.
struct progress_snapshot {
  bool seen = false;  // false until the build has sent a notification
  int32_t pages = 0;
  int32_t rows_done = 0;
  int32_t rows_total = 0;
  int32_t step = 0;
  int32_t steps = 0;
  int32_t phase = 0;
  std::wstring current_folder;
};

class progress_relay {
 public:
  // Rows between two notifications while a page is written.
  static constexpr int32_t row_interval = 15;

  // Sets up the record: `interval` 15, notifications on, the relay's callback.
  progress_relay();
  progress_relay(const progress_relay&) = delete;
  progress_relay& operator=(const progress_relay&) = delete;

  // The record to hand to the build. It points back at this relay.
  build_progress& record() { return record_; }

  // Any thread. The build stops at its next notification; asking again
  // changes nothing.
  void request_cancel() { cancel_requested_.store(true); }
  bool cancel_requested() const { return cancel_requested_.load(); }

  // The window's thread: the latest snapshot, and a request for a fresh one
  // at the build's next notification.
  progress_snapshot take_snapshot();

 private:
  void on_notify(build_progress& record);

  build_progress record_;
  std::atomic<bool> cancel_requested_{false};
  std::atomic<bool> snapshot_wanted_{true};
  std::mutex mutex_;
  progress_snapshot latest_;
};

// The bar runs from 0 to this.
inline constexpr int32_t progress_bar_range = 8192;

struct progress_display {
  std::wstring folder_text;   // the folder box
  std::wstring file_text;     // the file box: the phase text
  int32_t bar_position = 0;   // 0 to progress_bar_range
  std::wstring percent_text;  // "%d%%" of the bar position
};

// The position of `done` out of `total` on the bar: 0 when nothing is known,
// the full range once `done` reaches `total`.
int32_t bar_position_of(int64_t done, int64_t total);
// "%d%%" of a bar position: "0%" to "100%".
std::wstring percent_text_of(int32_t bar_position);

// What the dialog shows for `snapshot`, worded by `texts`:
//  - searching (phase 0, no row written yet): "Links processed: " and the
//    files found so far; the bar empty.
//  - phase 1 (files found, being sorted): "Sorting " and their count.
//  - phase 5 (column sorts): "Column sorts completed:" and the count; the
//    bar by step of steps.
//  - phase 2 (writing rows): "Links..."; the bar by rows written of rows found.
//  - phase 3 (folder anchors): "Generating folder anchors..."; the bar by
//    anchors written.
//  - phase 4: "File, folder search completed".
//  - phase 0 after the rows (the page being saved): "Saving html file(s)...";
//    the bar full.
// Before the first notification both boxes are empty and the bar is at 0.
progress_display progress_display_of(const progress_snapshot& snapshot,
                                     const interface_text_table& texts);

}  // namespace tabulon
