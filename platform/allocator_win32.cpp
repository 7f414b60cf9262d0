#include "platform/allocator.h"

namespace tabulon {

void tune_allocator_for_builds() {}

}  // namespace tabulon
