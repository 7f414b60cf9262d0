#pragma once
// F8 and F9, "Read configuration file" and "Write configuration file": ask
// for a file through `prompts`, read it into the settings or write the
// settings to it, and remember the folder and name for the next time.

#include <string>

#include "app/application.h"
#include "app/config_file.h"
#include "ui/prompts.h"

namespace tabulon {

struct config_command_request {
  build_settings& settings;
  ini_store& store;  // the main configuration store
  config_dialog_paths& remembered;
  config_context context;
  config_write_extras extras;  // F9: the font and the window placement
};

struct config_command_outcome {
  bool done = false;   // a file was read or written; the pages must show the settings
  std::wstring path;   // the file chosen
  std::wstring title;  // the window title that names it
  config_status status;
};

// F8. Cancelling changes nothing. A file that cannot be read leaves the
// settings at their defaults (as the reader does) and is reported.
config_command_outcome read_config_command(config_command_request& request, prompts& ui);
// F9. The settings must already hold the pages' values.
config_command_outcome write_config_command(config_command_request& request, prompts& ui);

// Where the dialogs of F8 and F9 start: the remembered folder and name.
std::wstring remembered_config_path(const config_dialog_paths& remembered);

}  // namespace tabulon
