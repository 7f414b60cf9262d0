#pragma once
// The toolkit's side of ui/prompts.h and ui/language_choice.h: message boxes,
// yes/no questions, the GTK file and folder dialogs, and the three-button
// dialog of the language command, all in the interface font.
//
// When the program is driven by a test script (see test_script.h) the
// answers come from the script instead and every question is written to the
// test log, so no modal dialog stops the script.

#include <wx/font.h>
#include <wx/window.h>

#include <deque>
#include <string>

#include "ui/language_choice.h"
#include "ui/prompts.h"

class wxDialog;
class wxSizer;

namespace tabulon {

// Answers a test script queued for the next questions.
struct scripted_answers {
  bool active = false;             // a test script drives the window
  std::deque<std::wstring> files;  // paths for the next choosers ("" cancels)
  std::deque<bool> yes_no;         // answers for the next questions (none: No)
  std::deque<int> buttons;         // buttons for the next button dialogs (none: -1)
  void (*log)(const std::wstring& line) = nullptr;
};

// The wildcard of a file dialog from a "Label|*.a;*.b|Label|*.*||" filter.
wxString wx_wildcard(std::wstring_view filter);

class wx_prompts : public prompts, public button_choice {
 public:
  wx_prompts(wxWindow* parent, const wxFont* font, scripted_answers* script)
      : parent_(parent), font_(font), script_(script) {}

  void message(std::wstring_view text, std::wstring_view caption) override;
  bool ask_yes_no(std::wstring_view text, std::wstring_view caption) override;
  std::wstring choose_file_to_open(const file_chooser& chooser) override;
  std::wstring choose_file_to_save(const file_chooser& chooser) override;
  std::wstring choose_folder(std::wstring_view title, std::wstring_view start_folder) override;
  int choose_button(std::wstring_view caption, std::span<const std::wstring> buttons) override;

 private:
  bool scripted() const { return script_ != nullptr && script_->active; }
  void log(const std::wstring& line) const;
  std::wstring scripted_file(const std::wstring& what);
  std::wstring choose_file(const file_chooser& chooser, bool save);

  wxWindow* parent_;
  const wxFont* font_;
  scripted_answers* script_;
};

// Message boxes over `owner`, and no questions: each is answered No and each
// chooser cancelled. For commands that only report.
class message_box_prompts : public prompts {
 public:
  explicit message_box_prompts(wxWindow* owner) : owner_(owner) {}
  void message(std::wstring_view text, std::wstring_view caption) override;
  bool ask_yes_no(std::wstring_view, std::wstring_view) override { return false; }
  std::wstring choose_file_to_open(const file_chooser&) override { return {}; }
  std::wstring choose_file_to_save(const file_chooser&) override { return {}; }
  std::wstring choose_folder(std::wstring_view, std::wstring_view) override { return {}; }

 private:
  wxWindow* owner_;
};

// Gives `dialog` and every control in it `font` (when that is set), lays the
// dialog out by `sizer` and centres it over its parent.
void fit_dialog(wxDialog& dialog, wxSizer* sizer, const wxFont& font);

}  // namespace tabulon
