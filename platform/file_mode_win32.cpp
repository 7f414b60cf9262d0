#include "platform/file_mode.h"

namespace tabulon {

// Windows runs a script by its extension; there is no execute bit to set.
bool make_executable(std::wstring_view) {
  return true;
}

}  // namespace tabulon
