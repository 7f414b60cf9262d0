#pragma once
// Where the program finds its own files and where it keeps the user's.
//
// A program run from its build tree keeps everything beside the executable:
// the program folder is read and written. An installed program (its folder
// has "../share/tabulon/" beside it) splits that folder in two: the data
// folder PREFIX/share/tabulon/ holds the read-only Scripts/, Translations/
// and help/; the user folder ($XDG_CONFIG_HOME/tabulon/, by default
// ~/.config/tabulon/) holds the settings files, saved configurations and the
// user's own scripts, and is made when something is first written there.
//
// Only this piece tells the layouts apart. The rest of the program passes the
// user folder wherever it used to pass the program folder; the path rules
// (resolve_in_program_folder) consult the active folders to read a relative
// name from the user folder first and then from the data folder.

#include <string>
#include <string_view>

#include "platform/path_rules.h"

namespace tabulon {

struct app_folders {
  std::wstring program;  // the executable's folder
  std::wstring user;     // read first, everything is written here
  std::wstring data;     // read when the user folder lacks a name
  // Every folder ends in the separator. In a build tree all three are equal.

  bool installed() const { return user != data; }
};

// A build tree whose program folder is `program` (ending in the separator).
app_folders build_tree_folders(std::wstring program);

// An installed program: each folder is completed with a trailing separator.
app_folders installed_folders(std::wstring program, std::wstring data, std::wstring user);

// The folders of the running program. Installed when the program folder's
// parent holds "share/tabulon/"; the user folder then comes from
// XDG_CONFIG_HOME (when absolute), else HOME + "/.config" (on Windows from
// APPDATA), with "tabulon" appended.
app_folders detect_app_folders();

// The layout decision for a given program folder and configuration home (the
// folder the user folder goes in), without looking at the environment.
app_folders app_folders_for(std::wstring program, std::wstring config_home,
                            path_style style = native_path_style());

// A relative `name` for reading: in the user folder when it exists there, else
// in the data folder when it exists there, else in the user folder (so a
// message names the place a user would put it). Absolute names unchanged; "\"
// is read as "/" on POSIX.
std::wstring path_for_reading(const app_folders& folders, std::wstring_view name,
                              path_style style = native_path_style());

// A relative `name` for writing: always in the user folder, which is made
// (with its parents) first when it is missing. Absolute names unchanged.
std::wstring path_for_writing(const app_folders& folders, std::wstring_view name,
                              path_style style = native_path_style());

// The folders the path rules consult: detect_app_folders() until
// use_app_folders replaces them. Call use_app_folders only at start-up, before
// any other thread runs; tests use scoped_app_folders.
void use_app_folders(app_folders folders);
const app_folders& active_app_folders();

// Tests: makes `folders` active for the object's lifetime.
class scoped_app_folders {
 public:
  explicit scoped_app_folders(app_folders folders);
  ~scoped_app_folders();
  scoped_app_folders(const scoped_app_folders&) = delete;
  scoped_app_folders& operator=(const scoped_app_folders&) = delete;

 private:
  app_folders saved_;
};

// Platform pieces, one per system.
bool path_exists(std::wstring_view path);     // a file or a folder
bool make_folders(std::wstring_view folder);  // with parents; true when it exists after
std::wstring user_config_home();              // without trailing separator; may be empty

}  // namespace tabulon
