#include "ui/wx/window_entry.h"

#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>

#include "ui/wx/main_frame.h"
#include "ui/wx/test_script.h"

namespace tabulon {
namespace {

class window_app : public wxApp {
 public:
  explicit window_app(application& app) : app_(app) {}

  bool OnInit() override {
    SetAppName("tabulon");
    auto* frame = new main_frame(app_, &answers_);
    SetTopWindow(frame);
    frame->Show();
    CallAfter([frame] { frame->window_shown(); });
    if (test_script_requested()) start_test_script(frame, answers_);
    return true;
  }

 private:
  application& app_;
  scripted_answers answers_;
};

}  // namespace

int run_window(application& app) {
  wxApp::SetInstance(new window_app(app));
  int argc = 1;
  char name[] = "tabulon";
  char* argv[] = {name, nullptr};
  if (!wxEntryStart(argc, argv)) {
    std::fputs(kNoWindowLine, stderr);
    return 1;
  }
  int status = 0;
  if (wxTheApp->CallOnInit()) {
    status = wxTheApp->OnRun();
    wxTheApp->OnExit();
  }
  wxEntryCleanup();
  return status == 0 ? 0 : status;
}

}  // namespace tabulon
