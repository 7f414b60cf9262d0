#pragma once
// The controls of the option pages: one table that says, for every control,
// on which page it sits, which text item labels it, which setting it edits
// and what kind of control it is. The window builds its pages from this
// table, fills them from the settings and copies them back through it, so no
// setting is edited in two places.
//
// Values pass between the settings and a control as a control_value; the
// window only moves a control_value into a widget and back.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/build_settings.h"
#include "ui/choice_lists.h"
#include "ui/interface_text.h"
#include "ui/launch.h"
#include "ui/window_commands.h"

namespace tabulon {

enum class control_kind {
  history_box,       // drop-down box with its list and an "Add" button
  text_box,          // a plain text box
  check,             // a check box over a 0/1 setting
  choice,            // a fixed drop-down list over a code setting
  number,            // a number box with spin buttons
  sort_group,        // the Sort By and Sort Order option buttons over `sort_type`
  build_type_group,  // the three recursive build types over two flags
  button,            // a command button only
};

inline constexpr ui_text kNoText = ui_text::count;

struct option_control {
  option_page page;
  std::wstring_view name;  // the configuration key edited, or the command's name
  control_kind kind;
  ui_text label;                                 // caption of the label, check box, group or button
  ui_text tip = kNoText;                         // tooltip of the box when the label is a button
  std::wstring build_settings::*text = nullptr;  // history_box, text_box
  std::wstring build_settings::*history = nullptr;  // history_box
  int32_t build_settings::*number = nullptr;        // check, choice, number
  choice_list list = choice_list::size_units;       // choice
  // A button: the label itself (button kind), or the button that stands in
  // for the label of a box ("&Folder (F4)"). Empty for a plain label.
  bool has_command = false;
  window_command command = window_command::help;
  int minimum = 0;  // number
  int maximum = 0;
  // Caption and tooltip of a control that has no text item (label kNoText).
  std::wstring_view fixed_label{};
  std::wstring_view fixed_tip{};
};

// The caption and tooltip a control shows with `texts`.
std::wstring control_label(const option_control& control, const interface_text_table& texts);
std::wstring control_tip(const option_control& control, const interface_text_table& texts);

// Every control of every page, pages in tree order, each page top to bottom.
std::span<const option_control> option_controls();
// The entry for a setting or command name, or nullptr.
const option_control* find_control(std::wstring_view name);

// What a control shows.
struct control_value {
  std::wstring text;                  // the box's text
  std::vector<std::wstring> history;  // a drop-down box's list
  int number = 0;                     // check 0/1, number, list position, group position
  int second = 0;                     // sort_group: 0 ascending, 1 descending
};

// The value of `control` for `settings`, and the way back. write_control
// changes only the settings the control edits.
control_value read_control(const option_control& control, const build_settings& settings,
                           const interface_text_table& texts);
void write_control(const option_control& control, const control_value& value,
                   build_settings& settings);

// The option buttons of the two sorting groups, in the order shown.
struct sort_button {
  ui_text label;
  int32_t kind;  // sort_code
};
std::span<const sort_button> sort_type_buttons();
inline constexpr ui_text kSortDirectionButtons[] = {ui_text::sorting_ascending,
                                                    ui_text::sorting_descending};
// The three build types of the Recursive page, in the order shown.
inline constexpr ui_text kBuildTypeButtons[] = {ui_text::recursive_all_links_in_one_file,
                                                ui_text::recursive_one_file_per_folder,
                                                ui_text::recursive_framed_site};

}  // namespace tabulon
