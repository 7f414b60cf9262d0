#pragma once
// The Build command (F3 and the "&Build (F3)" button): checks the root
// folder, shows the progress dialog while the build runs on a worker thread,
// then the no-file message or the results dialog, and deletes the written
// pages when asked. The rules it follows are ui/build_runner.h; this is the
// window's side of them.

#include <wx/font.h>
#include <wx/window.h>

#include <functional>
#include <string>

#include "base/build_settings.h"
#include "ui/interface_text.h"
#include "ui/language_choice.h"
#include "ui/prompts.h"

namespace tabulon {

// What the main window lends the command for one build.
struct build_command_context {
  wxWindow* main_window = nullptr;  // owner of the dialogs; disabled while the build runs
  build_settings* settings = nullptr;
  const interface_text_table* texts = nullptr;
  wxFont interface_font;  // applied to both dialogs; wxNullFont keeps the system font

  // The text of the root folder box; empty: `settings->path`.
  std::function<std::wstring()> folder_text;
  // Copies the values of all option pages into the settings; false stops the
  // command (nothing built). Empty: the settings are already up to date.
  std::function<bool()> copy_pages_into_settings;
  // Called once the command is done, after every build that ran (cancelled
  // or not) and after the settings it switched are put back, so the pages
  // can show what the build left in the settings. May be empty.
  std::function<void()> after_build;

  // Where the command's messages go (the folder, frameset, no-file and
  // deletion messages, and a launch that fails); null: message boxes.
  prompts* ui = nullptr;
  // When set, the results dialog is not shown: its choice is asked of this
  // instead, with the dialog's title, file and count lines as the caption and
  // its four button captions (a test script answers and logs it). Launch
  // (0) asks again, as the dialog stays open; Launch & Close (1), Delete (2),
  // Close (3) and -1 end it.
  button_choice* scripted_results = nullptr;

  // True while the build runs (the progress dialog is up): the main window
  // should refuse to close then, as the build works on its settings.
  bool build_running = false;

  // Set once the output file has been opened from the results dialog; kept by
  // the main window for the whole run.
  bool launched = false;
};

// Runs the Build command. Returns when the build and its dialogs are done.
void run_build_command(build_command_context& context);

}  // namespace tabulon
