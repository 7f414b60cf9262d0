#include "engine/wildcard.h"

namespace tabulon {

bool wildcard_match(std::wstring_view pattern, std::wstring_view text) {
  size_t p = 0;
  size_t t = 0;
  const size_t pn = pattern.size();
  const size_t tn = text.size();

  // "*text*", the form plain exclude items and "*.*" take: a substring search.
  if (pn >= 2 && pattern.front() == L'*' && pattern.back() == L'*') {
    const std::wstring_view inner = pattern.substr(1, pn - 2);
    if (inner.find_first_of(L"*?") == std::wstring_view::npos)
      return text.find(inner) != std::wstring_view::npos;
  }

  // Literal prefix up to the first star.
  while (t < tn && (p >= pn || pattern[p] != L'*')) {
    if (p >= pn || (pattern[p] != text[t] && pattern[p] != L'?')) return false;
    ++p;
    ++t;
  }

  // Only the most recent star is ever resumed: an earlier star can never buy
  // a match that the later one cannot, so this stays polynomial.
  size_t resume_p = 0;
  size_t resume_t = 0;
  bool have_resume = false;
  while (t < tn) {
    if (p < pn && pattern[p] == L'*') {
      ++p;
      if (p == pn) return true;
      resume_p = p;
      resume_t = t + 1;
      have_resume = true;
    } else if (p < pn && (pattern[p] == text[t] || pattern[p] == L'?')) {
      ++p;
      ++t;
    } else {
      if (!have_resume) return false;
      p = resume_p;
      t = resume_t;
      ++resume_t;
    }
  }
  while (p < pn && pattern[p] == L'*') ++p;
  return p == pn;
}

}  // namespace tabulon
