#pragma once
// The "Load language file" command of the Input/Output page: a small dialog
// captioned "Load Tabulon Language XML File" offers "&Load language file",
// "&Restore english defaults" and "&Cancel". Load asks for a file in the
// Translations folder and applies it; a file inside the program folder is
// stored in `language_file` by its name relative to that folder. Restore puts
// the built-in English texts back.
//
// choose_language makes the decisions; the window supplies the three-button
// dialog (button_choice) and the file chooser (prompts) and refreshes its
// pages when the outcome says the texts changed.

#include <span>
#include <string>
#include <string_view>

#include "base/build_settings.h"
#include "ui/interface_text.h"
#include "ui/prompts.h"

namespace tabulon {

// A dialog with a row of buttons.
class button_choice {
 public:
  virtual ~button_choice() = default;
  // Shows `buttons` (captions with "&" access keys) under `caption`; returns
  // the index of the button pressed, or -1 when the dialog was closed.
  virtual int choose_button(std::wstring_view caption, std::span<const std::wstring> buttons) = 0;
};

enum class language_action { load, restore, cancel };

struct language_choice_outcome {
  language_action action = language_action::cancel;
  bool texts_changed = false;  // the pages must show the table's texts again
};

// Runs the dialog and what its buttons stand for. Cancelling the file chooser
// leaves the language setting and the texts as they were. A file that does
// not load is reported through `ui` and changes no text.
language_choice_outcome choose_language(build_settings& settings, interface_text_table& texts,
                                        prompts& ui, button_choice& buttons);

// The file chooser of the Load button: "*.xml" in the Translations folder.
file_chooser language_file_chooser(std::wstring_view program_folder);

}  // namespace tabulon
