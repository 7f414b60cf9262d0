#include "ui/wx/test_script.h"

#include <wx/timer.h>

#include <cstdlib>
#include <cwctype>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "base/wide_string.h"
#include "ui/wx/main_frame.h"
#include "ui/wx/wx_text.h"

namespace tabulon {
namespace {

std::string log_path() {
  const char* path = std::getenv("TABULON_TEST_LOG");
  return path == nullptr ? std::string() : std::string(path);
}

int key_code(const std::wstring& name) {
  if (name.size() >= 2 && name[0] == L'F') {
    const int n = std::stoi(name.substr(1));
    if (n >= 1 && n <= 12) return WXK_F1 + n - 1;
  }
  if (name == L"PageUp") return WXK_PAGEUP;
  if (name == L"PageDown") return WXK_PAGEDOWN;
  if (name == L"Escape") return WXK_ESCAPE;
  return 0;
}

class player : public wxTimer {
 public:
  player(main_frame* frame, scripted_answers& answers, std::vector<std::wstring> steps)
      : frame_(frame), answers_(answers), steps_(std::move(steps)) {}

  void Notify() override {
    while (next_ < steps_.size()) {
      const std::wstring step = steps_[next_++];
      if (step.empty() || step[0] == L'#') continue;
      test_log(L"step " + step);
      const size_t blank = step.find(L' ');
      const std::wstring verb = step.substr(0, blank);
      const std::wstring arg = blank == std::wstring::npos ? L"" : step.substr(blank + 1);
      int delay = 40;
      try {
        delay = run(verb, arg);
      } catch (const std::exception&) {
        test_log(L"error in step " + step);
      }
      if (delay < 0) return;  // the window is closing
      StartOnce(delay);
      return;
    }
    test_log(L"script done");
  }

 private:
  // Plays one step; returns the milliseconds to wait before the next one.
  int run(const std::wstring& verb, const std::wstring& arg) {
    if (verb == L"key") {
      std::wstring name = arg;
      const bool ctrl = name.starts_with(L"ctrl+");
      if (ctrl) name = name.substr(5);
      const bool alt = name.starts_with(L"alt+");
      if (alt) name = name.substr(4);
      // A single letter is that letter's key (upper case, as the toolkit reports it).
      const int code = name.size() == 1 ? static_cast<int>(std::towupper(name[0])) : key_code(name);
      frame_->press_key(code, ctrl, alt);
    } else if (verb == L"set") {
      const size_t blank = arg.find(L' ');
      const std::wstring name = arg.substr(0, blank);
      const std::wstring value = blank == std::wstring::npos ? L"" : arg.substr(blank + 1);
      if (!frame_->set_control(name, value)) test_log(L"no control " + name);
    } else if (verb == L"click") {
      if (arg == L"exit") {
        frame_->click_control(arg);
        return -1;
      }
      if (!frame_->click_control(arg)) test_log(L"no button " + arg);
    } else if (verb == L"page") {
      frame_->select_page(std::stoi(arg));
    } else if (verb == L"drop") {
      frame_->drop_paths({arg});
    } else if (verb == L"answer_file") {
      answers_.files.push_back(arg == L"-" ? L"" : arg);
    } else if (verb == L"answer_yes" || verb == L"answer_no") {
      answers_.yes_no.push_back(verb == L"answer_yes");
    } else if (verb == L"answer_button") {
      answers_.buttons.push_back(std::stoi(arg));
    } else if (verb == L"dump") {
      frame_->dump_controls(arg);
    } else if (verb == L"mark") {
      std::ofstream(to_native(arg)).put('\n');
    } else if (verb == L"wait") {
      return std::stoi(arg);
    } else if (verb == L"exit") {
      frame_->Close();
      return -1;
    } else {
      test_log(L"unknown step " + verb);
    }
    return 40;
  }

  main_frame* frame_;
  scripted_answers& answers_;
  std::vector<std::wstring> steps_;
  size_t next_ = 0;
};

std::unique_ptr<player> the_player;

}  // namespace

bool test_script_requested() {
  const char* path = std::getenv("TABULON_TEST_SCRIPT");
  return path != nullptr && *path != 0;
}

void test_log(const std::wstring& line) {
  const std::string path = log_path();
  if (path.empty()) return;
  std::ofstream(path, std::ios::app) << wide_to_utf8(line) << "\n";
}

void start_test_script(main_frame* frame, scripted_answers& answers) {
  std::ifstream file(std::getenv("TABULON_TEST_SCRIPT"), std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  std::vector<std::wstring> steps;
  std::wstring text = from_native(bytes.str());
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    steps.push_back(line);
    start = end + 1;
  }
  answers.active = true;
  answers.log = &test_log;
  test_log(L"window open");
  the_player = std::make_unique<player>(frame, answers, std::move(steps));
  frame->Bind(wxEVT_DESTROY, [frame](wxWindowDestroyEvent& event) {
    if (event.GetEventObject() == frame && the_player) the_player->Stop();
    event.Skip();
  });
  the_player->StartOnce(100);
}

}  // namespace tabulon
