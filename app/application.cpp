#include "app/application.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "app/command_tail.h"
#include "app/run_configured_build.h"
#include "base/wide_string.h"
#include "platform/allocator.h"
#include "platform/app_folders.h"
#include "platform/current_dir.h"
#include "platform/shell_open.h"

namespace tabulon {

application::application() : application(active_app_folders().user) {}

application::application(std::wstring folder) : program_folder(std::move(folder)) {
  settings.program_folder = program_folder;
  dialog_paths.folder = program_folder;
  // The user's own Scripts/ when there is one, else the shipped one.
  dialog_paths.scripts_folder = resolve_in_program_folder(
      std::wstring(L"Scripts") + native_path_style().separator, program_folder);
  dialog_paths.file_name = L"custom.init";
}

std::wstring complete_script_name(std::wstring_view name, std::wstring_view program_folder,
                                  path_style style) {
  if (name.size() < 2) return std::wstring(name);
  if (style.has_drives) {
    if (name.substr(0, 2) == L"\\\\" || name[1] == L':') return std::wstring(name);
    if (name[0] == L'\\') return std::wstring(program_folder.substr(0, 2)) + std::wstring(name);
    return std::wstring(program_folder) + std::wstring(name);
  }
  // Without drives a name at the root ("/x", or "\x" from a Windows
  // configuration) is complete already.
  if (name[0] == style.separator || name[0] == L'\\') return with_native_separators(name, style);
  return resolve_in_program_folder(name, program_folder, style);
}

std::wstring batch_result_target(std::wstring_view path, std::wstring_view output_filename,
                                 std::wstring_view program_folder, path_style style) {
  std::wstring target;
  if (output_filename.find(style.separator) == std::wstring_view::npos) {
    target = path;
    if (target.empty() || target.back() != style.separator) target.push_back(style.separator);
    target += output_filename;
  } else {
    target = output_filename;
  }
  return give_drive_of_program_folder(target, program_folder, style);
}

batch_result application::run_batch(std::wstring_view command_tail) {
  batch_result result;
  const std::wstring config_path = config_path_from_tail(command_tail);

  // A relative configuration name is taken in the program folder first, and in
  // the folder the program was started from only when it is not there; the
  // current directory stays as it is.
  const std::wstring here = current_directory();
  const config_context context{program_folder, here};
  result.config =
      read_configuration(settings, store, command_line_config_path(config_path, context), context);
  if (settings.path == L".") settings.path = here;
  settings.unattended = 1;

  const std::wstring kept_output = settings.output_filename;
  settings.custom_html_filename =
      complete_script_name(settings.custom_html_filename, program_folder);
  result.build = run_configured_build(settings, nullptr);
  result.root = settings.path;
  settings.output_filename = kept_output;

  if (settings.autolaunch_batch_file) {
    result.opened = batch_result_target(settings.path, settings.output_filename, program_folder);
    // Whether the page could be opened is not reported.
    if (!settings.default_browser.empty()) {
      shell_open_with(settings.default_browser, result.opened);
    } else {
      shell_open(result.opened);
    }
  }
  return result;
}

config_context application::settings_context() const {
  return config_context{program_folder, current_directory()};
}

config_status application::read_main_configuration() {
  return read_configuration(settings, store,
                            resolve_in_program_folder(L"tabulon.init", program_folder),
                            settings_context());
}

interface_fonts application::read_font(int pixels_per_inch) const {
  return read_interface_font(settings_context(), pixels_per_inch);
}

std::optional<window_placement_record> application::read_placement(int screen_width,
                                                                   int screen_height) const {
  return read_window_placement(settings_context(), screen_width, screen_height);
}

config_status application::write_exit_configuration(const config_write_extras& extras) {
  return write_configuration(settings, store,
                             resolve_for_writing(L"tabulon.init", program_folder),
                             settings_context(), extras);
}

config_status application::start_interactive() {
  if (!program_folder.empty()) set_current_directory(program_folder);
  settings.current_config_path = resolve_in_program_folder(L"tabulon.init", program_folder);
  return read_main_configuration();
}

bool display_available() {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 != nullptr && *x11 != 0) || (wayland != nullptr && *wayland != 0);
}

namespace {

void print_line(std::FILE* stream, const std::wstring& text) {
  const std::string bytes = to_native(text);
  std::fprintf(stream, "%s\n", bytes.c_str());
}

const char* const kUsage =
    "Usage: tabulon CONFIG.init\n"
    "       tabulon --help | --version\n"
    "\n"
    "Writes HTML index pages for a folder tree, as the configuration file\n"
    "CONFIG.init describes, and exits. A relative CONFIG.init is taken in the\n"
    "user folder (see below), and in the current directory when it is not\n"
    "there. Every argument together forms the one path (joined by single\n"
    "blanks); double quotes around the whole path are removed.\n"
    "\n"
    "Every page that cannot be written is reported on standard error with its\n"
    "path and the reason, and the build goes on with the other pages.\n"
    "\n"
    "Exit status: 0 when every page was written; 1 when none was (the reason\n"
    "goes to standard error); 2 when some pages were written and some could\n"
    "not be.\n"
    "\n"
    "Files and folders:\n"
    "  user folder    $XDG_CONFIG_HOME/tabulon/ (default ~/.config/tabulon/),\n"
    "                 made on first use: tabulon.init, general.init, font.init,\n"
    "                 saved configurations and your own Scripts/\n"
    "  data folder    PREFIX/share/tabulon/: Scripts/, Translations/, help/\n"
    "  Relative names of scripts, match files, frame scripts and language\n"
    "  files are looked up in the user folder first, then in the data folder.\n"
    "  Run from its build folder, tabulon keeps all of these beside the\n"
    "  executable instead. See also tabulon(1).\n";

}  // namespace

int batch_exit_status(const build_result& build) {
  if (build.pages_written() == 0) return 1;
  return build.failed_pages.empty() ? 0 : 2;
}

std::vector<std::wstring> batch_report_lines(const build_result& build, const std::wstring& root) {
  std::vector<std::wstring> lines;
  for (const status& failed : build.failed_pages) lines.push_back(failed.message());
  if (build.pages_written() > 0 || !build.failed_pages.empty()) return lines;
  std::wstring line = L"no page was written: ";
  if (!build.not_started.ok())
    line += build.not_started.message();
  else if (build.cancelled)
    line += L"the build was cancelled";
  else
    line += L"no matching files or folders were found in \"" + root + L"\"";
  lines.push_back(line);
  return lines;
}

int run_main(int argc, char** argv, window_runner window) {
  // The random sort order draws from the C library's generator.
  std::srand(static_cast<unsigned>(std::time(nullptr)));

  if (argc == 2) {
    const std::string_view arg = argv[1];
    if (arg == "--help") {
      std::fputs(kUsage, stdout);
      const app_folders folders = detect_app_folders();
      print_line(stdout, L"\nFolders of this copy:\n  user folder    " + folders.user +
                             L"\n  data folder    " + folders.data);
      return 0;
    }
    if (arg == "--version") {
      print_line(stdout, kProgramVersion);
      return 0;
    }
  }
  const std::wstring tail = command_tail_from_arguments(argc, argv);
  if (tail.empty()) {
    if (window == nullptr) {
      std::fputs(
          "tabulon: the window is not part of this build; run \"tabulon CONFIG.init\" to build "
          "unattended\n",
          stderr);
      return 1;
    }
    if (!display_available()) {
      std::fputs(kNoWindowLine, stderr);
      return 1;
    }
    application app;
    app.start_interactive();
    return window(app);
  }

  tune_allocator_for_builds();
  use_app_folders(detect_app_folders());
  application app;
  const batch_result result = app.run_batch(tail);
  if (!result.config.ok) {
    std::wstring line =
        L"tabulon: warning: cannot read configuration file \"" + result.config.path + L"\"";
    if (!result.config.reason.empty()) line += L": " + result.config.reason;
    print_line(stderr, line + L"; building with the default settings");
  }
  for (const std::wstring& line : batch_report_lines(result.build, result.root))
    print_line(stderr, L"tabulon: " + line);
  return batch_exit_status(result.build);
}

}  // namespace tabulon
