#include "app/run_configured_build.h"

namespace tabulon {

int run_configured_build(build_settings&, build_progress*, std::wstring* reason) {
  if (reason) *reason = L"page assembly is not part of this build yet";
  return 0;
}

}  // namespace tabulon
