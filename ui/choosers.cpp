#include "ui/choosers.h"

#include "ui/launch.h"

namespace tabulon {

std::wstring folder_of(std::wstring_view path) {
  const size_t slash = path.find_last_of(L"/\\");
  return slash == std::wstring_view::npos ? std::wstring()
                                          : std::wstring(path.substr(0, slash + 1));
}

std::wstring name_of(std::wstring_view path) {
  const size_t slash = path.find_last_of(L"/\\");
  return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

file_chooser output_file_chooser() {
  file_chooser c;
  c.title = L"Output File";
  c.filter = L"Hypertext Files|*.html;*.shtml;*.htm|All Files|*.*||";
  c.default_extension = L"html";
  c.start_name = L"index.html";
  c.overwrite_prompt = false;
  return c;
}

file_chooser script_chooser(std::wstring_view current_script, std::wstring_view program_folder,
                            path_style style) {
  file_chooser c;
  c.title = L"Script";
  c.filter = L"Text Files|*.txt;*.tabulon";
  c.default_extension = L"txt";
  c.must_exist = true;
  if (current_script.empty()) {
    c.start_folder = std::wstring(program_folder);
    c.start_name = L"insert.txt";
  } else {
    const std::wstring full = script_file_path(current_script, program_folder, style);
    c.start_folder = folder_of(full);
    c.start_name = name_of(full);
  }
  return c;
}

file_chooser program_chooser(std::wstring_view current_program, path_style style) {
  file_chooser c;
  c.filter = style.has_drives ? L"Executable Files|*.exe|" : L"Executable Files|*|";
  c.must_exist = true;
  c.start_folder = folder_of(current_program);
  c.start_name = name_of(current_program);
  return c;
}

namespace {

file_chooser config_chooser(std::wstring_view last_path) {
  file_chooser c;
  c.filter = L".init Files|*.init;*.ini|";
  c.default_extension = L"init";
  c.start_folder = folder_of(last_path);
  c.start_name = name_of(last_path);
  return c;
}

}  // namespace

file_chooser config_read_chooser(std::wstring_view last_path) {
  file_chooser c = config_chooser(last_path);
  c.title = L"Read configuration file";
  c.must_exist = true;
  return c;
}

file_chooser config_write_chooser(std::wstring_view last_path) {
  file_chooser c = config_chooser(last_path);
  c.title = L"Write configuration file";
  c.overwrite_prompt = true;
  return c;
}

}  // namespace tabulon
