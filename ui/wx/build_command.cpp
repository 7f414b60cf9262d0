#include "ui/wx/build_command.h"

namespace tabulon {

void run_build_command(build_command_context& /*context*/) {
  // Filled in by the build runner; until then the command does nothing.
}

}  // namespace tabulon
