#pragma once
// Test support: a prompts implementation that answers from a script the test
// sets up and records every question, and a shell_launcher that records what
// would have been started.

#include <deque>
#include <string>
#include <vector>

#include "ui/prompts.h"
#include "ui/shell_launcher.h"

namespace tabulon::testing {

class scripted_prompts : public prompts {
 public:
  struct shown {
    std::wstring text;
    std::wstring caption;
  };

  // Answers, used in order; an empty queue answers No and cancels choosers.
  std::deque<bool> yes_no_answers;
  std::deque<std::wstring> file_answers;

  std::vector<shown> messages;
  std::vector<shown> questions;
  std::vector<file_chooser> choosers;

  void message(std::wstring_view text, std::wstring_view caption) override {
    messages.push_back({std::wstring(text), std::wstring(caption)});
  }
  bool ask_yes_no(std::wstring_view text, std::wstring_view caption) override {
    questions.push_back({std::wstring(text), std::wstring(caption)});
    if (yes_no_answers.empty()) return false;
    const bool answer = yes_no_answers.front();
    yes_no_answers.pop_front();
    return answer;
  }
  std::wstring choose_file_to_open(const file_chooser& chooser) override { return next(chooser); }
  std::wstring choose_file_to_save(const file_chooser& chooser) override { return next(chooser); }
  std::wstring choose_folder(std::wstring_view, std::wstring_view) override {
    return next(file_chooser{});
  }

 private:
  std::wstring next(const file_chooser& chooser) {
    choosers.push_back(chooser);
    if (file_answers.empty()) return {};
    std::wstring answer = file_answers.front();
    file_answers.pop_front();
    return answer;
  }
};

class recording_shell : public shell_launcher {
 public:
  struct started {
    std::wstring program;  // empty: the document was opened with its handler
    std::wstring parameter;
  };
  std::vector<started> calls;
  bool succeed = true;

  bool open(std::wstring_view document) override {
    calls.push_back({L"", std::wstring(document)});
    return succeed;
  }
  bool open_with(std::wstring_view program, std::wstring_view parameter) override {
    calls.push_back({std::wstring(program), std::wstring(parameter)});
    return succeed;
  }
};

}  // namespace tabulon::testing
