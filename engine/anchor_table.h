#pragma once
// The folder anchor table: a table of links to the folder subsections of a
// grouped listing (all links in one file, folders first, folder names shown).
//
// How page assembly uses it:
//   1. While it writes the file table, page assembly appends one
//      `recorded_folder` to a `std::vector<recorded_folder>` for every folder
//      subsection row, in the order the rows are written: the identifier it
//      wrote into the row's `<a id="...">`, the folder's relative path, and
//      the name, name key and folder path of the entry that opened the
//      subsection (the anchor match lists are looked up with them).
//   2. After the body of the page is complete (before "%%SUMMARY" and the
//      totals are put in place), it calls `insert_folder_anchors` with the
//      page text. That builds the table when the settings ask for one and
//      replaces every "INSERT_FOLDER_ANCHORS" by it, or by nothing.
//   3. When `insert_folder_anchors` returns false the build was cancelled
//      through the progress record: the page is abandoned (nothing written).
//
// The placeholders of /ANCHOR_TABLE_START and /ANCHOR_TABLE_END ("%%COLUMNS%"
// with its "-n" form and the page-level ones) are expanded by page assembly's
// own function, passed in as `expand_page_section` together with the table's
// column count; "%%DATE_MODIFIED%" is put in by the table first, since here
// it stands for `date_modified` as stored.

#include <functional>
#include <string>
#include <vector>

#include "base/build_settings.h"
#include "engine/build_progress.h"

namespace tabulon {

// One folder subsection of the page, as page assembly wrote it.
struct recorded_folder {
  std::wstring id;    // the anchor identifier exactly as written in the row ("ID_" for the top)
  std::wstring path;  // relative path, "/"-separated, no leading or trailing "/", plain text
                      // (not entity-escaped); for the top folder ("ID_") the root link text
  std::wstring entry_name;         // `name` of the entry that opened the subsection
  std::wstring entry_name_key;     // its `name_key` (upper-cased); the match lists use it
  std::wstring entry_folder_path;  // its `folder_path` ("/a/b/")
};

// Expands the page-level placeholders of a table start or end section, as page
// assembly does for every other page-level section (no file inclusion), with
// `columns` as the value of "%%COLUMNS%". May be empty (no expansion).
using page_section_expander =
    std::function<std::wstring(const std::wstring& text, int32_t columns)>;

struct anchor_table_request {
  const build_settings* settings = nullptr;  // read only
  const std::vector<recorded_folder>* folders = nullptr;
  build_progress* progress = nullptr;  // may be null
  std::wstring root_prefix;            // "../" repeats of the page, for entry placeholders
  std::wstring root_folder;  // the build's root folder for entry placeholders; empty: `path`
  page_section_expander expand_page_section;
};

// True when the settings ask for an anchor table and `recorded` folders were
// recorded: folder anchors, folders first, recursion and folder names on; one
// file per folder and the framed site off.
bool anchor_table_wanted(const build_settings& settings, size_t recorded);

struct anchor_table_result {
  std::wstring text;       // the table, or empty when none is built
  bool built = false;      // the condition held
  bool cancelled = false;  // the progress record was cancelled when the table was done
};

// Builds the table text (with progress notifications when a record is given).
// Never fails; with no table wanted the text is empty.
anchor_table_result build_anchor_table(const anchor_table_request& request);

// Builds the table and replaces every "INSERT_FOLDER_ANCHORS" of `page_text`
// by it (by nothing when no table is built). Returns false when the build was
// cancelled; the page must then be abandoned.
bool insert_folder_anchors(std::wstring& page_text, const anchor_table_request& request);

}  // namespace tabulon
