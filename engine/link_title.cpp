#include "engine/link_title.h"

#include "base/text_file.h"
#include "base/wide_string.h"
#include "engine/text_convert.h"
#include "platform/native_path.h"

namespace tabulon {

namespace {

constexpr std::wstring_view kOpenTag = L"<TITLE>";
constexpr std::wstring_view kCloseTag = L"</TITLE>";

bool names_html_file(std::wstring_view name) {
  const std::wstring upper = upper_ascii(name);
  for (const std::wstring_view ext : {L".HTML", L".SHTML", L".HTM", L".XHTML"}) {
    if (upper.find(ext) != std::wstring::npos) return true;
  }
  return false;
}

// Follows one tag through a stream of characters, letters compared in upper
// case. Neither tag repeats its first character ("<"), so on a mismatch the
// match can only restart at the current character.
struct tag_matcher {
  std::wstring_view tag;
  size_t matched = 0;

  bool feed(wchar_t c) {
    c = upper_ascii(c);
    if (c == tag[matched]) {
      if (++matched == tag.size()) return true;
    } else {
      matched = (c == tag[0]) ? 1 : 0;
    }
    return false;
  }
};

enum class title_search { no_text, no_title, unclosed, found };

// Reads the file character by character, so that a file of any size, even
// one long line, is never held in memory: only the title text is kept. The
// reader drops every carriage return, which matters only for a title holding
// a carriage return that is not part of a line end.
title_search scan_title(const std::wstring& path, std::wstring& title) {
  text_file file;
  if (file.open(path, text_read, text_detect) != text_ok) return title_search::no_text;
  tag_matcher open{kOpenTag};
  tag_matcher close{kCloseTag};
  size_t characters = 0;
  bool only_line_feed = true;
  int c = file.read_char();
  // The whole-file text joins lines with "\n" and has none after the last line,
  // so a file of one line end alone counts as empty.
  for (; c >= 0; c = file.read_char()) {
    ++characters;
    only_line_feed = only_line_feed && c == L'\n';
    if (open.feed(static_cast<wchar_t>(c))) break;
  }
  if (c < 0) {
    const bool empty = characters == 0 || (characters == 1 && only_line_feed);
    return empty ? title_search::no_text : title_search::no_title;
  }
  // Every character after "<TITLE>" is counted; the buffer keeps the first
  // ones, enough for the longest title kept plus a closing tag.
  size_t title_characters = 0;
  for (c = file.read_char(); c >= 0; c = file.read_char()) {
    ++title_characters;
    if (title.size() < kMaxLinkTitleChars + kCloseTag.size()) {
      title.push_back(static_cast<wchar_t>(c));
    }
    if (close.feed(static_cast<wchar_t>(c))) {
      const size_t length = title_characters - kCloseTag.size();
      title.resize(std::min(length, kMaxLinkTitleChars));
      return title_search::found;
    }
  }
  title.clear();
  return title_search::unclosed;
}

}  // namespace

std::wstring read_link_title(const build_settings& settings, std::wstring_view folder,
                             std::wstring_view name) {
  if (!names_html_file(name)) return std::wstring(name);
  // A page folder is never empty; an empty one still reads as the root.
  const std::wstring path =
      join_path(folder.empty() ? std::wstring_view(&kPathSeparator, 1) : folder, name);

  std::wstring title;
  const title_search found = scan_title(path, title);
  if (found == title_search::no_title) return std::wstring(name);
  if (title.empty()) title = name;
  if (settings.convert_typographic) title = typographic_entities(title);
  return title;
}

}  // namespace tabulon
