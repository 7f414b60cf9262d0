#pragma once
// Conversions between the program's wide strings and wxString.

#include <wx/string.h>

#include <string>
#include <string_view>

namespace tabulon {

inline wxString to_wx(std::wstring_view text) {
  return wxString(text.data(), text.size());
}
inline std::wstring from_wx(const wxString& text) {
  return text.ToStdWstring();
}

}  // namespace tabulon
