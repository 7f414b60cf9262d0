#include "ui/batch_file.h"

#include <cerrno>

#include "base/text_file.h"
#include "base/wide_string.h"
#include "platform/current_dir.h"
#include "platform/file_mode.h"
#include "platform/program_folder.h"

namespace tabulon {

namespace {

// Windows compares file names without regard to case; POSIX byte for byte.
bool lies_in_folder(std::wstring_view path, std::wstring_view folder, path_style style) {
  if (folder.empty() || path.size() <= folder.size()) return false;
  if (style.has_drives) return upper_ascii(path.substr(0, folder.size())) == upper_ascii(folder);
  return path.starts_with(folder);
}

std::wstring quoted(std::wstring_view text) {
  return L"\"" + std::wstring(text) + L"\"";
}

std::wstring folder_of(std::wstring_view path, wchar_t separator) {
  const size_t cut = path.rfind(separator);
  return cut == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, cut + 1));
}

// True when `folder` can be made the current directory; the current
// directory is put back either way.
bool folder_exists(std::wstring_view folder) {
  if (folder.empty()) return false;
  const std::wstring here = current_directory();
  if (!set_current_directory(folder)) return false;
  set_current_directory(here);
  return true;
}

}  // namespace

batch_program running_program() {
  // Windows names programs with their extension.
  return {program_folder(), native_path_style().has_drives ? L"tabulon.exe" : L"tabulon",
          native_path_style()};
}

bool is_batch_file_name(std::wstring_view path) {
  const std::wstring upper = upper_ascii(path);
  return upper.ends_with(L".BAT") && upper.find(L"*.BAT") == std::wstring::npos;
}

std::wstring batch_settings_path(std::wstring_view batch_path) {
  std::wstring out(batch_path);
  const size_t dot = out.rfind(L'.');
  if (dot != std::wstring::npos) out.erase(dot, 1);
  return out + L".init";
}

std::wstring batch_sibling_path(std::wstring_view batch_path, std::wstring_view extension) {
  const size_t dot = batch_path.rfind(L'.');
  return std::wstring(batch_path.substr(0, dot)) + L"." + std::wstring(extension);
}

std::wstring batch_command(const batch_program& program, std::wstring_view settings_path) {
  // Short (8.3) names would go here on Windows; without them the paths are
  // used as they stand. Drive letters stay on both paths: the configuration
  // reader takes a settings name without a drive relative to the program
  // folder, so "\x\site.init" would name the wrong file.
  if (lies_in_folder(settings_path, program.folder, program.style)) {
    return quoted(program.name) + L" " + quoted(settings_path.substr(program.folder.size()));
  }
  return quoted(program.full_path()) + L" " + quoted(settings_path);
}

std::wstring batch_file_text(const batch_program& program, std::wstring_view settings_path) {
  const std::wstring command = batch_command(program, settings_path);
  return command + L"\nREM " + command;
}

std::wstring vbs_file_text(const batch_program& program, std::wstring_view settings_path) {
  std::wstring command = batch_command(program, settings_path);
  replace_all(command, L"\"", L"\"\"");
  return L"Set WshShell = WScript.CreateObject(\"WScript.Shell\")\nWshShell.run(\"" + command +
         L"\")";
}

std::wstring sh_quote(std::wstring_view text) {
  std::wstring out = L"'";
  for (const wchar_t c : text) {
    if (c == L'\'') {
      out += L"'\\''";
    } else {
      out.push_back(c);
    }
  }
  return out + L"'";
}

std::wstring sh_file_text(const batch_program& program, std::wstring_view settings_path) {
  // A name may hold a line break; in the comment it would start a command
  // line of its own, so control characters are shown as "?" there. The exec
  // line needs no such care: single quotes keep every character.
  std::wstring shown(settings_path);
  for (wchar_t& c : shown) {
    if (c < L' ' || c == 0x7F) c = L'?';
  }
  return L"#!/bin/sh\n# Rebuilds the index pages that " + shown + L" describes (written by " +
         kProgramVersion + L").\nexec " + sh_quote(program.full_path()) + L" " +
         sh_quote(settings_path) + L"\n";
}

batch_save_outcome save_batch_files(batch_save_request& request, prompts& ui,
                                    shell_launcher& shell) {
  batch_save_outcome outcome;
  const interface_text_table& texts = request.texts;
  const wchar_t separator = request.program.style.separator;

  if (!folder_exists(request.settings.path)) {
    ui.message(fixed_text::no_valid_folder, fixed_text::error_caption);
    outcome.result = batch_save_result::no_folder;
    return outcome;
  }

  file_chooser chooser;
  chooser.filter = batch_file_filter;
  chooser.default_extension = batch_file_extension;
  chooser.overwrite_prompt = true;
  if (request.remembered_name.empty()) {
    chooser.start_name = L"build_html.bat";
  } else {
    chooser.start_folder = folder_of(request.remembered_name, separator);
    chooser.start_name = request.remembered_name.substr(chooser.start_folder.size());
  }
  const std::wstring batch_path = ui.choose_file_to_save(chooser);
  if (batch_path.empty()) return outcome;
  request.remembered_name = batch_path;
  outcome.batch_path = batch_path;

  if (!is_batch_file_name(batch_path)) {
    ui.message(fixed_text::batch_aborted, fixed_text::batch_filename_error);
    outcome.result = batch_save_result::bad_name;
    return outcome;
  }

  const std::wstring settings_path = batch_settings_path(batch_path);
  ini_store store = request.store;
  if (store.section.empty()) store.section = kConfigSection;
  const config_status written =
      write_configuration(request.settings, store, settings_path, request.context, request.extras);
  if (!written.ok) {
    outcome.error = status::error(L"write", written.path, L"", written.reason);
  } else {
    outcome.error =
        write_whole_file(batch_path, batch_file_text(request.program, settings_path), text_utf8);
  }
  if (outcome.error) {
    outcome.error = write_whole_file(batch_sibling_path(batch_path, L"vbs"),
                                     vbs_file_text(request.program, settings_path), text_utf16le);
  }
  if (outcome.error && !request.program.style.has_drives) {
    const std::wstring sh_path = batch_sibling_path(batch_path, L"sh");
    outcome.error = write_whole_file(sh_path, sh_file_text(request.program, settings_path),
                                     text_utf8 | text_keep_lf);
    if (outcome.error && !make_executable(sh_path)) {
      outcome.error = status::from_errno(L"make", sh_path, L"executable", errno);
    }
  }
  if (!outcome.error) {
    ui.message(outcome.error.message(), fixed_text::error_caption);
    outcome.result = batch_save_result::write_failed;
    return outcome;
  }

  outcome.result = batch_save_result::written;
  if (ui.ask_yes_no(batch_path + L"\r\n\r\n" + texts.text(ui_text::batch_file_created_launch_text),
                    texts.text(ui_text::batch_file_created_title))) {
    if (request.program.style.has_drives) {
      shell.open_with(L"explorer.exe", L"/select," + batch_path);
    } else {
      // A file manager opened on the folder shows the new files there.
      shell.open(folder_of(batch_path, separator));
    }
  }
  return outcome;
}

}  // namespace tabulon
