#pragma once
// feedback_dialog: the modeless progress dialog of a build. It shows the
// folder being worked on, the phase text and the gradient bar, refreshed by
// a 250 ms timer from the build's progress relay, and offers Cancel, which
// asks the build to stop and leaves the dialog open until the build ends.

#include <wx/dialog.h>
#include <wx/timer.h>

#include "ui/interface_text.h"
#include "ui/progress_display.h"

class wxButton;
class wxTextCtrl;

namespace tabulon {

class gradient_gauge;

class feedback_dialog : public wxDialog {
 public:
  // The window title (before a language file changes it) by which tests find it.
  static constexpr const wchar_t* default_title = L"Building HTML File(s)";

  feedback_dialog(wxWindow* owner, const interface_text_table& texts, const wxFont& font,
                  progress_relay& relay);
  ~feedback_dialog() override;

  // Reads the relay and shows what it carries (the timer calls this).
  void refresh();
  // Stops the timer and lets go of the relay; called when the build has
  // ended, before the relay goes away (the dialog itself is destroyed later).
  void finish();

  const gradient_gauge& gauge() const { return *gauge_; }
  wxString folder_text() const;
  wxString file_text() const;

 private:
  void on_timer(wxTimerEvent& event);
  void on_cancel(wxCommandEvent& event);
  void on_close(wxCloseEvent& event);

  const interface_text_table& texts_;
  progress_relay* relay_;  // null once finished
  wxTimer timer_;
  wxTextCtrl* folder_box_ = nullptr;
  wxTextCtrl* file_box_ = nullptr;
  gradient_gauge* gauge_ = nullptr;
  wxButton* cancel_ = nullptr;
};

}  // namespace tabulon
