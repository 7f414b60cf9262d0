#include "ui/window_commands.h"

#include "base/build_settings.h"

namespace tabulon {
namespace {

constexpr key_binding bindings[] = {
    {window_key::f1, false, window_command::help, L"F1"},
    {window_key::f1, true, window_command::show_about, L"Ctrl+F1"},
    {window_key::f2, false, window_command::show_folders_page, L"F2"},
    {window_key::f3, false, window_command::build, L"F3"},
    {window_key::f4, false, window_command::choose_root_folder, L"F4"},
    {window_key::f5, false, window_command::choose_script, L"F5"},
    {window_key::f7, false, window_command::save_batch_file, L"F7"},
    {window_key::f8, false, window_command::read_config, L"F8"},
    {window_key::f9, false, window_command::write_config, L"F9"},
    {window_key::f11, false, window_command::edit_script, L"F11"},
    {window_key::f12, false, window_command::launch_output, L"F12"},
    {window_key::page_up, true, window_command::previous_page, L"Ctrl+Page Up"},
    {window_key::page_down, true, window_command::next_page, L"Ctrl+Page Down"},
    {window_key::escape, false, window_command::ignore, L"Esc"},
    {window_key::escape, true, window_command::ignore, L"Ctrl+Esc"},
};

}  // namespace

std::span<const key_binding> key_bindings() {
  return bindings;
}

std::optional<window_command> command_for_key(window_key key, bool ctrl) {
  for (const key_binding& binding : bindings)
    if (binding.key == key && binding.ctrl == ctrl) return binding.command;
  // A function key held with Ctrl does what it does alone, except F1.
  if (ctrl && key != window_key::f1 && key != window_key::page_up && key != window_key::page_down)
    return command_for_key(key, false);
  return std::nullopt;
}

std::wstring window_title(std::wstring_view config_path) {
  std::wstring title = kProgramVersion;
  if (config_path.empty()) return title;
  const size_t slash = config_path.find_last_of(L"/\\");
  const std::wstring_view name =
      slash == std::wstring_view::npos ? config_path : config_path.substr(slash + 1);
  if (name.empty()) return title;
  title += L" - ";
  title += name;
  return title;
}

wchar_t mnemonic_letter(std::wstring_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    const wchar_t c = caption[i + 1];
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
  }
  return 0;
}

int active_page_index(int32_t stored) {
  return stored >= 0 && stored < kOptionPageCount ? stored : 0;
}

int step_page(int current, int step) {
  const int page = (active_page_index(current) + step) % kOptionPageCount;
  return page < 0 ? page + kOptionPageCount : page;
}

}  // namespace tabulon
