#include "ui/config_commands.h"

#include "ui/choosers.h"
#include "ui/window_commands.h"

namespace tabulon {
namespace {

void remember(config_dialog_paths& remembered, const std::wstring& path) {
  remembered.folder = folder_of(path);
  remembered.file_name = name_of(path);
}

}  // namespace

std::wstring remembered_config_path(const config_dialog_paths& remembered) {
  return remembered.folder + remembered.file_name;
}

config_command_outcome read_config_command(config_command_request& request, prompts& ui) {
  config_command_outcome outcome;
  const std::wstring chosen =
      ui.choose_file_to_open(config_read_chooser(remembered_config_path(request.remembered)));
  if (chosen.empty()) return outcome;
  remember(request.remembered, chosen);
  outcome.status = read_configuration(request.settings, request.store, chosen, request.context);
  if (!outcome.status.ok)
    ui.message(L"Cannot read \"" + outcome.status.path + L"\": " + outcome.status.reason, L"Error");
  outcome.done = true;
  outcome.path = request.settings.current_config_path;
  outcome.title = window_title(outcome.path);
  return outcome;
}

config_command_outcome write_config_command(config_command_request& request, prompts& ui) {
  config_command_outcome outcome;
  const std::wstring chosen =
      ui.choose_file_to_save(config_write_chooser(remembered_config_path(request.remembered)));
  if (chosen.empty()) return outcome;
  remember(request.remembered, chosen);
  outcome.status =
      write_configuration(request.settings, request.store, chosen, request.context, request.extras);
  if (!outcome.status.ok) {
    ui.message(L"Cannot write \"" + outcome.status.path + L"\": " + outcome.status.reason,
               L"Error");
    return outcome;
  }
  request.settings.current_config_path = outcome.status.path;
  outcome.done = true;
  outcome.path = outcome.status.path;
  outcome.title = window_title(outcome.path);
  return outcome;
}

}  // namespace tabulon
