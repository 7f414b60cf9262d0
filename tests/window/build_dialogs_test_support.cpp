#include "tests/window/build_dialogs_test_support.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/timer.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

// The few GTK and GLib calls that read and answer a native message box.
extern "C" {
struct tabulon_glist {
  void* data;
  tabulon_glist* next;
  tabulon_glist* prev;
};
tabulon_glist* gtk_window_list_toplevels(void);
void g_list_free(tabulon_glist* list);
int gtk_widget_get_visible(void* widget);
const char* gtk_window_get_title(void* window);
unsigned long gtk_message_dialog_get_type(void);
int g_type_check_instance_is_a(void* instance, unsigned long type);
void g_object_get(void* object, const char* first_property, ...);
void g_free(void* memory);
void gtk_dialog_response(void* dialog, int response);
}

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

bool display_answers(const std::string& display) {
  const std::string number = display.substr(display.find(':') + 1);
  struct stat info;
  return stat(("/tmp/.X11-unix/X" + number.substr(0, number.find('.'))).c_str(), &info) == 0;
}

pid_t xvfb_pid = 0;

// The X server started here ends with the tests.
void stop_xvfb() {
  if (xvfb_pid > 0) {
    kill(xvfb_pid, SIGTERM);
    waitpid(xvfb_pid, nullptr, 0);
  }
}

// Starts Xvfb on the first free display from :91 and waits for its socket.
bool start_xvfb(std::string& why) {
  for (int n = 91; n < 120; ++n) {
    const std::string display = ":" + std::to_string(n);
    if (display_answers(display)) continue;
    const pid_t child = fork();
    if (child == 0) {
      execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", "1280x900x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    if (child < 0) break;
    for (int i = 0; i < 200; ++i) {
      if (display_answers(display)) {
        setenv("DISPLAY", display.c_str(), 1);
        xvfb_pid = child;
        std::atexit(stop_xvfb);
        return true;
      }
      int status = 0;
      if (waitpid(child, &status, WNOHANG) == child) break;  // it gave up (display taken)
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
  }
  why = "no X display: DISPLAY is not set and Xvfb could not be started";
  return false;
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
  if ((!display || !*display) && !start_xvfb(failure)) {
    why = failure;
    return false;
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
  std::vector<shown_box> boxes;
  tabulon_glist* list = gtk_window_list_toplevels();
  for (tabulon_glist* item = list; item; item = item->next) {
    void* window = item->data;
    if (!gtk_widget_get_visible(window) ||
        !g_type_check_instance_is_a(window, gtk_message_dialog_get_type()))
      continue;
    char* text = nullptr;
    g_object_get(window, "text", &text, static_cast<char*>(nullptr));
    boxes.push_back({from_utf8(gtk_window_get_title(window)), from_utf8(text)});
    g_free(text);
    gtk_dialog_response(window, kGtkResponseOk);
  }
  g_list_free(list);
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
