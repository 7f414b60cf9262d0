#pragma once
// build_result: what one build did, as one record for whoever started it
// (batch mode prints it and picks the exit status; the window shows it).
//
// A build goes on past a page that cannot be written, so a result can hold
// written pages and failed ones side by side. The engine only records; it
// never prints.

#include <cstddef>
#include <string>
#include <vector>

#include "base/status.h"

namespace tabulon {

struct build_result {
  std::vector<std::wstring> written_files;  // full path of every page written, in writing order
  std::vector<status> failed_pages;         // every page file that could not be written, and why
  bool cancelled = false;                   // stopped through the progress record
  // Why the build wrote nothing without trying a single page (no root
  // folder, a root that cannot be opened or is skipped, a missing frameset
  // script); ok otherwise.
  status not_started;

  size_t pages_written() const { return written_files.size(); }
};

}  // namespace tabulon
