#pragma once
// The main window: the option pages in a tree-navigated book with "&Build
// (F3)", "E&xit" and "&Help" below, the keyboard commands, the choosers and
// the commands of the Input/Output page. It edits the application's settings
// record; on Exit the settings, the preferences, the window placement and the
// interface font are written back.

#include <wx/frame.h>
#include <wx/treebook.h>

#include <optional>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/font_placement.h"
#include "ui/interface_text.h"
#include "ui/shell_launcher.h"
#include "ui/window_commands.h"
#include "ui/wx/build_command.h"
#include "ui/wx/option_page_view.h"
#include "ui/wx/wx_prompts.h"

class wxButton;

namespace tabulon {

class main_frame : public wxFrame {
 public:
  main_frame(application& app, scripted_answers* answers);

  // Runs a command as its key or button does.
  void run_command(window_command command);
  // A key press as the window receives it (test scripts send these).
  void press_key(int wx_key_code, bool ctrl, bool alt = false);
  // Copies every page into the settings, and shows the settings on every page.
  void copy_pages_into_settings();
  void show_settings_on_pages();
  // A file or folder dropped on the Folders, Files page.
  void drop_paths(const std::vector<std::wstring>& paths);
  // Shows the texts of the table on every page, the tree and the buttons.
  void relabel();
  // The page shown, as `active_page` counts it.
  int page_index() const;
  void select_page(int index);

  // Test support: sets a control by its table name as a person would, or
  // presses a button of the table; writes every control's value to `path`.
  bool set_control(const std::wstring& name, const std::wstring& value);
  bool click_control(const std::wstring& name);
  void dump_controls(const std::wstring& path);

  // Called once the window is on the screen.
  void window_shown();

  const wxFont& interface_font() const { return font_; }
  void set_interface_font(const wxFont& font);

 private:
  void build_window();
  void on_char_hook(wxKeyEvent& event);
  bool focus_by_access_key(wchar_t letter);
  void on_close(wxCloseEvent& event);
  void save_on_exit();
  config_write_extras write_extras() const;
  window_placement_record current_placement() const;
  void restore_placement();
  void fit_to_pages();
  option_page_view* view_of(option_page page) const;
  bound_control* control_named(const std::wstring& name, option_page_view** view = nullptr);
  void set_box_text(const std::wstring& name, const std::wstring& text);
  std::wstring box_text(const std::wstring& name);
  void choose_folder_into(const std::wstring& name, std::wstring_view title, bool append);
  void choose_file_into(const std::wstring& name, const file_chooser& chooser);
  void edit_named_script(const std::wstring& name);
  void load_language();
  void load_font();

  application& app_;
  interface_text_table texts_;
  wxFont font_;
  int pixels_per_inch_ = 96;
  wxTreebook* book_ = nullptr;
  std::vector<option_page_view*> views_;  // the six option pages, in tree order
  wxButton* build_button_ = nullptr;
  wxButton* exit_button_ = nullptr;
  wxButton* help_button_ = nullptr;
  scripted_answers* answers_;
  wx_prompts prompts_;
  system_shell_launcher shell_;
  std::wstring batch_name_;
  build_command_context build_context_;
  wxRect normal_rect_;
  bool saved_ = false;
};

// Font conversions between wxWidgets and the stored form.
wxFont to_wx_font(const font_record& record, int pixels_per_inch);
font_record from_wx_font(const wxFont& font, int pixels_per_inch);

}  // namespace tabulon
