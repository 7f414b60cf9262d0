#pragma once
// build_progress: the plain record through which a build reports what it is
// doing and through which it is cancelled. The caller (the interactive runner,
// a test, the command line) owns it; the engine only reads and updates the
// fields and calls the callback. The engine never prints.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace tabulon {

// What the build is doing, for the progress texts and the bar. Every change
// of phase is followed by a notification.
enum build_phase : int32_t {
  // Nothing under way: a page is finished (or abandoned) and the next not begun.
  phase_page_done = 0,
  // The scan has found the page's files; `current_folder` names the folder.
  phase_files_found = 1,
  // Rows of the page are written; `rows_done` of `rows_total`.
  phase_writing_rows = 2,
  // The anchor table is built; `rows_done` of `rows_total` folders.
  phase_anchor_table = 3,
  // The file table is arranged into columns.
  phase_arranging_columns = 5,
};

struct build_progress {
  int32_t pages = 0;       // +1 when a page is begun and when the one-page scan enters a folder
  int32_t rows_done = 0;   // rows written on the current page
  int32_t rows_total = 0;  // files found for the current page (+1 per file taken by the scan)
  int32_t step = 0;        // secondary count shown while arranging columns
  int32_t steps = 0;
  build_phase phase = phase_page_done;
  // Set by the observer, from any thread; the engine stops at its next check.
  std::atomic<bool> cancelled{false};
  std::wstring current_folder;                    // the folder being worked on
  int32_t interval = 0;                           // rows between two notifications while writing
  int32_t notify = 0;                             // notifications are sent only when non-zero
  std::function<void(build_progress&)> callback;  // called for each notification
};

// Sends one notification when the record asks for them and has a callback.
// Returns the `cancelled` flag as it stands afterwards, since every
// notification is followed by a look at it.
inline bool notify(build_progress& progress) {
  if (progress.notify && progress.callback) progress.callback(progress);
  return progress.cancelled;
}

// Resets what the engine resets at the start of a build.
inline void reset_for_build(build_progress& progress) {
  progress.pages = 0;
  progress.rows_done = 0;
  progress.rows_total = 0;
  progress.cancelled = false;
}

}  // namespace tabulon
