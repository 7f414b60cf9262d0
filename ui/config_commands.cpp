#include "ui/config_commands.h"

#include "ui/choosers.h"
#include "ui/window_commands.h"

namespace tabulon {
namespace {

void remember(config_dialog_paths& remembered, const std::wstring& path) {
  remembered.folder = folder_of(path);
  remembered.file_name = name_of(path);
}

// Both commands: asks for the file (to save it when `writing`), remembers it
// and hands it to `act`, which reads or writes it and gives the status. A
// file that cannot be read still counts as done, since the reader left the
// settings at their defaults; one that cannot be written changes nothing.
template <class Act>
config_command_outcome run_config_command(config_command_request& request, prompts& ui,
                                          bool writing, Act act) {
  config_command_outcome outcome;
  const std::wstring start = remembered_config_path(request.remembered);
  const std::wstring chosen = writing ? ui.choose_file_to_save(config_write_chooser(start))
                                      : ui.choose_file_to_open(config_read_chooser(start));
  if (chosen.empty()) return outcome;
  remember(request.remembered, chosen);
  outcome.status = act(chosen);
  if (!outcome.status.ok) {
    ui.message((writing ? L"Cannot write \"" : L"Cannot read \"") + outcome.status.path + L"\": " +
                   outcome.status.reason,
               L"Error");
    if (writing) return outcome;
  }
  if (writing) request.settings.current_config_path = outcome.status.path;
  outcome.done = true;
  outcome.path = request.settings.current_config_path;
  outcome.title = window_title(outcome.path);
  return outcome;
}

}  // namespace

std::wstring remembered_config_path(const config_dialog_paths& remembered) {
  return remembered.folder + remembered.file_name;
}

config_command_outcome read_config_command(config_command_request& request, prompts& ui) {
  return run_config_command(request, ui, false, [&](const std::wstring& file) {
    return read_configuration(request.settings, request.store, file, request.context);
  });
}

config_command_outcome write_config_command(config_command_request& request, prompts& ui) {
  return run_config_command(request, ui, true, [&](const std::wstring& file) {
    return write_configuration(request.settings, request.store, file, request.context,
                               request.extras);
  });
}

}  // namespace tabulon
