#pragma once
// Deleting what a build wrote, and the report shown afterwards.
//
// The results dialog's "Delete generated file(s)" removes every page of the
// build's written-files list, and nothing else: files written over by hand
// since, or already removed, count as failed deletions rather than stopping
// the run.

#include <string>
#include <vector>

#include "ui/interface_text.h"

namespace tabulon {

struct deletion_outcome {
  int deleted = 0;  // files removed
  int failed = 0;   // files that were gone already or could not be removed
};

// Deletes each file of `files` (full paths). A path that names a folder is
// left alone and counts as failed.
deletion_outcome delete_written_files(const std::vector<std::wstring>& files);

// The report's caption: "Deletion results...".
std::wstring deletion_report_caption(const interface_text_table& texts);

// The report's text: " \r\n", "Files deleted: " and the count, "\r\n"; when
// some deletions failed, "\n", "Failed deletions: ", their count and six
// blanks.
std::wstring deletion_report_text(const deletion_outcome& outcome,
                                  const interface_text_table& texts);

}  // namespace tabulon
