#include "ui/launch.h"

#include <cstdio>

#include "platform/file_open.h"

namespace tabulon {

namespace {

// Opens `path` with the desktop's handler, or with `program` when one is set.
bool open_with_setting(std::wstring_view program, std::wstring_view path, shell_launcher& shell) {
  if (program.empty()) return shell.open(path);
  return shell.open_with(program, launch_parameter(path));
}

void report_not_found(std::wstring_view path, const interface_text_table& texts, prompts& ui) {
  ui.message(texts.text(ui_text::output_file_error_output_file_not_found) + std::wstring(path),
             texts.text(ui_text::output_file_error_output_file_not_found_title));
}

void report_not_started(std::wstring_view path, prompts& ui) {
  ui.message(L"\"" + std::wstring(path) + L"\"" + std::wstring(fixed_text::cannot_be_opened),
             fixed_text::error_caption);
}

}  // namespace

std::wstring output_file_path(std::wstring_view folder, std::wstring_view output_name,
                              std::wstring_view program_folder, path_style style) {
  if (style.has_drives) {
    if (output_name.size() >= 2 && output_name[1] == L':') return std::wstring(output_name);
    if (!output_name.empty() && output_name[0] == L'\\') {
      return give_drive_of_program_folder(output_name, program_folder, style);
    }
  } else if (!output_name.empty() && output_name[0] == style.separator) {
    return std::wstring(output_name);
  }
  std::wstring path(folder);
  if (path.empty() || path.back() != style.separator) path.push_back(style.separator);
  return path + std::wstring(output_name);
}

std::wstring script_file_path(std::wstring_view name, std::wstring_view program_folder,
                              path_style style) {
  return resolve_in_program_folder(name, program_folder, style);
}

std::wstring launch_parameter(std::wstring_view path, path_style style) {
  if (!style.has_drives) return std::wstring(path);
  return L"\"" + std::wstring(path) + L"\"";
}

bool readable_file(std::wstring_view path) {
  if (path.empty()) return false;
  std::FILE* file = open_file(path, "rb");
  if (!file) return false;
  // A folder opens on POSIX but cannot be read.
  std::fgetc(file);
  const bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}

std::wstring_view help_page_name(int page_index) {
  switch (static_cast<option_page>(page_index)) {
    case option_page::folders_files:
      return L"help_folders.html";
    case option_page::miscellaneous:
      return L"help_misc.html";
    case option_page::recursive:
      return L"help_recursive.html";
    case option_page::input_output:
      return L"help_io.html";
    case option_page::sorting:
    case option_page::default_words:
      return L"help_sort.html";
    case option_page::license:
      return L"help_license.html";
    default:
      return L"tabulon_help.html";
  }
}

std::wstring help_page_path(int page_index, std::wstring_view program_folder, path_style style) {
  // Through the program-folder rule, so an installed program finds its
  // help pages in the data folder.
  return resolve_in_program_folder(
      L"help" + std::wstring(1, style.separator) + std::wstring(help_page_name(page_index)),
      program_folder, style);
}

bool launch_output_file(const build_settings& settings, const interface_text_table& texts,
                        prompts& ui, shell_launcher& shell) {
  const std::wstring path =
      output_file_path(settings.path, settings.output_filename, settings.program_folder);
  if (!readable_file(path)) {
    report_not_found(path, texts, ui);
    return false;
  }
  if (open_with_setting(settings.default_browser, path, shell)) return true;
  report_not_started(path, ui);
  return false;
}

bool edit_script_file(const build_settings& settings, std::wstring_view name,
                      const interface_text_table& texts, prompts& ui, shell_launcher& shell) {
  const std::wstring path = script_file_path(name, settings.program_folder);
  if (name.empty() || !readable_file(path)) {
    report_not_found(path, texts, ui);
    return false;
  }
  if (open_with_setting(settings.default_text_editor, path, shell)) return true;
  report_not_started(path, ui);
  return false;
}

bool open_help_page(const build_settings& settings, int page_index, prompts& ui,
                    shell_launcher& shell) {
  const std::wstring path = help_page_path(page_index, settings.program_folder);
  if (open_with_setting(settings.default_browser, path, shell)) return true;
  ui.message(std::wstring(fixed_text::help_launch_failed) + path + L"\n\n" +
                 std::wstring(fixed_text::check_default_browser),
             fixed_text::error_caption);
  return false;
}

}  // namespace tabulon
