#include "engine/anchor_table.h"

#include "base/wide_string.h"

namespace tabulon {

bool anchor_table_wanted(const build_settings& s, size_t recorded) {
  return s.folder_anchors && s.sort_folders_first && s.recursive_build && s.show_folder_names &&
         !s.recursive_build_single_file && !s.build_framed_site && recorded > 0;
}

anchor_table_result build_anchor_table(const anchor_table_request& request) {
  anchor_table_result result;
  (void)request;
  return result;
}

bool insert_folder_anchors(std::wstring& page_text, const anchor_table_request& request) {
  anchor_table_result table = build_anchor_table(request);
  replace_all(page_text, L"INSERT_FOLDER_ANCHORS", table.text);
  return !table.cancelled;
}

}  // namespace tabulon
