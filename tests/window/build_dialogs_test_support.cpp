#include "tests/window/build_dialogs_test_support.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/timer.h>

#include <cstdlib>
#include <string>

#include "tests/window/window_driver.h"

// The few GTK and GLib calls that read and answer a native message box,
// looked up in the toolkit wxWidgets has already loaded, so the tests need
// no GTK headers or link line of their own.
namespace {

struct tabulon_glist {
  void* data;
  tabulon_glist* next;
  tabulon_glist* prev;
};

struct gtk_calls {
  tabulon_glist* (*list_toplevels)() = nullptr;
  void (*list_free)(tabulon_glist*) = nullptr;
  int (*get_visible)(void*) = nullptr;
  const char* (*get_title)(void*) = nullptr;
  unsigned long (*message_dialog_type)() = nullptr;
  int (*is_a)(void*, unsigned long) = nullptr;
  void (*object_get)(void*, const char*, ...) = nullptr;
  void (*free)(void*) = nullptr;
  void (*dialog_response)(void*, int) = nullptr;

  template <typename F>
  static void find(F& f, const char* name) {
    f = reinterpret_cast<F>(dlsym(RTLD_DEFAULT, name));
  }
  gtk_calls() {
    find(list_toplevels, "gtk_window_list_toplevels");
    find(list_free, "g_list_free");
    find(get_visible, "gtk_widget_get_visible");
    find(get_title, "gtk_window_get_title");
    find(message_dialog_type, "gtk_message_dialog_get_type");
    find(is_a, "g_type_check_instance_is_a");
    find(object_get, "g_object_get");
    find(free, "g_free");
    find(dialog_response, "gtk_dialog_response");
  }
  bool usable() const {
    return list_toplevels && list_free && get_visible && get_title && message_dialog_type && is_a &&
           object_get && free && dialog_response;
  }
};

}  // namespace

namespace tabulon::testing {

namespace {

constexpr int kGtkResponseOk = -5;

class test_app : public wxApp {
 public:
  bool OnInit() override { return true; }
};

std::wstring from_utf8(const char* text) {
  return text ? wxString::FromUTF8(text).ToStdWstring() : std::wstring();
}

}  // namespace

bool start_gui(std::string& why) {
  static bool started = false;
  static std::string failure;
  if (started) return true;
  if (!failure.empty()) {
    why = failure;
    return false;
  }
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) {
    const std::string started_display = test_display(&failure);
    if (started_display.empty()) {
      why = failure;
      return false;
    }
    setenv("DISPLAY", started_display.c_str(), 1);
  }
  wxApp::SetInstance(new test_app);
  static int argc = 1;
  static char name[] = "build_dialogs_test";
  static char* argv[] = {name, nullptr};
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    failure = "wxWidgets could not open the display";
    why = failure;
    return false;
  }
  started = true;
  return true;
}

std::vector<shown_box> answer_message_boxes() {
  static const gtk_calls gtk;
  std::vector<shown_box> boxes;
  if (!gtk.usable()) {
    ADD_FAILURE() << "the GTK calls that read message boxes were not found";
    return boxes;
  }
  tabulon_glist* list = gtk.list_toplevels();
  for (tabulon_glist* item = list; item; item = item->next) {
    void* window = item->data;
    if (!gtk.get_visible(window) || !gtk.is_a(window, gtk.message_dialog_type())) continue;
    char* text = nullptr;
    gtk.object_get(window, "text", &text, static_cast<char*>(nullptr));
    boxes.push_back({from_utf8(gtk.get_title(window)), from_utf8(text)});
    gtk.free(text);
    gtk.dialog_response(window, kGtkResponseOk);
  }
  gtk.list_free(list);
  return boxes;
}

struct step_player::impl : wxTimer {
  std::function<bool()> step;
  bool done = false;
  void Notify() override {
    if (done) return;
    if (step()) {
      done = true;
      Stop();
    }
  }
};

step_player::step_player(std::function<bool()> step, int period_ms) : impl_(new impl) {
  impl_->step = std::move(step);
  impl_->Start(period_ms);
}

step_player::~step_player() {
  impl_->Stop();
  delete impl_;
}

bool step_player::finished() const {
  return impl_->done;
}

std::string save_screenshot(wxWindow* window, const std::string& file) {
  const char* folder = std::getenv("TABULON_SCREENSHOTS");
  if (!folder || !*folder || !window) return {};
  window->Update();
  wxYield();
  const std::string path = std::string(folder) + "/" + file;
  // The part of the screen the window covers (the window's own X id is not
  // at hand through the toolkit).
  const wxRect r = window->GetScreenRect();
  const std::string grab = "import -window root -crop " + std::to_string(r.width) + "x" +
                           std::to_string(r.height) + "+" + std::to_string(r.x) + "+" +
                           std::to_string(r.y) + " +repage '" + path + "' >/dev/null 2>&1";
  return std::system(grab.c_str()) == 0 ? path : std::string();
}

}  // namespace tabulon::testing
