#include "ui/default_words.h"

namespace tabulon {

void restore_default_words(build_settings& s) {
  s.file_header_word = L"";
  s.folder_word = L"<b>Folders</b>";
  s.filename_word = L"<b>File</b>";
  s.size_word = L"<b>Size</b>";
  s.date_word = L"<b>Date</b>";
  s.parent_word = L"&lt;parent&gt;";
  s.anchor_word = L"<b>Anchors</b>";
  s.root_anchor_word = L"&lt;root&gt;";
  s.summary_folders_word = L"Folders: ";
  s.summary_files_word = L"Files: ";
  s.summary_size_word = L"Size of all files: ";
  s.folder_sort_word = L"";
  s.bytes_word = L"bytes";
  s.k_word = L"K&nbsp;";
  s.megabytes_word = L"MB&nbsp;";
  s.gigabytes_word = L"GB&nbsp;";
}

}  // namespace tabulon
