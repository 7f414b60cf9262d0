#include "ui/wx/file_created_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "ui/launch.h"
#include "ui/prompts.h"
#include "ui/shell_launcher.h"
#include "ui/wx/wx_prompts.h"

namespace tabulon {

file_created_dialog::file_created_dialog(wxWindow* owner, const build_settings& settings,
                                         const interface_text_table& texts, const wxFont& font,
                                         const std::wstring& result_path, size_t pages_written,
                                         bool& launched, prompts* ui)
    : wxDialog(owner, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      settings_(settings),
      texts_(texts),
      launched_(launched),
      ui_(ui) {
  const file_created_text shown = file_created_text_of(result_path, pages_written, texts);
  SetTitle(shown.title);

  auto* text = new wxBoxSizer(wxVERTICAL);
  text->Add(new wxStaticText(this, wxID_ANY, shown.file_line), 0, wxBOTTOM, FromDIP(6));
  text->Add(new wxStaticText(this, wxID_ANY, shown.count_line));

  auto* launch_button = new wxButton(this, wxID_ANY, shown.launch_button);
  auto* launch_close = new wxButton(this, wxID_OK, shown.launch_close_button);
  auto* delete_button = new wxButton(this, wxID_DELETE, shown.delete_button);
  auto* close_button = new wxButton(this, wxID_CLOSE, shown.close_button);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  for (wxButton* b : {launch_button, launch_close, delete_button, close_button})
    buttons->Add(b, 0, wxRIGHT, FromDIP(6));

  auto* outer = new wxBoxSizer(wxVERTICAL);
  outer->Add(text, 0, wxALL, FromDIP(12));
  outer->Add(buttons, 0, wxLEFT | wxRIGHT | wxBOTTOM | wxALIGN_CENTER_HORIZONTAL, FromDIP(12));
  fit_dialog(*this, outer, font);
  SetEscapeId(wxID_CLOSE);
  SetAffirmativeId(wxID_NONE);

  launch_button->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { launch(); });
  launch_close->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    launch();
    launched_ = false;
    EndModal(closed);
  });
  delete_button->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    delete_request_ = true;
    EndModal(delete_requested);
  });
  close_button->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(closed); });
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { EndModal(closed); });

  if (results_focus_of(launched_) == results_focus::launch_and_close) {
    launch_close->SetDefault();
    launch_close->SetFocus();
  }
}

void file_created_dialog::launch() {
  launched_ = true;
  message_box_prompts boxes(this);
  launch_result(settings_, texts_, ui_ ? *ui_ : boxes);
}

void launch_result(const build_settings& settings, const interface_text_table& texts, prompts& ui) {
  system_shell_launcher shell;
  launch_output_file(settings, texts, ui, shell);
}

bool play_results_choice(const build_settings& settings, const interface_text_table& texts,
                         prompts& ui, button_choice& choice, const std::wstring& result_path,
                         size_t pages_written, bool& launched) {
  const file_created_text shown = file_created_text_of(result_path, pages_written, texts);
  const std::wstring caption = shown.title + L": " + shown.file_line + L", " + shown.count_line;
  const std::wstring buttons[] = {shown.launch_button, shown.launch_close_button,
                                  shown.delete_button, shown.close_button};
  for (;;) {
    switch (choice.choose_button(caption, buttons)) {
      case 0:
        launched = true;
        launch_result(settings, texts, ui);
        continue;  // the dialog stays open
      case 1:
        launched = true;
        launch_result(settings, texts, ui);
        launched = false;
        return false;
      case 2:
        return true;
      default:
        return false;
    }
  }
}

}  // namespace tabulon
