#pragma once
// file_created_dialog: the results dialog after a build that wrote at least
// one page. It names the root page and the count, and offers Launch (the
// dialog stays), Launch & Close, Delete generated file(s) (the runner then
// deletes the written pages) and Close.

#include <wx/dialog.h>

#include <string>

#include "base/build_settings.h"
#include "ui/file_created_text.h"
#include "ui/interface_text.h"
#include "ui/language_choice.h"
#include "ui/prompts.h"

class wxButton;

namespace tabulon {

class file_created_dialog : public wxDialog {
 public:
  // ShowModal() results.
  static constexpr int closed = 0;
  static constexpr int delete_requested = 1;

  // `launched` is the program-wide launched flag; it must outlive the dialog.
  file_created_dialog(wxWindow* owner, const build_settings& settings,
                      const interface_text_table& texts, const wxFont& font,
                      const std::wstring& result_path, size_t pages_written, bool& launched,
                      prompts* ui = nullptr);

  bool delete_request() const { return delete_request_; }

 private:
  void launch();

  const build_settings& settings_;
  const interface_text_table& texts_;
  bool& launched_;
  prompts* ui_;
  bool delete_request_ = false;
};

// The results dialog's choice asked of `choice` instead of shown (test
// scripts): caption "<title>: <file line>, <count line>", the four buttons.
// Launch opens the output file and asks again; true when Delete was chosen.
bool play_results_choice(const build_settings& settings, const interface_text_table& texts,
                         prompts& ui, button_choice& choice, const std::wstring& result_path,
                         size_t pages_written, bool& launched);

// Opens the output file the way "Launch output file" does; failures are
// reported through `ui`.
void launch_result(const build_settings& settings, const interface_text_table& texts, prompts& ui);

}  // namespace tabulon
