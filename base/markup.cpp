#include "base/markup.h"

#include <limits>

namespace tabulon {
namespace {

// Blanks are " \t\n\r"; a token ends at a blank or at one of "<>=\/?!".
bool is_blank(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r';
}
bool is_delimiter(wchar_t c) {
  switch (c) {
    case L' ':
    case L'\t':
    case L'\n':
    case L'\r':
    case L'<':
    case L'>':
    case L'=':
    case L'\\':
    case L'/':
    case L'?':
    case L'!':
      return true;
    default:
      return false;
  }
}

// Adds one decoded predefined entity at `pos` to `out`; returns its length,
// or 0 when no predefined entity starts there.
size_t decode_entity(std::wstring_view text, size_t pos, std::wstring& out) {
  static constexpr struct {
    std::wstring_view name;
    wchar_t value;
  } entities[] = {
      {L"&lt;", L'<'}, {L"&amp;", L'&'}, {L"&gt;", L'>'}, {L"&apos;", L'\''}, {L"&quot;", L'"'}};
  for (const auto& e : entities) {
    if (text.substr(pos, e.name.size()) == e.name) {
      out += e.value;
      return e.name.size();
    }
  }
  return 0;
}

}  // namespace

CMarkup::CMarkup() {
  reset_index();
  reset_cursor();
}

void CMarkup::reset_index() {
  positions.assign(1, ElemPos{});
  next_free = 1;
}

void CMarkup::reset_cursor() {
  parent = 0;
  current = 0;
  child = 0;
  node_type = 0;
}

CMarkup::token CMarkup::next_token(int32_t pos) const {
  token t;
  const auto size = static_cast<int32_t>(doc.size());
  while (pos < size && is_blank(doc[pos])) ++pos;
  if (pos >= size) {
    t.begin = t.end = t.next = size;
    return t;
  }
  t.found = true;
  const wchar_t first = doc[pos];
  if (first == L'"' || first == L'\'') {
    t.quoted = true;
    t.begin = pos + 1;
    const size_t close = doc.find(first, t.begin);
    if (close == std::wstring::npos) {
      t.end = t.next = size;
    } else {
      t.end = static_cast<int32_t>(close);
      t.next = t.end + 1;
    }
    return t;
  }
  t.begin = pos;
  if (is_delimiter(first)) {
    t.end = t.next = pos + 1;
    return t;
  }
  int32_t end = pos + 1;
  while (end < size && !is_delimiter(doc[end])) ++end;
  t.end = t.next = end;
  return t;
}

bool CMarkup::token_is(const token& t, std::wstring_view text) const {
  return t.found && !t.quoted && std::wstring_view(doc).substr(t.begin, t.end - t.begin) == text;
}

// Returns the position just after the comment, processing instruction, CDATA
// section or declaration whose "<" is at `lt`, or -1 when it does not end.
int32_t CMarkup::skip_node(int32_t lt) const {
  const token mark = next_token(lt + 1);
  const size_t after = static_cast<size_t>(mark.begin) + 1;
  auto past = [&](std::wstring_view terminator) -> int32_t {
    const size_t found = doc.find(terminator, after);
    if (found == std::wstring::npos) return -1;
    return static_cast<int32_t>(found + terminator.size());
  };
  if (doc[mark.begin] == L'?') return past(L"?>");
  if (after < doc.size() && doc[after] == L'[') return past(L"]]>");
  if (after < doc.size() && doc[after] == L'-') return past(L"-->");
  // A declaration such as <!DOCTYPE x [ <!ENTITY ...> ]>: the ">" that ends
  // it is the first one outside brackets and quotes.
  int depth = 0;
  int32_t pos = static_cast<int32_t>(after);
  for (;;) {
    const token t = next_token(pos);
    if (!t.found) return -1;
    pos = t.next;
    if (t.quoted) continue;
    if (token_is(t, L"[")) {
      ++depth;
    } else if (token_is(t, L"]")) {
      if (depth > 0) --depth;
    } else if (token_is(t, L">") && depth == 0) {
      return t.next;
    }
  }
}

int32_t CMarkup::fail(const std::wstring& message) {
  error = message;
  return -1;
}

// Parses one element from the parent's content position. Returns the new
// element's index, 0 when the next tag is an end tag or no tag follows, and
// -1 on a parse failure (message in `error`).
int32_t CMarkup::parse_element(int32_t parent_index, int32_t& content_pos, int depth) {
  if (next_free >= static_cast<int32_t>(positions.size())) {
    positions.resize(positions.size() + positions.size() / 2 + 1);
  }
  const int32_t self = next_free++;
  positions[self] = ElemPos{};
  positions[self].parent_index = parent_index;

  int32_t lt = 0;
  token name;
  for (;;) {
    const size_t found = doc.find(L'<', content_pos);
    if (found == std::wstring::npos) {
      // No further tag: the caller decides whether that is an error (a missing
      // end tag) or just the end of its children.
      error = L"Element tag not found";
      next_free = self;
      return 0;
    }
    lt = static_cast<int32_t>(found);
    content_pos = lt;
    name = next_token(lt + 1);
    if (!name.found) {
      next_free = self;
      return fail(L"Abrupt end within tag");
    }
    if (name.quoted) {
      next_free = self;
      return fail(L"Tag starts with quote");
    }
    if (token_is(name, L"!") || token_is(name, L"?")) {
      const int32_t after = skip_node(lt);
      if (after < 0) {
        next_free = self;
        return fail(L"Invalid node");
      }
      content_pos = after;
      continue;
    }
    if (token_is(name, L"/")) {
      next_free = self;
      return 0;
    }
    break;
  }
  if (depth > max_depth) {
    next_free = self;
    return fail(L"Elements are nested too deeply");
  }

  const std::wstring_view tag = std::wstring_view(doc).substr(name.begin, name.end - name.begin);
  const size_t right = doc.find(L'>', name.end);
  if (right == std::wstring::npos) {
    next_free = self;
    return fail(L"End of tag not found");
  }
  ElemPos& pos = positions[self];
  pos.start_left = lt;
  pos.start_right = static_cast<int32_t>(right);
  if (doc[right - 1] == L'/') {
    pos.end_left = pos.start_right - 1;
    pos.end_right = pos.start_right;
    return self;
  }

  int32_t own_pos = pos.start_right + 1;
  int32_t last_child = 0;
  for (;;) {
    const int32_t c = parse_element(self, own_pos, depth + 1);
    if (c < 0) {
      next_free = self;
      return -1;
    }
    if (c == 0) break;
    // positions may have grown: index afresh instead of keeping a reference.
    if (last_child == 0) {
      positions[self].first_child = c;
    } else {
      positions[last_child].next_sibling = c;
    }
    last_child = c;
    own_pos = positions[c].end_right + 1;
  }

  const size_t end_lt = doc.find(L'<', own_pos);
  if (end_lt == std::wstring::npos) {
    next_free = self;
    return fail(L"End tag of " + std::wstring(tag) + L" element not found");
  }
  const token slash = next_token(static_cast<int32_t>(end_lt) + 1);
  const token end_name = slash.found ? next_token(slash.next) : token{};
  if (!slash.found || !end_name.found) {
    next_free = self;
    return fail(L"End tag not completed for element " + std::wstring(tag));
  }
  if (!token_is(slash, L"/")) {
    next_free = self;
    return fail(L"Expecting end tag of element " + std::wstring(tag));
  }
  if (!token_is(end_name, tag)) {
    next_free = self;
    return fail(L"End tag does not correspond to " + std::wstring(tag));
  }
  int32_t scan = end_name.next;
  for (;;) {
    const token t = next_token(scan);
    if (!t.found) {
      next_free = self;
      return fail(L"End tag not completed for element " + std::wstring(tag));
    }
    if (token_is(t, L">")) {
      positions[self].end_left = static_cast<int32_t>(end_lt);
      positions[self].end_right = t.begin;
      return self;
    }
    scan = t.next;
  }
}

bool CMarkup::load_text(std::wstring_view text) {
  doc.assign(text);
  reset_index();
  reset_cursor();
  if (doc.empty()) return false;
  // Positions are 32-bit; a larger document cannot be indexed.
  if (doc.size() >= static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
    error = L"Document too large";
    return false;
  }
  positions.resize(doc.size() / 64 + 8);
  int32_t content_pos = 0;
  const int32_t top = parse_element(0, content_pos, 1);
  if (top <= 0) {
    reset_index();
    return false;
  }
  positions[0].first_child = top;
  return true;
}

// Compares in place, without building the token: a language file is searched
// item by item from the first sibling, so this runs once per sibling visited.
bool CMarkup::name_matches(int32_t index, std::wstring_view name) const {
  if (name.empty()) return false;
  size_t pos = static_cast<size_t>(positions[index].start_left) + 1;
  while (pos < doc.size() && is_blank(doc[pos])) ++pos;
  if (doc.compare(pos, name.size(), name) != 0) return false;
  pos += name.size();
  return pos >= doc.size() || is_delimiter(doc[pos]);
}

bool CMarkup::find_child(std::wstring_view name) {
  current = 0;
  child = 0;
  node_type = 0;
  for (int32_t i = positions[parent].first_child; i != 0; i = positions[i].next_sibling) {
    if (name_matches(i, name)) {
      current = i;
      node_type = 1;
      return true;
    }
  }
  return false;
}

bool CMarkup::enter() {
  if (current == 0) return false;
  parent = current;
  current = child;
  child = 0;
  node_type = current != 0 ? 1 : 0;
  return true;
}

bool CMarkup::leave() {
  if (parent == 0) return false;
  child = current;
  current = parent;
  parent = positions[current].parent_index;
  node_type = 1;
  return true;
}

std::wstring CMarkup::text_of_current() const {
  if (current <= 0 || current >= next_free) return {};
  const ElemPos& e = positions[current];
  if (e.first_child != 0 || e.end_right == e.start_right) return {};
  const std::wstring_view content =
      std::wstring_view(doc).substr(e.start_right + 1, e.end_left - e.start_right - 1);

  size_t first = 0;
  while (first < content.size() && is_blank(content[first])) ++first;
  constexpr std::wstring_view cdata_open = L"<![CDATA[";
  if (content.substr(first, cdata_open.size()) == cdata_open && content.size() - first >= 12) {
    const size_t close = content.find(L"]]>", first + cdata_open.size());
    if (close != std::wstring_view::npos) {
      const size_t from = first + cdata_open.size();
      return std::wstring(content.substr(from, close - from));
    }
  }

  std::wstring out;
  out.reserve(content.size());
  for (size_t i = 0; i < content.size();) {
    if (content[i] == L'&') {
      if (const size_t used = decode_entity(content, i, out)) {
        i += used;
        continue;
      }
    }
    out += content[i++];
  }
  return out;
}

}  // namespace tabulon
