#pragma once
// anchor_ids: the anchor identifiers already given out on one page, so that
// every folder subsection gets an identifier of its own.
//
// Different folders can map to the same identifier ("a-b" and "a/b", "a b"
// and "a_b"); a page with two equal ids is invalid and its anchor links all
// jump to the first. The first folder in page order keeps the identifier as
// made; each later one gets "-2", "-3", ... appended, the first such form
// that no folder on the page has yet (a folder named "a_b-2" may hold it).
// One object lives for one page.

#include <string>
#include <unordered_set>

namespace tabulon {

class anchor_ids {
 public:
  // `id` when it is not taken yet, else the first free `id` + "-N" (N from
  // 2 up). The result counts as taken from then on.
  std::wstring claim(const std::wstring& id);

 private:
  std::unordered_set<std::wstring> taken_;
};

}  // namespace tabulon
