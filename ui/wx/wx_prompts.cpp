#include "ui/wx/wx_prompts.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>

#include <vector>

#include "ui/wx/wx_text.h"

namespace tabulon {

wxString wx_wildcard(std::wstring_view filter) {
  std::vector<std::wstring> parts;
  size_t start = 0;
  while (start <= filter.size()) {
    const size_t bar = filter.find(L'|', start);
    const size_t end = bar == std::wstring_view::npos ? filter.size() : bar;
    parts.emplace_back(filter.substr(start, end - start));
    if (bar == std::wstring_view::npos) break;
    start = bar + 1;
  }
  wxString wildcard;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty() || parts[i + 1].empty()) continue;
    if (!wildcard.empty()) wildcard += "|";
    wildcard += to_wx(parts[i]) + " (" + to_wx(parts[i + 1]) + ")|" + to_wx(parts[i + 1]);
  }
  return wildcard.empty() ? wxString("*") : wildcard;
}

void wx_prompts::log(const std::wstring& line) const {
  if (script_ != nullptr && script_->log != nullptr) script_->log(line);
}

void wx_prompts::message(std::wstring_view text, std::wstring_view caption) {
  if (scripted()) {
    log(L"message " + std::wstring(caption) + L": " + std::wstring(text));
    return;
  }
  wxMessageDialog dialog(parent_, to_wx(text), to_wx(caption), wxOK);
  dialog.ShowModal();
}

bool wx_prompts::ask_yes_no(std::wstring_view text, std::wstring_view caption) {
  if (scripted()) {
    bool answer = false;
    if (!script_->yes_no.empty()) {
      answer = script_->yes_no.front();
      script_->yes_no.pop_front();
    }
    log(L"question " + std::wstring(caption) + L": " + std::wstring(text) +
        (answer ? L" -> yes" : L" -> no"));
    return answer;
  }
  wxMessageDialog dialog(parent_, to_wx(text), to_wx(caption), wxYES_NO);
  return dialog.ShowModal() == wxID_YES;
}

std::wstring wx_prompts::scripted_file(const std::wstring& what) {
  std::wstring answer;
  if (!script_->files.empty()) {
    answer = script_->files.front();
    script_->files.pop_front();
  }
  log(L"chooser " + what + L" -> " + answer);
  return answer;
}

std::wstring wx_prompts::choose_file(const file_chooser& chooser, bool save) {
  if (scripted())
    return scripted_file((save ? L"save " : L"open ") + chooser.title + L" [" + chooser.filter +
                         L"] in " + chooser.start_folder + L" name " + chooser.start_name);
  long style = save ? wxFD_SAVE : wxFD_OPEN;
  if (chooser.must_exist) style |= wxFD_FILE_MUST_EXIST;
  if (chooser.overwrite_prompt) style |= wxFD_OVERWRITE_PROMPT;
  wxFileDialog dialog(parent_, to_wx(chooser.title), to_wx(chooser.start_folder),
                      to_wx(chooser.start_name), wx_wildcard(chooser.filter), style);
  if (dialog.ShowModal() != wxID_OK) return {};
  std::wstring path = from_wx(dialog.GetPath());
  // A typed name without an extension gets the chooser's.
  if (!chooser.default_extension.empty() && save) {
    const size_t slash = path.find_last_of(L'/');
    const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    if (name.find(L'.') == std::wstring::npos) path += L"." + chooser.default_extension;
  }
  return path;
}

std::wstring wx_prompts::choose_file_to_open(const file_chooser& chooser) {
  return choose_file(chooser, false);
}

std::wstring wx_prompts::choose_file_to_save(const file_chooser& chooser) {
  return choose_file(chooser, true);
}

std::wstring wx_prompts::choose_folder(std::wstring_view title, std::wstring_view start_folder) {
  if (scripted()) return scripted_file(L"folder " + std::wstring(title));
  wxDirDialog dialog(parent_, to_wx(title), to_wx(start_folder),
                     wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
  if (dialog.ShowModal() != wxID_OK) return {};
  return from_wx(dialog.GetPath());
}

int wx_prompts::choose_button(std::wstring_view caption, std::span<const std::wstring> buttons) {
  if (scripted()) {
    int answer = -1;
    if (!script_->buttons.empty()) {
      answer = script_->buttons.front();
      script_->buttons.pop_front();
    }
    std::wstring line = L"buttons " + std::wstring(caption) + L":";
    for (const std::wstring& b : buttons) line += L" [" + b + L"]";
    log(line + L" -> " + std::to_wstring(answer));
    return answer;
  }
  wxDialog dialog(parent_, wxID_ANY, to_wx(caption));
  auto* row = new wxBoxSizer(wxVERTICAL);
  for (size_t i = 0; i < buttons.size(); ++i) {
    auto* button = new wxButton(&dialog, wxID_HIGHEST + 1 + static_cast<int>(i), to_wx(buttons[i]));
    button->Bind(wxEVT_BUTTON, [&dialog, i](wxCommandEvent&) {
      dialog.EndModal(wxID_HIGHEST + 1 + static_cast<int>(i));
    });
    row->Add(button, 0, wxEXPAND | wxALL, 6);
  }
  fit_dialog(dialog, row, font_ != nullptr ? *font_ : wxNullFont);
  const int result = dialog.ShowModal();
  if (result <= wxID_HIGHEST || result > wxID_HIGHEST + static_cast<int>(buttons.size())) return -1;
  return result - wxID_HIGHEST - 1;
}

void message_box_prompts::message(std::wstring_view text, std::wstring_view caption) {
  // Message boxes show "\r\n" as a line break of their own; "\r" alone would
  // show as a stray box on some desktops.
  auto shown = [](std::wstring_view part) {
    wxString wx = to_wx(part);
    wx.Replace(L"\r\n", L"\n");
    wx.Replace(L"\r", L"");
    return wx;
  };
  wxMessageBox(shown(text), shown(caption), wxOK, owner_);
}

void fit_dialog(wxDialog& dialog, wxSizer* sizer, const wxFont& font) {
  if (font.IsOk()) {
    dialog.SetFont(font);
    for (wxWindow* child : dialog.GetChildren()) child->SetFont(font);
  }
  dialog.SetSizerAndFit(sizer);
  dialog.CentreOnParent();
}

}  // namespace tabulon
