#pragma once
// An option page drawn from the control table: every control of the page
// with its label and tooltip, filled from the settings and copied back
// through ui/option_controls.h. Buttons report their command to the owner.

#include <wx/panel.h>

#include <functional>
#include <vector>

#include "ui/option_controls.h"

class wxButton;
class wxCheckBox;
class wxChoice;
class wxComboBox;
class wxRadioButton;
class wxSpinCtrl;
class wxStaticBox;
class wxStaticText;
class wxTextCtrl;

namespace tabulon {

// The widgets of one control of the table.
struct bound_control {
  const option_control* control = nullptr;
  wxWindow* label = nullptr;  // wxStaticText, or the wxButton that stands for it
  wxComboBox* combo = nullptr;
  wxTextCtrl* text = nullptr;
  wxCheckBox* check = nullptr;
  wxChoice* choice = nullptr;
  wxSpinCtrl* spin = nullptr;
  wxButton* add = nullptr;
  wxButton* button = nullptr;
  wxStaticBox* box = nullptr;  // the groups
  wxStaticBox* second_box = nullptr;
  std::vector<wxRadioButton*> radios;
  std::vector<wxRadioButton*> second_radios;

  // The first widget that takes the keyboard focus.
  wxWindow* focus_target() const;
};

class option_page_view : public wxPanel {
 public:
  using command_handler = std::function<void(window_command)>;

  option_page_view(wxWindow* parent, option_page page, const interface_text_table& texts,
                   command_handler on_command);

  void show_settings(const build_settings& settings, const interface_text_table& texts);
  void copy_into_settings(build_settings& settings) const;
  // Captions, tooltips and the title list after the texts changed.
  void relabel(const interface_text_table& texts);

  // The value a control shows, and setting it as a person would.
  control_value value_of(const bound_control& bound) const;
  void show_value(const bound_control& bound, const control_value& value);

  std::vector<bound_control>& controls() { return controls_; }
  bound_control* find(std::wstring_view name);

 private:
  void build(const interface_text_table& texts);
  void add_to_list(bound_control& bound);

  option_page page_;
  command_handler on_command_;
  std::vector<bound_control> controls_;
};

// Applies `font` to `window` and every window inside it.
void apply_font_recursively(wxWindow* window, const wxFont& font);

}  // namespace tabulon
