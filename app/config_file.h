#pragma once
// Reading and writing the settings record as configuration files: the main
// file (normally "tabulon.init", section "TABULON"), the program preferences
// "general.init" and the interface font "font.init", the last two in the
// program folder.
//
// The main file is read into, and written from, a store that the caller keeps
// (the application object holds one for the whole run), so keys this program
// does not know survive a load and a save.
//
// Neither the reader nor the writer prints anything. A file that cannot be
// read or written is reported through config_status; the reader then goes on
// with the defaults (every missing key takes its default), as a missing file
// is no error for the build.

#include <optional>
#include <string>

#include "base/build_settings.h"
#include "app/font_placement.h"
#include "app/ini_store.h"

namespace tabulon {

inline constexpr const wchar_t* kConfigSection = L"TABULON";

// Where relative names are completed and what "." stands for.
struct config_context {
  std::wstring program_folder;     // ends with the folder separator
  std::wstring current_directory;  // replaces a root folder of "."
};

struct config_status {
  bool ok = true;
  std::wstring path;    // the file that was read or written
  std::wstring reason;  // why it failed, when !ok
};

// Reads the main configuration `file` (relative names are taken in the program
// folder) into `store` and `settings`, then the preferences of "general.init"
// (or "general.ini"). Sets current_config_path and clears unattended. Every key
// that was missing holds its default in `store` afterwards. `ok` is false when
// the main file could not be read; the settings then hold the defaults.
config_status read_configuration(build_settings& settings, ini_store& store,
                                 const std::wstring& file, const config_context& context);

// The file a configuration name given on the command line stands for. A
// relative name is completed as read_configuration does (in the program
// folder, for an installed program the user folder and then the data folder);
// only when no file is there and `name` exists in the current directory, that
// one is taken, as a user types "tabulon site.init" where the file is.
std::wstring command_line_config_path(const std::wstring& name, const config_context& context);

// What the window adds when it writes a configuration; empty without a window.
struct config_write_extras {
  std::optional<font_record> interface_font;  // saved to "font.init"
  int pixels_per_inch = 96;
  std::optional<window_placement_record> placement;  // saved to "general.init"
};

// Writes `settings` into `store` and saves it to `file` (relative names are
// taken in the program folder); writes the preferences to "general.init" and,
// when given, the font to "font.init". `ok` reports the main file.
config_status write_configuration(const build_settings& settings, ini_store& store,
                                  const std::wstring& file, const config_context& context,
                                  const config_write_extras& extras = {});

// The interface font from "font.init" (or "font.ini"): Arial at 10 points when
// none is stored or it does not decode.
struct interface_fonts {
  font_record text;
  font_record heading;  // bold, about 1.55 times as high
  bool stored = false;  // the font came from the file
};
interface_fonts read_interface_font(const config_context& context, int pixels_per_inch);

// The main window's placement stored in "general.init" (or "general.ini");
// empty when none is stored, it does not decode, or it lies off the screen.
std::optional<window_placement_record> read_window_placement(const config_context& context,
                                                             int screen_width, int screen_height);

// Keywords of the enumeration keys, and their codes when read.
std::wstring charset_keyword(int32_t code);
std::wstring doctype_keyword(int32_t code);
std::wstring title_keyword(int32_t code);
int32_t charset_from_keyword(const std::wstring& text);
int32_t doctype_from_keyword(const std::wstring& text);
int32_t title_from_keyword(const std::wstring& text);  // ignores case

}  // namespace tabulon
