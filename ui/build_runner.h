#pragma once
// The interactive build runner behind the Build command: checks the root
// folder, copies the option pages into the settings, runs the build the
// settings select with the progress dialog up, then shows the no-file
// message or the results dialog and deletes the written pages when asked.
//
// Every decision is made here, in plain code; build_runner_host is the
// window's side (message boxes, the progress dialog over a disabled main
// window, the results dialog), so that tests can play it.
//
// Settings: `sort_folders_first`, `show_folder_names` and `folder_anchors`
// hold their values from before the build whatever happened. A framed build
// leaves the site's mode on (`build_framed_site`, `recursive_build` on,
// `recursive_build_single_file` off) and keeps `output_filename` as it was,
// so the next build writes the frameset page under the same name again.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "base/build_settings.h"
#include "engine/build_result.h"
#include "ui/deletion_report.h"
#include "ui/interface_text.h"
#include "ui/progress_display.h"

namespace tabulon {

class build_runner_host {
 public:
  virtual ~build_runner_host() = default;

  virtual void show_message(std::wstring_view text, std::wstring_view caption) = 0;
  // Copies the values of every option page into the settings; false stops
  // the build before anything is written.
  virtual bool copy_pages_into_settings() = 0;
  // Shows the wait cursor and the progress dialog, disables the main window,
  // and runs `build` (on a thread of its own, or in place) while the dialog
  // shows what `relay` carries and turns Cancel into relay.request_cancel().
  // Returns once `build` has returned, with the dialog gone, the main window
  // enabled and the arrow cursor back.
  virtual void run_with_progress(const std::function<void()>& build, progress_relay& relay) = 0;
  // Shows the results dialog. True when "Delete generated file(s)" closed it.
  virtual bool show_results(const std::wstring& result_path, size_t pages_written,
                            bool one_file_per_folder) = 0;
};

enum class runner_outcome {
  folder_not_accessible,  // the folder message was shown; nothing built
  pages_not_copied,       // the pages could not be copied into the settings
  frameset_missing,       // "Could not locate frameset file"; nothing built
  cancelled,              // stopped by Cancel; nothing more shown
  nothing_written,        // the no-file message was shown
  results_shown,          // the results dialog was shown and closed
  files_deleted,          // ... and asked for the written pages to be deleted
};

struct runner_report {
  runner_outcome outcome = runner_outcome::folder_not_accessible;
  build_result result;        // what the build did (empty when none ran)
  std::wstring result_path;   // the page the results dialog names
  deletion_outcome deletion;  // when the written pages were deleted
};

// Runs the Build command for the root folder text `folder_text` over
// `settings`. The current directory is the same afterwards.
runner_report run_interactive_build(build_settings& settings, const std::wstring& folder_text,
                                    const interface_text_table& texts, build_runner_host& host);

// --- the rules, one by one ---

// True when `folder_text` is not empty and can be made the current
// directory (which is put back before returning).
bool root_folder_usable(const std::wstring& folder_text);

// The three settings a build may switch and the runner puts back.
struct kept_view_settings {
  int32_t sort_folders_first = 0;
  int32_t show_folder_names = 0;
  int32_t folder_anchors = 0;
};
kept_view_settings keep_view_settings(const build_settings& settings);
void restore_view_settings(build_settings& settings, const kept_view_settings& kept);

enum class build_mode { single_folder, all_in_one, one_per_folder, framed_site };
build_mode build_mode_of(const build_settings& settings);

// What comes after a build: nothing after Cancel, the no-file message when
// no page was written, else the results dialog.
enum class after_build { nothing, no_file_message, results_dialog };
after_build after_build_of(const build_result& result);

// The page the results dialog names: the root folder's page in the
// one-file-per-folder mode, else the last page written.
std::wstring result_path_of(const build_settings& settings, build_mode mode,
                            const std::wstring& last_written);

struct runner_message {
  std::wstring text;
  std::wstring caption;
};
runner_message folder_message();
runner_message frameset_message(const interface_text_table& texts);
runner_message no_file_message(const interface_text_table& texts);

}  // namespace tabulon
