#include "ui/wx/feedback_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ui/wx/gradient_gauge.h"
#include "ui/wx/wx_prompts.h"

namespace tabulon {

namespace {

constexpr int kTimerId = 100;  // the build timer
constexpr int kTimerPeriodMs = 250;

}  // namespace

feedback_dialog::feedback_dialog(wxWindow* owner, const interface_text_table& texts,
                                 const wxFont& font, progress_relay& relay)
    : wxDialog(owner, wxID_ANY, texts.text(ui_text::feedback_title), wxDefaultPosition,
               wxDefaultSize, wxCAPTION),
      texts_(texts),
      relay_(&relay),
      timer_(this, kTimerId) {
  auto* grid = new wxFlexGridSizer(2, FromDIP(wxSize(8, 8)));
  grid->AddGrowableCol(1, 1);
  auto label = [&](ui_text id) {
    grid->Add(new wxStaticText(this, wxID_ANY, texts.text(id)), 0, wxALIGN_CENTER_VERTICAL);
  };
  label(ui_text::feedback_folder);
  folder_box_ = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition,
                               FromDIP(wxSize(380, -1)), wxTE_READONLY);
  grid->Add(folder_box_, 1, wxEXPAND);
  label(ui_text::feedback_file);
  file_box_ = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                             wxTE_READONLY);
  grid->Add(file_box_, 1, wxEXPAND);
  label(ui_text::feedback_built);
  gauge_ = new gradient_gauge(this, wxID_ANY, progress_bar_range);
  grid->Add(gauge_, 1, wxEXPAND);

  cancel_ = new wxButton(this, wxID_CANCEL, texts.text(ui_text::feedback_cancel));
  auto* outer = new wxBoxSizer(wxVERTICAL);
  outer->Add(grid, 1, wxEXPAND | wxALL, FromDIP(12));
  outer->Add(cancel_, 0, wxALIGN_CENTER_HORIZONTAL | wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(12));

  fit_dialog(*this, outer, font);

  gauge_->set_text(percent_text_of(0));
  Bind(wxEVT_TIMER, &feedback_dialog::on_timer, this, kTimerId);
  Bind(wxEVT_BUTTON, &feedback_dialog::on_cancel, this, wxID_CANCEL);
  Bind(wxEVT_CLOSE_WINDOW, &feedback_dialog::on_close, this);
  // Escape reaches the Cancel button's handler, so it too only asks the build to stop.
  timer_.Start(kTimerPeriodMs);
}

feedback_dialog::~feedback_dialog() {
  timer_.Stop();
}

void feedback_dialog::refresh() {
  if (!relay_) return;
  const progress_display shown = progress_display_of(relay_->take_snapshot(), texts_);
  if (folder_box_->GetValue() != shown.folder_text) folder_box_->ChangeValue(shown.folder_text);
  if (file_box_->GetValue() != shown.file_text) file_box_->ChangeValue(shown.file_text);
  gauge_->set_position(shown.bar_position);
  gauge_->set_text(shown.percent_text);
}

wxString feedback_dialog::folder_text() const {
  return folder_box_->GetValue();
}
wxString feedback_dialog::file_text() const {
  return file_box_->GetValue();
}

void feedback_dialog::on_timer(wxTimerEvent&) {
  refresh();
}

void feedback_dialog::finish() {
  timer_.Stop();
  relay_ = nullptr;
}

void feedback_dialog::on_cancel(wxCommandEvent&) {
  if (relay_) relay_->request_cancel();
}

void feedback_dialog::on_close(wxCloseEvent& event) {
  // Closing from the title bar is a Cancel; the build's end closes the dialog.
  if (relay_) relay_->request_cancel();
  if (event.CanVeto()) event.Veto();
}

}  // namespace tabulon
