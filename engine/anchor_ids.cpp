#include "engine/anchor_ids.h"

namespace tabulon {

std::wstring anchor_ids::claim(const std::wstring& id) {
  if (taken_.insert(id).second) return id;
  for (unsigned long n = 2;; ++n) {
    std::wstring candidate = id + L"-" + std::to_wstring(n);
    if (taken_.insert(candidate).second) return candidate;
  }
}

}  // namespace tabulon
