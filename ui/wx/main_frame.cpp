#include "ui/wx/main_frame.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dcscreen.h>
#include <wx/display.h>
#include <wx/dnd.h>
#include <wx/fontdlg.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tooltip.h>

#include <cctype>
#include <cmath>
#include <fstream>

#include "base/wide_string.h"
#include "ui/batch_file.h"
#include "ui/choosers.h"
#include "ui/config_commands.h"
#include "ui/default_frameset_files.h"
#include "ui/default_words.h"
#include "ui/history_list.h"
#include "ui/language_choice.h"
#include "ui/language_file.h"
#include "ui/launch.h"
#include "ui/wx/about_pages.h"
#include "ui/wx/wx_text.h"

namespace tabulon {

wxFont to_wx_font(const font_record& record, int pixels_per_inch) {
  const int height = record.height < 0 ? -record.height : record.height;
  int points = static_cast<int>(std::lround(height * 72.0 / pixels_per_inch));
  if (points <= 0) points = 10;
  wxFontInfo info(points);
  info.FaceName(to_wx(record.face))
      .Italic(record.italic != 0)
      .Underlined(record.underline != 0)
      .Strikethrough(record.strikeout != 0);
  wxFont font(info);
  font.SetNumericWeight(record.weight > 0 ? record.weight : 400);
  return font;
}

font_record from_wx_font(const wxFont& font, int pixels_per_inch) {
  font_record record;
  record.face = from_wx(font.GetFaceName());
  record.height =
      -static_cast<int32_t>(std::lround(font.GetFractionalPointSize() * pixels_per_inch / 72.0));
  record.weight = font.GetNumericWeight();
  record.italic = font.GetStyle() == wxFONTSTYLE_NORMAL ? 0 : 1;
  record.underline = font.GetUnderlined() ? 1 : 0;
  record.strikeout = font.GetStrikethrough() ? 1 : 0;
  return record;
}

namespace {

// Dropping files and folders on the Folders, Files page.
class folder_drop_target : public wxFileDropTarget {
 public:
  explicit folder_drop_target(main_frame* frame) : frame_(frame) {}
  bool OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) override {
    std::vector<std::wstring> paths;
    for (const wxString& name : names) paths.push_back(from_wx(name));
    frame_->drop_paths(paths);
    return !paths.empty();
  }

 private:
  main_frame* frame_;
};

std::optional<window_key> key_of(int code) {
  if (code >= WXK_F1 && code <= WXK_F12) return static_cast<window_key>(code - WXK_F1);
  switch (code) {
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP:
      return window_key::page_up;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN:
      return window_key::page_down;
    case WXK_ESCAPE:
      return window_key::escape;
    default:
      return std::nullopt;
  }
}

constexpr ui_text tree_items[] = {
    ui_text::tree_folders_files, ui_text::tree_miscellaneous, ui_text::tree_sorting,
    ui_text::tree_default_words, ui_text::tree_recursive,     ui_text::tree_input_output,
    ui_text::tree_about_tabulon, ui_text::tree_license,       ui_text::tree_open_source};

// The folder choosers: the box each fills, the chooser's title, and whether
// the chosen folder joins the box's list rather than replacing it.
struct folder_command {
  window_command command;
  const wchar_t* box;
  std::wstring_view title;
  bool append;
};
constexpr folder_command folder_commands[] = {
    {window_command::choose_root_folder, L"path", fixed_text::choose_root_folder, false},
    {window_command::choose_skipped_folder, L"skip_folders", fixed_text::choose_skipped_folder,
     true},
    {window_command::choose_included_folder, L"included_folders",
     fixed_text::choose_included_folder, true},
};

// The script editors and the box naming the script each opens.
struct script_editor {
  window_command command;
  const wchar_t* box;
};
constexpr script_editor script_editors[] = {
    {window_command::edit_script, L"custom_html_filename"},
    {window_command::edit_frameset, L"frameset_file"},
    {window_command::edit_left_frame, L"left_frame_file"},
    {window_command::edit_right_frame, L"right_frame_file"},
};

// The entry of `table` for `command`; the first when it has none.
template <class Entry, size_t N>
const Entry& entry_for(const Entry (&table)[N], window_command command) {
  for (const Entry& entry : table) {
    if (entry.command == command) return entry;
  }
  return table[0];
}

}  // namespace

main_frame::main_frame(application& app, scripted_answers* answers)
    : wxFrame(nullptr, wxID_ANY, to_wx(kProgramVersion)),
      app_(app),
      answers_(answers),
      prompts_(this, &font_, answers) {
  pixels_per_inch_ = wxScreenDC().GetPPI().y > 0 ? wxScreenDC().GetPPI().y : 96;
  const interface_fonts fonts = app_.read_font(pixels_per_inch_);
  font_ = to_wx_font(fonts.text, pixels_per_inch_);

  // Tooltips stay up for ten seconds. GTK wraps them by itself; the width
  // can be set only where the toolkit supports it.
  wxToolTip::SetAutoPop(10000);
#ifdef __WXMSW__
  wxToolTip::SetMaxWidth(420);
#endif
  SetIcon(wxArtProvider::GetIcon(wxART_HARDDISK, wxART_FRAME_ICON));

  // The language file named in the settings relabels the window as it opens.
  if (auto failure = apply_language_file(app_.settings, texts_))
    prompts_.message(failure->text, failure->caption);

  build_window();
  show_settings_on_pages();
  select_page(active_page_index(app_.settings.active_page));
  set_interface_font(font_);
  restore_placement();

  build_context_.main_window = this;
  build_context_.settings = &app_.settings;
  build_context_.texts = &texts_;
  build_context_.folder_text = [this] { return box_text(L"path"); };
  build_context_.copy_pages_into_settings = [this] {
    copy_pages_into_settings();
    return true;
  };
  build_context_.after_build = [this] { show_settings_on_pages(); };
  // The build's messages go through the window's prompts, so a test script
  // can read and answer them like every other message.
  build_context_.ui = &prompts_;

  Bind(wxEVT_CHAR_HOOK, &main_frame::on_char_hook, this);
  Bind(wxEVT_CLOSE_WINDOW, &main_frame::on_close, this);
  auto remember_rect = [this](auto& event) {
    if (!IsMaximized() && !IsIconized()) normal_rect_ = GetRect();
    event.Skip();
  };
  Bind(wxEVT_SIZE, [remember_rect](wxSizeEvent& e) { remember_rect(e); });
  Bind(wxEVT_MOVE, [remember_rect](wxMoveEvent& e) { remember_rect(e); });
}

void main_frame::build_window() {
  auto* panel = new wxPanel(this, wxID_ANY);
  book_ = new wxTreebook(panel, wxID_ANY);
  auto handler = [this](window_command command) { run_command(command); };
  for (int i = 0; i < static_cast<int>(option_page::about); ++i) {
    auto* view = new option_page_view(book_, static_cast<option_page>(i), texts_, handler);
    views_.push_back(view);
    book_->AddPage(view, to_wx(texts_.text(tree_items[i])), i == 0);
  }
  view_of(option_page::folders_files)->SetDropTarget(new folder_drop_target(this));
  book_->AddPage(make_about_page(book_), to_wx(texts_.text(ui_text::tree_about_tabulon)));
  book_->AddSubPage(make_license_page(book_), to_wx(texts_.text(ui_text::tree_license)));
  book_->AddSubPage(make_open_source_page(book_), to_wx(texts_.text(ui_text::tree_open_source)));
  book_->ExpandNode(6);

  build_button_ = new wxButton(panel, wxID_ANY, "");
  exit_button_ = new wxButton(panel, wxID_ANY, "");
  help_button_ = new wxButton(panel, wxID_ANY, "");
  build_button_->Bind(wxEVT_BUTTON,
                      [this](wxCommandEvent&) { run_command(window_command::build); });
  exit_button_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { run_command(window_command::exit); });
  help_button_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { run_command(window_command::help); });

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  buttons->Add(build_button_, 0, wxRIGHT, 8);
  buttons->Add(exit_button_, 0, wxRIGHT, 8);
  buttons->Add(help_button_, 0);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(book_, 1, wxEXPAND | wxALL, 8);
  sizer->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
  panel->SetSizer(sizer);
  auto* frame_sizer = new wxBoxSizer(wxVERTICAL);
  frame_sizer->Add(panel, 1, wxEXPAND);
  SetSizer(frame_sizer);
  relabel();
}

void main_frame::relabel() {
  for (size_t i = 0; i < std::size(tree_items); ++i)
    book_->SetPageText(i, to_wx(texts_.text(tree_items[i])));
  for (option_page_view* view : views_) view->relabel(texts_);
  const std::pair<wxButton*, ui_text> buttons[] = {
      {build_button_, ui_text::main_window_build_button},
      {exit_button_, ui_text::main_window_exit_button},
      {help_button_, ui_text::main_window_help_button}};
  for (const auto& [button, item] : buttons) {
    button->SetLabel(to_wx(texts_.text(item)));
    button->SetToolTip(to_wx(texts_.help(item)));
  }
  fit_to_pages();
}

void main_frame::fit_to_pages() {
  // The window never gets smaller than its largest page needs, so no
  // control is cut off whatever the font and the language.
  if (GetSizer() == nullptr) return;
  for (option_page_view* view : views_) view->Layout();
  GetSizer()->Layout();
  const wxSize needed = GetSizer()->GetMinSize();
  const wxSize frame = ClientToWindowSize(needed);
  SetMinSize(frame);
  const wxSize now = GetSize();
  if (now.x < frame.x || now.y < frame.y)
    SetSize(wxSize(std::max(now.x, frame.x), std::max(now.y, frame.y)));
}

void main_frame::set_interface_font(const wxFont& font) {
  if (!font.IsOk()) return;
  font_ = font;
  apply_font_recursively(this, font_);
  build_context_.interface_font = font_;
  fit_to_pages();
}

option_page_view* main_frame::view_of(option_page page) const {
  return views_[static_cast<size_t>(page)];
}

int main_frame::page_index() const {
  const int selection = book_->GetSelection();
  return selection == wxNOT_FOUND ? 0 : selection;
}

void main_frame::select_page(int index) {
  book_->SetSelection(active_page_index(index));
}

void main_frame::copy_pages_into_settings() {
  for (option_page_view* view : views_) view->copy_into_settings(app_.settings);
}

void main_frame::show_settings_on_pages() {
  for (option_page_view* view : views_) view->show_settings(app_.settings, texts_);
}

bound_control* main_frame::control_named(const std::wstring& name, option_page_view** view) {
  for (option_page_view* v : views_) {
    if (bound_control* b = v->find(name)) {
      if (view != nullptr) *view = v;
      return b;
    }
  }
  return nullptr;
}

std::wstring main_frame::box_text(const std::wstring& name) {
  option_page_view* view = nullptr;
  bound_control* b = control_named(name, &view);
  return b == nullptr ? std::wstring() : view->value_of(*b).text;
}

void main_frame::set_box_text(const std::wstring& name, const std::wstring& text) {
  option_page_view* view = nullptr;
  bound_control* b = control_named(name, &view);
  if (b == nullptr) return;
  control_value value = view->value_of(*b);
  value.text = text;
  view->show_value(*b, value);
}

void main_frame::drop_paths(const std::vector<std::wstring>& paths) {
  if (paths.empty()) return;
  option_page_view* view = nullptr;
  bound_control* b = control_named(L"path", &view);
  control_value value = view->value_of(*b);
  value.text = paths.front();
  add_dropped_folder(value.history, paths.front());
  view->show_value(*b, value);
  if (wxWindow* focus = b->focus_target()) focus->SetFocus();
}

void main_frame::choose_folder_into(const std::wstring& name, std::wstring_view title,
                                    bool append) {
  const std::wstring current = box_text(name);
  const std::wstring chosen = prompts_.choose_folder(title, append ? L"" : current);
  if (chosen.empty()) return;
  // The skipped and included folders are lists: a chosen folder joins them.
  if (append && !current.empty()) {
    set_box_text(name, current + L";" + chosen);
  } else {
    set_box_text(name, chosen);
  }
}

void main_frame::choose_file_into(const std::wstring& name, const file_chooser& chooser) {
  std::wstring chosen = chooser.overwrite_prompt || name == L"output_filename"
                            ? prompts_.choose_file_to_save(chooser)
                            : prompts_.choose_file_to_open(chooser);
  if (chosen.empty()) return;
  // A script inside the program folder is kept by its relative name, so the
  // settings still work when the program folder moves.
  const std::wstring& folder = app_.program_folder;
  if (name == L"custom_html_filename" && !folder.empty() && chosen.starts_with(folder))
    chosen = chosen.substr(folder.size());
  set_box_text(name, chosen);
}

void main_frame::edit_named_script(const std::wstring& name) {
  copy_pages_into_settings();
  edit_script_file(app_.settings, box_text(name), texts_, prompts_, shell_);
}

config_write_extras main_frame::write_extras() const {
  config_write_extras extras;
  extras.interface_font = from_wx_font(font_, pixels_per_inch_);
  extras.pixels_per_inch = pixels_per_inch_;
  extras.placement = current_placement();
  return extras;
}

window_placement_record main_frame::current_placement() const {
  window_placement_record placement;
  const bool normal = !IsMaximized() && !IsIconized();
  const wxRect rect = normal || normal_rect_.IsEmpty() ? GetRect() : normal_rect_;
  placement.show_cmd = IsMaximized() ? 3 : 1;
  placement.left = rect.GetLeft();
  placement.top = rect.GetTop();
  placement.right = rect.GetLeft() + rect.GetWidth();
  placement.bottom = rect.GetTop() + rect.GetHeight();
  placement.min_x = placement.min_y = placement.max_x = placement.max_y = -1;
  return placement;
}

void main_frame::restore_placement() {
  const wxRect screen = wxDisplay(0u).GetGeometry();
  const auto placement = app_.read_placement(screen.GetWidth(), screen.GetHeight());
  if (!placement) {
    Centre();
    return;
  }
  const wxSize minimum = GetMinSize();
  const int width = std::max(placement->right - placement->left, minimum.x);
  const int height = std::max(placement->bottom - placement->top, minimum.y);
  SetSize(placement->left, placement->top, width, height);
  normal_rect_ = wxRect(placement->left, placement->top, width, height);
  if (placement->show_cmd == 3) Maximize();
}

void main_frame::window_shown() {
  if (!IsMaximized() && !IsIconized()) normal_rect_ = GetRect();
}

void main_frame::save_on_exit() {
  if (saved_) return;
  saved_ = true;
  copy_pages_into_settings();
  app_.settings.active_page = page_index();
  app_.write_exit_configuration(write_extras());
}

void main_frame::on_close(wxCloseEvent& event) {
  // A running build works on the settings: the window stays until it ends.
  if (build_context_.build_running && event.CanVeto()) {
    event.Veto();
    return;
  }
  save_on_exit();
  Destroy();
}

void main_frame::press_key(int wx_key_code, bool ctrl, bool alt) {
  wxKeyEvent event(wxEVT_CHAR_HOOK);
  event.m_keyCode = wx_key_code;
  event.m_controlDown = ctrl;
  event.m_altDown = alt;
  event.SetEventObject(this);
  HandleWindowEvent(event);
}

bool main_frame::focus_by_access_key(wchar_t letter) {
  // Buttons and check boxes take their access keys from the toolkit; a plain
  // label hands its key on to the box beside it.
  const int page = page_index();
  if (page >= static_cast<int>(views_.size())) return false;
  for (bound_control& b : views_[static_cast<size_t>(page)]->controls()) {
    if (b.label == nullptr || dynamic_cast<wxStaticText*>(b.label) == nullptr) continue;
    if (mnemonic_letter(from_wx(b.label->GetLabel())) != letter) continue;
    wxWindow* field = b.combo != nullptr    ? static_cast<wxWindow*>(b.combo)
                      : b.text != nullptr   ? static_cast<wxWindow*>(b.text)
                      : b.choice != nullptr ? static_cast<wxWindow*>(b.choice)
                                            : static_cast<wxWindow*>(b.spin);
    if (field == nullptr) return false;
    field->SetFocus();
    return true;
  }
  return false;
}

void main_frame::on_char_hook(wxKeyEvent& event) {
  if (event.AltDown() && !event.ControlDown()) {
    const int code = event.GetKeyCode();
    if (code < 128 && std::isalnum(code) &&
        focus_by_access_key(static_cast<wchar_t>(std::tolower(code))))
      return;
  }
  const auto key = key_of(event.GetKeyCode());
  const auto command = key ? command_for_key(*key, event.ControlDown()) : std::nullopt;
  if (!command) {
    event.Skip();
    return;
  }
  run_command(*command);
}

void main_frame::load_language() {
  copy_pages_into_settings();
  const language_choice_outcome outcome =
      choose_language(app_.settings, texts_, prompts_, prompts_);
  if (outcome.texts_changed) {
    relabel();
    show_settings_on_pages();
  }
}

void main_frame::load_font() {
  if (answers_ != nullptr && answers_->active) {
    // A test script names the font as the chooser's answer: "Face,points".
    const std::wstring answer = answers_->files.empty() ? L"" : answers_->files.front();
    if (!answers_->files.empty()) answers_->files.pop_front();
    const size_t comma = answer.find(L',');
    if (comma == std::wstring::npos) return;
    wxFont font(
        wxFontInfo(std::stoi(answer.substr(comma + 1))).FaceName(to_wx(answer.substr(0, comma))));
    set_interface_font(font);
    return;
  }
  wxFontData data;
  data.SetInitialFont(font_);
  wxFontDialog dialog(this, data);
  if (dialog.ShowModal() != wxID_OK) return;
  set_interface_font(dialog.GetFontData().GetChosenFont());
}

void main_frame::run_command(window_command command) {
  build_settings& s = app_.settings;
  switch (command) {
    case window_command::help:
      copy_pages_into_settings();
      open_help_page(s, page_index(), prompts_, shell_);
      break;
    case window_command::show_about:
      select_page(static_cast<int>(option_page::about));
      break;
    case window_command::show_folders_page: {
      select_page(0);
      if (bound_control* b = control_named(L"path"))
        if (wxWindow* focus = b->focus_target()) focus->SetFocus();
      break;
    }
    case window_command::build:
      build_context_.scripted_results = answers_ && answers_->active ? &prompts_ : nullptr;
      run_build_command(build_context_);
      break;
    case window_command::choose_root_folder:
    case window_command::choose_skipped_folder:
    case window_command::choose_included_folder: {
      const folder_command& chooser = entry_for(folder_commands, command);
      choose_folder_into(chooser.box, chooser.title, chooser.append);
      break;
    }
    case window_command::choose_script:
      choose_file_into(L"custom_html_filename",
                       script_chooser(box_text(L"custom_html_filename"), app_.program_folder));
      break;
    case window_command::choose_output_file:
      choose_file_into(L"output_filename", output_file_chooser());
      break;
    case window_command::choose_browser: {
      file_chooser chooser = program_chooser(box_text(L"default_browser"));
      chooser.title = L"Web Browser";
      choose_file_into(L"default_browser", chooser);
      break;
    }
    case window_command::choose_editor: {
      file_chooser chooser = program_chooser(box_text(L"default_text_editor"));
      chooser.title = L"Text Editor";
      choose_file_into(L"default_text_editor", chooser);
      break;
    }
    case window_command::save_batch_file: {
      copy_pages_into_settings();
      const config_context context = app_.settings_context();
      batch_save_request request{s,           app_.store,        context,       texts_,
                                 batch_name_, running_program(), write_extras()};
      save_batch_files(request, prompts_, shell_);
      break;
    }
    case window_command::read_config:
    case window_command::write_config: {
      copy_pages_into_settings();
      config_command_request request{s, app_.store, app_.dialog_paths, app_.settings_context(),
                                     write_extras()};
      const bool reading = command == window_command::read_config;
      const config_command_outcome outcome = reading ? read_config_command(request, prompts_)
                                                     : write_config_command(request, prompts_);
      if (!outcome.done) break;
      if (reading) show_settings_on_pages();
      SetTitle(to_wx(outcome.title));
      break;
    }
    case window_command::edit_script:
    case window_command::edit_frameset:
    case window_command::edit_left_frame:
    case window_command::edit_right_frame:
      edit_named_script(entry_for(script_editors, command).box);
      break;
    case window_command::launch_output:
      copy_pages_into_settings();
      launch_output_file(s, texts_, prompts_, shell_);
      break;
    case window_command::previous_page:
      select_page(step_page(page_index(), -1));
      break;
    case window_command::next_page:
      select_page(step_page(page_index(), 1));
      break;
    case window_command::ignore:
      break;
    case window_command::exit:
      Close();
      break;
    case window_command::restore_default_words:
    case window_command::default_frameset_files: {
      // Each puts back the defaults of one page's settings, which that page then shows.
      copy_pages_into_settings();
      option_page page = option_page::default_words;
      if (command == window_command::restore_default_words) {
        restore_default_words(s);
      } else {
        set_default_frameset_files(s);
        page = option_page::recursive;
      }
      view_of(page)->show_settings(s, texts_);
      break;
    }
    case window_command::load_language:
      load_language();
      break;
    case window_command::load_font:
      load_font();
      break;
  }
}

bool main_frame::set_control(const std::wstring& name, const std::wstring& value) {
  option_page_view* view = nullptr;
  bound_control* b = control_named(name, &view);
  if (b == nullptr || b->control->kind == control_kind::button) return false;
  control_value v = view->value_of(*b);
  if (b->control->kind == control_kind::history_box || b->control->kind == control_kind::text_box) {
    v.text = value;
  } else {
    const size_t slash = value.find(L'/');
    v.number = std::stoi(value.substr(0, slash));
    if (slash != std::wstring::npos) v.second = std::stoi(value.substr(slash + 1));
  }
  view->show_value(*b, v);
  return true;
}

bool main_frame::click_control(const std::wstring& name) {
  if (name == L"build" || name == L"exit" || name == L"help") {
    wxButton* button = name == L"build"  ? build_button_
                       : name == L"exit" ? exit_button_
                                         : help_button_;
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->HandleWindowEvent(click);
    return true;
  }
  std::wstring target = name;
  const bool add = target.ends_with(L".add");
  if (add) target.resize(target.size() - 4);
  bound_control* b = control_named(target);
  if (b == nullptr) return false;
  wxButton* button = add                    ? b->add
                     : b->button != nullptr ? b->button
                                            : dynamic_cast<wxButton*>(b->label);
  if (button == nullptr) return false;
  wxCommandEvent click(wxEVT_BUTTON, button->GetId());
  click.SetEventObject(button);
  button->HandleWindowEvent(click);
  return true;
}

void main_frame::dump_controls(const std::wstring& path) {
  std::wstring out;
  auto line = [&out](const std::wstring& key, const std::wstring& value) {
    out += key + L"=" + value + L"\n";
  };
  line(L"window.title", from_wx(GetTitle()));
  line(L"window.page", std::to_wstring(page_index()));
  wxWindow* focus = wxWindow::FindFocus();
  std::wstring focused;
  for (option_page_view* view : views_)
    for (const bound_control& b : view->controls())
      for (wxWindow* w : {static_cast<wxWindow*>(b.combo), static_cast<wxWindow*>(b.text),
                          static_cast<wxWindow*>(b.choice), static_cast<wxWindow*>(b.spin)})
        if (w != nullptr && focus != nullptr && (w == focus || w->IsDescendant(focus)))
          focused = std::wstring(b.control->name);
  line(L"window.focus", focused);
  line(L"window.font", encode_font(from_wx_font(font_, pixels_per_inch_), pixels_per_inch_));
  const wxRect rect = GetRect();
  line(L"window.rect", std::to_wstring(rect.x) + L"," + std::to_wstring(rect.y) + L"," +
                           std::to_wstring(rect.width) + L"," + std::to_wstring(rect.height));
  const wxSize minimum = GetMinSize();
  line(L"window.min", std::to_wstring(minimum.x) + L"," + std::to_wstring(minimum.y));
  for (size_t i = 0; i < std::size(tree_items); ++i)
    line(L"tree." + std::to_wstring(i), from_wx(book_->GetPageText(i)));
  line(L"button.build", from_wx(build_button_->GetLabel()));
  line(L"button.build.font", from_wx(build_button_->GetFont().GetFaceName()));
  for (option_page_view* view : views_) {
    for (const bound_control& b : view->controls()) {
      const std::wstring name(b.control->name);
      const control_value v = view->value_of(b);
      if (b.label != nullptr) {
        line(name + L".label", from_wx(b.label->GetLabel()));
        // A control cut off at the right edge of its page, or drawn narrower
        // than its text needs, is reported so tests can find clipping.
        const wxRect r = b.label->GetRect();
        const int needed = b.label->GetBestSize().x;
        line(name + L".fits",
             (r.GetRight() <= view->GetClientSize().x && r.width >= needed) ? L"1" : L"0");
        line(name + L".font", from_wx(b.label->GetFont().GetFaceName()));
      }
      switch (b.control->kind) {
        case control_kind::history_box:
          line(name, v.text);
          line(name + L".list", join_history(v.history));
          break;
        case control_kind::text_box:
          line(name, v.text);
          break;
        case control_kind::button:
          break;
        case control_kind::choice:
          line(name, std::to_wstring(v.number));
          line(name + L".entry", from_wx(b.choice->GetStringSelection()));
          break;
        default:
          line(name, std::to_wstring(v.number) + (b.control->kind == control_kind::sort_group
                                                      ? L"/" + std::to_wstring(v.second)
                                                      : L""));
          break;
      }
    }
  }
  std::ofstream file(to_native(path), std::ios::binary);
  file << wide_to_utf8(out);
}

}  // namespace tabulon
