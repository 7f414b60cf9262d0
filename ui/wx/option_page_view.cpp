#include "ui/wx/option_page_view.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/wrapsizer.h>

#include "ui/history_list.h"
#include "ui/wx/wx_text.h"

namespace tabulon {
namespace {

bool is_row(control_kind kind) {
  return kind == control_kind::history_box || kind == control_kind::text_box ||
         kind == control_kind::choice || kind == control_kind::number;
}

void set_tip(wxWindow* window, const std::wstring& tip) {
  if (window == nullptr) return;
  if (tip.empty()) {
    window->UnsetToolTip();
  } else {
    window->SetToolTip(to_wx(tip));
  }
}

}  // namespace

wxWindow* bound_control::focus_target() const {
  if (combo != nullptr) return combo;
  if (text != nullptr) return text;
  return label;
}

option_page_view::option_page_view(wxWindow* parent, option_page page,
                                   const interface_text_table& texts, command_handler on_command)
    : wxPanel(parent, wxID_ANY), page_(page), on_command_(std::move(on_command)) {
  build(texts);
}

bound_control* option_page_view::find(std::wstring_view name) {
  for (bound_control& bound : controls_)
    if (bound.control->name == name) return &bound;
  return nullptr;
}

void option_page_view::build(const interface_text_table& texts) {
  for (const option_control& control : option_controls())
    if (control.page == page_) {
      bound_control bound;
      bound.control = &control;
      controls_.push_back(bound);
    }

  // Boxes, lists and numbers in a grid of rows (label, box, "Add", a button
  // that belongs to the box), then the check boxes in two columns, then the
  // groups, then the page's other buttons. Widgets are created in this
  // order, so Tab moves down the page.
  size_t row_count = 0;
  bool lists = false;
  for (const bound_control& b : controls_) {
    row_count += is_row(b.control->kind) ? 1 : 0;
    lists = lists || b.control->kind == control_kind::history_box;
  }
  // Long pages of short boxes (the words, the numbers) put two rows side by
  // side; pages of drop-down boxes keep one wide box per row.
  const bool two_pairs = row_count > 10 && !lists;
  auto* rows = new wxFlexGridSizer(two_pairs ? 8 : 4, 4, 6);
  rows->AddGrowableCol(1, 1);
  if (two_pairs) rows->AddGrowableCol(5, 1);
  auto* checks = new wxFlexGridSizer(2, 2, 16);
  checks->AddGrowableCol(0, 1);
  checks->AddGrowableCol(1, 1);
  auto* groups = new wxBoxSizer(wxHORIZONTAL);
  auto* buttons = new wxWrapSizer(wxHORIZONTAL);

  for (size_t i = 0; i < controls_.size(); ++i) {
    bound_control& b = controls_[i];
    const option_control& c = *b.control;
    const wxString label = to_wx(control_label(c, texts));
    if (is_row(c.kind)) {
      if (c.has_command) {
        auto* button = new wxButton(this, wxID_ANY, label);
        const window_command command = c.command;
        button->Bind(wxEVT_BUTTON, [this, command](wxCommandEvent&) { on_command_(command); });
        b.label = button;
        rows->Add(button, 0, wxEXPAND);
      } else {
        b.label = new wxStaticText(this, wxID_ANY, label);
        rows->Add(b.label, 0, wxALIGN_CENTER_VERTICAL);
      }
      wxWindow* field = nullptr;
      switch (c.kind) {
        case control_kind::history_box:
          b.combo = new wxComboBox(this, wxID_ANY, "", wxDefaultPosition, wxSize(260, -1));
          field = b.combo;
          break;
        case control_kind::text_box:
          b.text = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxSize(200, -1));
          field = b.text;
          break;
        case control_kind::choice:
          b.choice = new wxChoice(this, wxID_ANY);
          for (const std::wstring& entry : choice_labels(c.list, texts))
            b.choice->Append(to_wx(entry));
          field = b.choice;
          break;
        default:
          b.spin = new wxSpinCtrl(this, wxID_ANY, "", wxDefaultPosition, wxSize(110, -1),
                                  wxSP_ARROW_KEYS, c.minimum, c.maximum);
          field = b.spin;
          break;
      }
      rows->Add(field, 1, wxEXPAND | wxALIGN_CENTER_VERTICAL);
      if (c.kind == control_kind::history_box) {
        b.add = new wxButton(this, wxID_ANY, to_wx(texts.text(ui_text::folders_files_add_button)),
                             wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
        b.add->Bind(wxEVT_BUTTON, [this, i](wxCommandEvent&) { add_to_list(controls_[i]); });
        rows->Add(b.add, 0, wxALIGN_CENTER_VERTICAL);
      } else {
        rows->AddSpacer(0);
      }
      // A button that follows a box in the table sits at the end of its row.
      if (i + 1 < controls_.size() && controls_[i + 1].control->kind == control_kind::button &&
          c.kind != control_kind::choice && c.kind != control_kind::number) {
        bound_control& next = controls_[++i];
        next.button = new wxButton(this, wxID_ANY, to_wx(control_label(*next.control, texts)));
        const window_command command = next.control->command;
        next.button->Bind(wxEVT_BUTTON, [this, command](wxCommandEvent&) { on_command_(command); });
        next.label = next.button;
        rows->Add(next.button, 0, wxALIGN_CENTER_VERTICAL);
      } else {
        rows->AddSpacer(0);
      }
      continue;
    }
    switch (c.kind) {
      case control_kind::check:
        b.check = new wxCheckBox(this, wxID_ANY, label);
        b.label = b.check;
        checks->Add(b.check, 0, wxALIGN_CENTER_VERTICAL);
        break;
      case control_kind::sort_group:
      case control_kind::build_type_group: {
        const bool sort = c.kind == control_kind::sort_group;
        auto add_group = [&](wxStaticBox*& box, std::vector<wxRadioButton*>& radios,
                             const wxString& caption, std::span<const ui_text> items) {
          auto* sizer = new wxStaticBoxSizer(wxVERTICAL, this, caption);
          box = sizer->GetStaticBox();
          for (size_t k = 0; k < items.size(); ++k) {
            auto* radio =
                new wxRadioButton(box, wxID_ANY, to_wx(texts.text(items[k])), wxDefaultPosition,
                                  wxDefaultSize, k == 0 ? wxRB_GROUP : 0);
            radios.push_back(radio);
            sizer->Add(radio, 0, wxALL, 3);
          }
          groups->Add(sizer, 0, wxRIGHT | wxEXPAND, 12);
        };
        if (sort) {
          std::vector<ui_text> items;
          for (const sort_button& s : sort_type_buttons()) items.push_back(s.label);
          add_group(b.box, b.radios, label, items);
          add_group(b.second_box, b.second_radios,
                    to_wx(texts.text(ui_text::sorting_sort_direction)), kSortDirectionButtons);
        } else {
          add_group(b.box, b.radios, label, kBuildTypeButtons);
        }
        b.label = b.box;
        break;
      }
      case control_kind::button: {
        b.button = new wxButton(this, wxID_ANY, label);
        const window_command command = c.command;
        b.button->Bind(wxEVT_BUTTON, [this, command](wxCommandEvent&) { on_command_(command); });
        b.label = b.button;
        buttons->Add(b.button, 0, wxRIGHT | wxBOTTOM, 8);
        break;
      }
      default:
        break;
    }
  }

  auto* page_sizer = new wxBoxSizer(wxVERTICAL);
  if (!rows->IsEmpty()) page_sizer->Add(rows, 0, wxEXPAND | wxALL, 10);
  if (!groups->IsEmpty()) page_sizer->Add(groups, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
  if (!checks->IsEmpty()) page_sizer->Add(checks, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
  if (!buttons->IsEmpty()) page_sizer->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
  SetSizer(page_sizer);
  relabel(texts);
}

void option_page_view::relabel(const interface_text_table& texts) {
  for (bound_control& b : controls_) {
    const option_control& c = *b.control;
    const wxString label = to_wx(control_label(c, texts));
    const std::wstring tip = control_tip(c, texts);
    if (b.box != nullptr) {
      b.box->SetLabel(label);
      if (c.kind == control_kind::sort_group) {
        for (size_t k = 0; k < b.radios.size(); ++k)
          b.radios[k]->SetLabel(to_wx(texts.text(sort_type_buttons()[k].label)));
        b.second_box->SetLabel(to_wx(texts.text(ui_text::sorting_sort_direction)));
        for (size_t k = 0; k < b.second_radios.size(); ++k) {
          b.second_radios[k]->SetLabel(to_wx(texts.text(kSortDirectionButtons[k])));
          set_tip(b.second_radios[k], texts.help(kSortDirectionButtons[k]));
        }
        for (size_t k = 0; k < b.radios.size(); ++k)
          set_tip(b.radios[k], texts.help(sort_type_buttons()[k].label));
      } else {
        for (size_t k = 0; k < b.radios.size(); ++k) {
          b.radios[k]->SetLabel(to_wx(texts.text(kBuildTypeButtons[k])));
          set_tip(b.radios[k], texts.help(kBuildTypeButtons[k]));
        }
      }
      continue;
    }
    if (b.label != nullptr) {
      b.label->SetLabel(label);
      set_tip(b.label, tip);
    }
    if (b.add != nullptr) {
      b.add->SetLabel(to_wx(texts.text(ui_text::folders_files_add_button)));
      set_tip(b.add, texts.help(ui_text::folders_files_add_button));
    }
    set_tip(b.combo, tip);
    set_tip(b.text, tip);
    set_tip(b.choice, tip);
    set_tip(b.spin, tip);
    if (b.choice != nullptr && c.list == choice_list::page_title) {
      const int selected = b.choice->GetSelection();
      b.choice->Clear();
      for (const std::wstring& entry : choice_labels(c.list, texts)) b.choice->Append(to_wx(entry));
      b.choice->SetSelection(selected);
    }
  }
  Layout();
}

control_value option_page_view::value_of(const bound_control& b) const {
  control_value v;
  if (b.combo != nullptr) {
    v.text = from_wx(b.combo->GetValue());
    for (unsigned k = 0; k < b.combo->GetCount(); ++k)
      v.history.push_back(from_wx(b.combo->GetString(k)));
  }
  if (b.text != nullptr) v.text = from_wx(b.text->GetValue());
  if (b.check != nullptr) v.number = b.check->GetValue() ? 1 : 0;
  if (b.choice != nullptr) v.number = b.choice->GetSelection();
  if (b.spin != nullptr) v.number = b.spin->GetValue();
  for (size_t k = 0; k < b.radios.size(); ++k)
    if (b.radios[k]->GetValue()) v.number = static_cast<int>(k);
  for (size_t k = 0; k < b.second_radios.size(); ++k)
    if (b.second_radios[k]->GetValue()) v.second = static_cast<int>(k);
  return v;
}

void option_page_view::show_value(const bound_control& b, const control_value& v) {
  if (b.combo != nullptr) {
    b.combo->Clear();
    for (const std::wstring& entry : v.history) b.combo->Append(to_wx(entry));
    b.combo->SetValue(to_wx(v.text));
  }
  if (b.text != nullptr) b.text->ChangeValue(to_wx(v.text));
  if (b.check != nullptr) b.check->SetValue(v.number != 0);
  if (b.choice != nullptr) b.choice->SetSelection(v.number);
  if (b.spin != nullptr) b.spin->SetValue(v.number);
  if (v.number >= 0 && v.number < static_cast<int>(b.radios.size()))
    b.radios[static_cast<size_t>(v.number)]->SetValue(true);
  if (v.second >= 0 && v.second < static_cast<int>(b.second_radios.size()))
    b.second_radios[static_cast<size_t>(v.second)]->SetValue(true);
}

void option_page_view::show_settings(const build_settings& settings,
                                     const interface_text_table& texts) {
  for (const bound_control& b : controls_)
    if (b.control->kind != control_kind::button)
      show_value(b, read_control(*b.control, settings, texts));
}

void option_page_view::copy_into_settings(build_settings& settings) const {
  for (const bound_control& b : controls_)
    if (b.control->kind != control_kind::button) write_control(*b.control, value_of(b), settings);
}

void option_page_view::add_to_list(bound_control& b) {
  control_value v = value_of(b);
  if (!add_to_history(v.history, v.text)) return;
  show_value(b, v);
}

void apply_font_recursively(wxWindow* window, const wxFont& font) {
  if (window == nullptr || !font.IsOk()) return;
  window->SetFont(font);
  for (wxWindow* child : window->GetChildren()) apply_font_recursively(child, font);
}

}  // namespace tabulon
