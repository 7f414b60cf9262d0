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
                      const std::wstring& result_path, size_t pages_written, bool& launched);

  bool delete_request() const { return delete_request_; }

 private:
  void launch();

  const build_settings& settings_;
  const interface_text_table& texts_;
  bool& launched_;
  bool delete_request_ = false;
};

}  // namespace tabulon
