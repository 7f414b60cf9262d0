#pragma once
// Support for the build dialogs' window tests: the tests run wxWidgets in
// their own process on an X display (the one in DISPLAY, or an Xvfb they
// start), open a bare main window, run the Build command on it, and play the
// person at the screen from a timer that fires every few milliseconds while
// the command's dialogs run their own event loops. Native message boxes are
// read and answered through GTK.

#include <wx/frame.h>

#include <functional>
#include <string>
#include <vector>

namespace tabulon::testing {

// True once wxWidgets runs on a display; false (with `why`) when no X
// server could be found or started.
bool start_gui(std::string& why);

// A message box that was shown and answered with OK.
struct shown_box {
  std::wstring caption;
  std::wstring text;
};

// Answers every native message box that is open with OK and returns what
// they said.
std::vector<shown_box> answer_message_boxes();

// Calls `step` every `period_ms` milliseconds until it returns true, from
// the event loop that runs at the time (the command's nested ones included).
class step_player {
 public:
  step_player(std::function<bool()> step, int period_ms = 10);
  ~step_player();
  step_player(const step_player&) = delete;
  step_player& operator=(const step_player&) = delete;
  bool finished() const;

 private:
  struct impl;
  impl* impl_;
};

// The top-level window of type T that is shown, or null.
template <typename T>
T* shown_window();

// Saves a picture of `window` (and what lies on it) to `file` when the
// environment names a folder in TABULON_SCREENSHOTS; returns the path or "".
std::string save_screenshot(wxWindow* window, const std::string& file);

}  // namespace tabulon::testing

#include <wx/toplevel.h>

template <typename T>
T* tabulon::testing::shown_window() {
  for (wxWindow* w : wxTopLevelWindows) {
    if (auto* t = dynamic_cast<T*>(w); t && t->IsShown()) return t;
  }
  return nullptr;
}
