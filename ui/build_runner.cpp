#include "ui/build_runner.h"

#include <filesystem>
#include <system_error>

#include "app/application.h"
#include "app/run_configured_build.h"
#include "base/wide_string.h"
#include "engine/html_generator.h"
#include "platform/current_dir.h"
#include "platform/path_rules.h"
#include "ui/launch.h"

namespace tabulon {

namespace {

// Puts the current directory back on every way out.
class current_directory_keeper {
 public:
  current_directory_keeper() : kept_(current_directory()) {}
  ~current_directory_keeper() {
    if (!kept_.empty()) set_current_directory(kept_);
  }
  current_directory_keeper(const current_directory_keeper&) = delete;
  current_directory_keeper& operator=(const current_directory_keeper&) = delete;

 private:
  std::wstring kept_;
};

// Puts the three view settings back on every way out.
class view_settings_keeper {
 public:
  explicit view_settings_keeper(build_settings& settings)
      : settings_(settings), kept_(keep_view_settings(settings)) {}
  ~view_settings_keeper() { restore_view_settings(settings_, kept_); }
  view_settings_keeper(const view_settings_keeper&) = delete;
  view_settings_keeper& operator=(const view_settings_keeper&) = delete;

 private:
  build_settings& settings_;
  kept_view_settings kept_;
};

bool frameset_script_exists(const build_settings& s) {
  std::error_code error;
  return std::filesystem::is_regular_file(
      to_native(resolve_in_program_folder(s.frameset_file, s.program_folder)), error);
}

}  // namespace

bool root_folder_usable(const std::wstring& folder_text) {
  if (folder_text.empty()) return false;
  current_directory_keeper keeper;
  return set_current_directory(folder_text);
}

kept_view_settings keep_view_settings(const build_settings& settings) {
  return {settings.sort_folders_first, settings.show_folder_names, settings.folder_anchors};
}

void restore_view_settings(build_settings& settings, const kept_view_settings& kept) {
  settings.sort_folders_first = kept.sort_folders_first;
  settings.show_folder_names = kept.show_folder_names;
  settings.folder_anchors = kept.folder_anchors;
}

build_mode build_mode_of(const build_settings& s) {
  if (!s.recursive_build) return build_mode::single_folder;
  if (s.build_framed_site) return build_mode::framed_site;
  return s.recursive_build_single_file ? build_mode::one_per_folder : build_mode::all_in_one;
}

after_build after_build_of(const build_result& result) {
  if (result.cancelled) return after_build::nothing;
  return result.pages_written() == 0 ? after_build::no_file_message : after_build::results_dialog;
}

std::wstring result_path_of(const build_settings& s, build_mode mode,
                            const std::wstring& last_written) {
  if (mode == build_mode::one_per_folder)
    return output_file_path(s.path, s.output_filename, s.program_folder);
  return last_written;
}

runner_message folder_message() {
  return {std::wstring(fixed_text::folder_not_accessible),
          std::wstring(fixed_text::build_aborted_caption)};
}

runner_message frameset_message(const interface_text_table& texts) {
  return {texts.text(ui_text::bad_frameset_file_data),
          std::wstring(fixed_text::frameset_abort_caption)};
}

runner_message no_file_message(const interface_text_table& texts) {
  return {L"   " + texts.text(ui_text::no_files_built_caption) + L"   ",
          texts.text(ui_text::no_files_built_title)};
}

runner_report run_interactive_build(build_settings& settings, const std::wstring& folder_text,
                                    const interface_text_table& texts, build_runner_host& host) {
  runner_report report;
  current_directory_keeper directory;

  if (!root_folder_usable(folder_text)) {
    const runner_message m = folder_message();
    host.show_message(m.text, m.caption);
    report.outcome = runner_outcome::folder_not_accessible;
    return report;
  }
  if (!host.copy_pages_into_settings()) {
    report.outcome = runner_outcome::pages_not_copied;
    return report;
  }

  view_settings_keeper view(settings);
  const build_mode mode = build_mode_of(settings);
  if (mode == build_mode::all_in_one && !settings.sort_folders_first) settings.folder_anchors = 0;

  if (mode == build_mode::framed_site && !frameset_script_exists(settings)) {
    const runner_message m = frameset_message(texts);
    host.show_message(m.text, m.caption);
    report.outcome = runner_outcome::frameset_missing;
    return report;
  }

  html_generator generator(settings);
  progress_relay relay;
  const std::wstring kept_output = settings.output_filename;
  if (mode == build_mode::framed_site) {
    settings.custom_html_filename =
        complete_script_name(settings.custom_html_filename, settings.program_folder);
  } else if (mode == build_mode::one_per_folder) {
    settings.framed_site_marker = 0;
  }

  host.run_with_progress([&] { report.result = run_configured_build(generator, &relay.record()); },
                         relay);
  // Cancel pressed after the last check still counts: the person asked for
  // no result.
  if (relay.cancel_requested()) report.result.cancelled = true;

  if (mode == build_mode::framed_site) {
    settings.recursive_build_single_file = 0;
    settings.build_framed_site = 1;
    settings.recursive_build = 1;
    // The framed build leaves the right frame's name here; the frameset page
    // of the next build must not be written under it.
    settings.output_filename = kept_output;
  }

  switch (after_build_of(report.result)) {
    case after_build::nothing:
      report.outcome = runner_outcome::cancelled;
      return report;
    case after_build::no_file_message: {
      set_current_directory(settings.program_folder);
      const runner_message m = no_file_message(texts);
      host.show_message(m.text, m.caption);
      report.outcome = runner_outcome::nothing_written;
      return report;
    }
    case after_build::results_dialog:
      break;
  }

  set_current_directory(settings.program_folder);
  const std::wstring last =
      !generator.last_output_path.empty()
          ? generator.last_output_path
          : (report.result.written_files.empty() ? std::wstring()
                                                 : report.result.written_files.back());
  report.result_path = result_path_of(settings, mode, last);
  report.outcome = runner_outcome::results_shown;
  if (host.show_results(report.result_path, report.result.pages_written(),
                        mode == build_mode::one_per_folder)) {
    report.deletion = delete_written_files(report.result.written_files);
    host.show_message(deletion_report_text(report.deletion, texts), deletion_report_caption(texts));
    report.outcome = runner_outcome::files_deleted;
  }
  return report;
}

}  // namespace tabulon
