#pragma once
// prompts: what the window's commands ask of the person at the screen:
// message boxes, yes/no questions, and the file and folder choosers. The
// commands in ui/ decide what to ask and what to do with the answer; the
// toolkit in ui/wx/ implements this interface once, and unit tests answer it
// from a script of their own.

#include <string>
#include <string_view>

namespace tabulon {

// A file chooser's settings. `filter` has the "Label|*.a;*.b|Label|*.*" form;
// `default_extension` is added to a typed name without one ("init").
struct file_chooser {
  std::wstring title;
  std::wstring filter;
  std::wstring default_extension;
  std::wstring start_folder;      // empty: wherever the chooser starts by itself
  std::wstring start_name;        // the name shown in the chooser's name box
  bool must_exist = false;        // open: only an existing file may be chosen
  bool overwrite_prompt = false;  // save: ask before replacing a file
};

class prompts {
 public:
  virtual ~prompts() = default;

  // A message box with an OK button.
  virtual void message(std::wstring_view text, std::wstring_view caption) = 0;
  // A question with Yes and No; true for Yes.
  virtual bool ask_yes_no(std::wstring_view text, std::wstring_view caption) = 0;

  // The full path chosen, or empty when the person cancelled.
  virtual std::wstring choose_file_to_open(const file_chooser& chooser) = 0;
  virtual std::wstring choose_file_to_save(const file_chooser& chooser) = 0;
  virtual std::wstring choose_folder(std::wstring_view title, std::wstring_view start_folder) = 0;
};

}  // namespace tabulon
