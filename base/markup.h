#pragma once
// CMarkup: a small read-only XML document, used to read language files.
//
// The whole document is kept as one wide string; one parsing pass builds an
// index of element positions beside it. A cursor moves through that index
// (find_child, enter, leave) and the text of the current element is cut out of
// the document on request. Attributes, text between child elements and writing
// are not supported.
//
// load_text returns false on any parse failure and leaves only the virtual
// root in the index, so every later find_child fails; the failure message is
// kept in `error` until the next failure. No input can make the parser crash
// or hang: nesting deeper than max_depth fails with a message.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tabulon {

// Position record of one element. All positions index `CMarkup::doc`; all
// links index `CMarkup::positions` (0 = none, or the virtual root).
struct ElemPos {
  int32_t start_left = 0;    // the "<" that opens the start tag
  int32_t start_right = 0;   // the ">" that closes the start tag
  int32_t end_left = 0;      // the "<" of the end tag; start_right - 1 for an empty element
  int32_t end_right = 0;     // the ">" of the end tag; start_right for an empty element
  int32_t parent_index = 0;  // 0 for the top element
  int32_t first_child = 0;
  int32_t next_sibling = 0;
};

class CMarkup {
 public:
  // Deepest element nesting the parser accepts; deeper documents fail with
  // a message instead of exhausting the call stack.
  static constexpr int max_depth = 512;

  CMarkup();
  virtual ~CMarkup() = default;

  // Replaces the document by `text` and parses it. True when a top element
  // was parsed. False for an empty text or one whose first tag is an end tag
  // (no new message), and for every parse failure (message in `error`).
  bool load_text(std::wstring_view text);

  // Searches the children of `parent`, from the first, for the first element
  // named `name`; on success it becomes current. False (current 0) otherwise.
  bool find_child(std::wstring_view name);
  // The current element becomes the parent; false without a current element.
  bool enter();
  // Back to the parent's level, the old parent current again; false at the top.
  bool leave();
  // Text of the current element: empty for an element with children or an
  // empty element; the inside of a leading CDATA section unchanged; otherwise
  // the content with the five predefined entities replaced.
  std::wstring text_of_current() const;

  std::wstring doc;
  std::wstring error;
  std::vector<ElemPos> positions;
  int32_t next_free = 1;

  int32_t parent = 0;
  int32_t current = 0;
  int32_t child = 0;
  int32_t node_type = 0;

 private:
  struct token {
    int32_t begin = 0;  // first character (after the quote for a quoted token)
    int32_t end = 0;    // one past the last character (before the closing quote)
    int32_t next = 0;   // where reading continues
    bool quoted = false;
    bool found = false;
  };

  void reset_index();
  void reset_cursor();
  token next_token(int32_t pos) const;
  bool token_is(const token& t, std::wstring_view text) const;
  int32_t skip_node(int32_t pos) const;
  int32_t parse_element(int32_t parent_index, int32_t& content_pos, int depth);
  int32_t fail(const std::wstring& message);
  bool name_matches(int32_t index, std::wstring_view name) const;
};

}  // namespace tabulon
