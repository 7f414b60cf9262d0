#pragma once
// A loaded script: one text per named section plus the seventeen ordered lists
// of match rules. Plain data; loading it is engine/script_loader.h.
//
// Sections are addressed by their header name ("/HEAD"); in code by the
// enumerators below, which follow the section order of the script format.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tabulon {

// One pattern-to-code rule of a match list. `pattern` holds one or more
// wildcard patterns separated by "|".
struct match_rule {
  std::wstring pattern;
  std::wstring code;
};

// X(enumerator, header name, storage kind)
#define TABULON_SCRIPT_SECTIONS(X)                                                  \
  X(anchors_word_tr, "/ANCHORS_WORD_TR", trimmed)                                   \
  X(folders_word_tr, "/FOLDERS_WORD_TR", trimmed)                                   \
  X(files_word_tr, "/FILES_WORD_TR", trimmed)                                       \
  X(anchors_folders_files_word_tr, "/ANCHORS_FOLDERS_FILES_WORD_TR", trimmed)       \
  X(anchor_tr, "/ANCHOR_TR", trimmed)                                               \
  X(sizedate_tr, "/SIZEDATE_TR", trimmed)                                           \
  X(folder_a, "/FOLDER_A", trimmed)                                                 \
  X(anchor_a, "/ANCHOR_A", trimmed)                                                 \
  X(date_before_text, "/DATE_BEFORE_TEXT", trimmed)                                 \
  X(date_after_text, "/DATE_AFTER_TEXT", trimmed)                                   \
  X(time_before_text, "/TIME_BEFORE_TEXT", trimmed)                                 \
  X(time_after_text, "/TIME_AFTER_TEXT", trimmed)                                   \
  X(td_filename_not_first_column, "/TD_FILENAME_NOT_FIRST_COLUMN", trimmed)         \
  X(before_anchor_not_first_column, "/BEFORE_ANCHOR_NOT_FIRST_COLUMN", trimmed)     \
  X(before_folder_not_first_column, "/BEFORE_FOLDER_NOT_FIRST_COLUMN", trimmed)     \
  X(before_filename_not_first_column, "/BEFORE_FILENAME_NOT_FIRST_COLUMN", trimmed) \
  X(colgroup_1, "/COLGROUP_1", lines)                                               \
  X(colgroup_2, "/COLGROUP_2", lines)                                               \
  X(folder_colgroup_1, "/FOLDER_COLGROUP_1", lines)                                 \
  X(folder_colgroup_2, "/FOLDER_COLGROUP_2", lines)                                 \
  X(anchor_colgroup_1, "/ANCHOR_COLGROUP_1", lines)                                 \
  X(anchor_colgroup_2, "/ANCHOR_COLGROUP_2", lines)                                 \
  X(colgroup_size_1, "/COLGROUP_SIZE_1", lines)                                     \
  X(colgroup_size_2, "/COLGROUP_SIZE_2", lines)                                     \
  X(colgroup_date_1, "/COLGROUP_DATE_1", lines)                                     \
  X(colgroup_date_2, "/COLGROUP_DATE_2", lines)                                     \
  X(colgroup_time_1, "/COLGROUP_TIME_1", lines)                                     \
  X(colgroup_time_2, "/COLGROUP_TIME_2", lines)                                     \
  X(file_table_start, "/FILE_TABLE_START", trimmed)                                 \
  X(file_table_end, "/FILE_TABLE_END", trimmed)                                     \
  X(folder_table_start, "/FOLDER_TABLE_START", trimmed)                             \
  X(folder_table_end, "/FOLDER_TABLE_END", trimmed)                                 \
  X(anchor_table_start, "/ANCHOR_TABLE_START", trimmed)                             \
  X(anchor_table_end, "/ANCHOR_TABLE_END", trimmed)                                 \
  X(content_type, "/CONTENT_TYPE", lines)                                           \
  X(head, "/HEAD", lines)                                                           \
  X(start, "/START", trimmed)                                                       \
  X(end, "/END", trimmed)                                                           \
  X(bodyheader, "/BODYHEADER", lines_no_lone_cr)                                    \
  X(tableheader, "/TABLEHEADER", trimmed_no_lone_cr)                                \
  X(folder_href_append, "/FOLDER_HREF_APPEND", trimmed_leading_space)               \
  X(file_href_append, "/FILE_HREF_APPEND", trimmed_leading_space)                   \
  X(folder_file_link, "/FOLDER_FILE_LINK", one_line)                                \
  X(folder_prefix, "/FOLDER_PREFIX", trimmed_no_lone_cr)                            \
  X(file_prefix, "/FILE_PREFIX", trimmed_no_lone_cr)                                \
  X(between_files_and_folders, "/BETWEEN_FILES_AND_FOLDERS", lines)                 \
  X(before_anchors, "/BEFORE_ANCHORS", lines)                                       \
  X(folder_table_header, "/FOLDER_TABLE_HEADER", trimmed)                           \
  X(anchor, "/ANCHOR", trimmed)                                                     \
  X(anchor_before, "/ANCHOR_BEFORE", trimmed)                                       \
  X(doctype, "/DOCTYPE", lines)                                                     \
  X(folder_td, "/FOLDER_TD", trimmed)                                               \
  X(folder_td2, "/FOLDER_TD2", trimmed)                                             \
  X(file_td, "/FILE_TD", trimmed)                                                   \
  X(file_td2, "/FILE_TD2", trimmed)                                                 \
  X(size_date_td, "/SIZE_DATE_TD", trimmed)                                         \
  X(size_date_td2, "/SIZE_DATE_TD2", trimmed)                                       \
  X(size_td, "/SIZE_TD", trimmed)                                                   \
  X(size_td2, "/SIZE_TD2", trimmed)                                                 \
  X(date_td, "/DATE_TD", trimmed)                                                   \
  X(date_td2, "/DATE_TD2", trimmed)                                                 \
  X(time_td, "/TIME_TD", trimmed)                                                   \
  X(time_td2, "/TIME_TD2", trimmed)                                                 \
  X(folder_header_td, "/FOLDER_HEADER_TD", trimmed)                                 \
  X(file_header_td, "/FILE_HEADER_TD", trimmed)                                     \
  X(before_summary, "/BEFORE_SUMMARY", lines)                                       \
  X(anchor_td, "/ANCHOR_TD", trimmed)                                               \
  X(anchor_table_td, "/ANCHOR_TABLE_TD", trimmed)                                   \
  X(anchor_table_td2, "/ANCHOR_TABLE_TD2", trimmed)                                 \
  X(anchor_table_header, "/ANCHOR_TABLE_HEADER", trimmed)                           \
  X(anchor_header_td, "/ANCHOR_HEADER_TD", trimmed)                                 \
  X(pre_href_file, "/PRE_HREF_FILE", trimmed)                                       \
  X(post_href_file, "/POST_HREF_FILE", trimmed)                                     \
  X(pre_fname_file, "/PRE_FNAME_FILE", trimmed)                                     \
  X(post_fname_file, "/POST_FNAME_FILE", trimmed)                                   \
  X(pre_fname_folder, "/PRE_FNAME_FOLDER", trimmed)                                 \
  X(post_fname_folder, "/POST_FNAME_FOLDER", trimmed)                               \
  X(pre_href_folder, "/PRE_HREF_FOLDER", trimmed)                                   \
  X(post_href_folder, "/POST_HREF_FOLDER", trimmed)                                 \
  X(file_table_row, "/FILE_TABLE_ROW", trimmed)                                     \
  X(file_table_row2, "/FILE_TABLE_ROW2", trimmed)                                   \
  X(folder_table_row, "/FOLDER_TABLE_ROW", trimmed)                                 \
  X(folder_table_row2, "/FOLDER_TABLE_ROW2", trimmed)                               \
  X(anchor_table_row, "/ANCHOR_TABLE_ROW", trimmed)                                 \
  X(anchor_table_row2, "/ANCHOR_TABLE_ROW2", trimmed)                               \
  X(summary_style, "/SUMMARY_STYLE", trimmed)                                       \
  X(file_header, "/FILE_HEADER", trimmed)                                           \
  X(folder_header, "/FOLDER_HEADER", trimmed)                                       \
  X(anchor_header, "/ANCHOR_HEADER", trimmed)                                       \
  X(header_style, "/HEADER_STYLE", trimmed)                                         \
  X(file_header_override, "/FILE_HEADER_OVERRIDE", trimmed)

#define TABULON_MATCH_SECTIONS(X)                                          \
  X(file_matches_td, "/FILE_MATCHES_TD")                                   \
  X(file_matches_a, "/FILE_MATCHES_A")                                     \
  X(file_matches_before_a, "/FILE_MATCHES_BEFORE_A")                       \
  X(file_matches_inside_a, "/FILE_MATCHES_INSIDE_A")                       \
  X(file_matches_inside_a_suppressed, "/FILE_MATCHES_INSIDE_A_SUPPRESSED") \
  X(folder_matches_td, "/FOLDER_MATCHES_TD")                               \
  X(folder_matches_a, "/FOLDER_MATCHES_A")                                 \
  X(folder_matches_before_a, "/FOLDER_MATCHES_BEFORE_A")                   \
  X(folder_matches_inside_a, "/FOLDER_MATCHES_INSIDE_A")                   \
  X(anchor_matches_td, "/ANCHOR_MATCHES_TD")                               \
  X(anchor_matches_a, "/ANCHOR_MATCHES_A")                                 \
  X(anchor_matches_before_a, "/ANCHOR_MATCHES_BEFORE_A")                   \
  X(anchor_matches_inside_a, "/ANCHOR_MATCHES_INSIDE_A")                   \
  X(anchor_matches_after_a, "/ANCHOR_MATCHES_AFTER_A")                     \
  X(anchor_row_matches_td, "/ANCHOR_ROW_MATCHES_TD")                       \
  X(anchor_row_matches_before_text, "/ANCHOR_ROW_MATCHES_BEFORE_TEXT")     \
  X(anchor_row_matches_after_text, "/ANCHOR_ROW_MATCHES_AFTER_TEXT")

enum class sec : int {
#define TABULON_SECTION_ENUM(id, name, kind) id,
  TABULON_SCRIPT_SECTIONS(TABULON_SECTION_ENUM)
#undef TABULON_SECTION_ENUM
      count
};

enum class match_list : int {
#define TABULON_MATCH_ENUM(id, name) id,
  TABULON_MATCH_SECTIONS(TABULON_MATCH_ENUM)
#undef TABULON_MATCH_ENUM
      count
};

// How the loader stores the lines of a section.
enum class section_storage {
  lines,                  // every line, with "\n"
  lines_no_lone_cr,       // as lines, but a line that was a lone "\r" is dropped
  trimmed,                // as lines, then one trailing "\n" and one "\r" removed
  trimmed_no_lone_cr,     // both of the above
  trimmed_leading_space,  // trimmed, no lone "\r", then one leading space ensured
  one_line,               // lines joined with nothing between them
};

constexpr int section_count = static_cast<int>(sec::count);
constexpr int match_list_count = static_cast<int>(match_list::count);

struct script_template {
  std::array<std::wstring, section_count> sections;
  std::array<std::vector<match_rule>, match_list_count> matches;
  // Folder of the loaded script file, ending in the separator; empty when no
  // script is loaded. Files named by inclusion markers are also looked up here.
  std::wstring folder;

  const std::wstring& operator[](sec s) const { return sections[static_cast<int>(s)]; }
  std::wstring& operator[](sec s) { return sections[static_cast<int>(s)]; }
  const std::vector<match_rule>& operator[](match_list m) const {
    return matches[static_cast<int>(m)];
  }
  std::vector<match_rule>& operator[](match_list m) { return matches[static_cast<int>(m)]; }
};

// Header name of a section ("/HEAD") and its storage kind.
std::wstring_view section_name(sec s);
section_storage section_storage_of(sec s);
std::wstring_view match_section_name(match_list m);

}  // namespace tabulon
