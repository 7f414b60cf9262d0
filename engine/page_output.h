#pragma once
// page_output: the finished parts of a page, held as the bytes of the page's
// encoding rather than as wide text (a wide character costs four bytes on
// Linux; a million-row page stays a quarter of the size this way).
//
// Text is converted by the text writers of base/text_file_writer.h (ANSI as
// Windows-1252, UTF-8 without byte order mark, UTF-16LE with one), and every
// "\n" becomes "\r\n". The final replacements of a page ("%%SUMMARY", the
// totals, the anchor table marker) are applied to the bytes, and the bytes go
// to disk chunk by chunk. The bytes are kept in chunks (one per append), so
// the page never needs one contiguous block nor a second copy of itself.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "platform/dir_enum.h"

namespace tabulon {

class page_output {
 public:
  // `charset`: charset_ansi, charset_utf8 or charset_utf16le (any other value
  // writes UTF-8). UTF-16LE starts with its byte order mark.
  explicit page_output(int32_t charset);

  // Appends `text`, converted, with "\r\n" line ends.
  void append(std::wstring_view text);
  // `text` converted as append() would, without the byte order mark.
  std::string encode(std::wstring_view text) const;

  // Replaces every occurrence of `marker` by `replacement` (both wide text,
  // converted here); in UTF-16 only at character boundaries. A marker is
  // found within one appended piece of text, never across two. Returns the count.
  size_t replace_all(std::wstring_view marker, std::wstring_view replacement);
  bool contains(std::wstring_view marker) const;

  // Makes the file `path` hold the bytes, by platform/file_replace.h: an
  // equal file is left untouched, a different one replaced whole. An error
  // status names the path and the system's reason; the old file stays as it was.
  // `folder`: the open folder that holds `path`, when the caller has it.
  status write_to(const std::wstring& path, const open_folder* folder = nullptr) const;

  // All bytes in one string (for tests; the page itself is written chunk by chunk).
  std::string bytes() const;
  size_t size() const;
  void clear();

 private:
  size_t find(const std::string& chunk, std::string_view needle, size_t from) const;

  int32_t charset_;
  size_t unit_ = 1;  // bytes per code unit at which a match may start
  std::vector<std::string> chunks_;
  // Per chunk: it may hold "%%" or "INSERT_", the start of every marker the
  // page's final replacements look for; chunks without either are skipped.
  std::vector<bool> may_hold_marker_;
};

// Makes `path` hold `chunks`, one after another, as write_to does: the one
// place where page files reach the disk. Errors as write_to.
status write_page_file(const std::wstring& path, std::span<const std::string> chunks,
                       const open_folder* folder = nullptr);

}  // namespace tabulon
