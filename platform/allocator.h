#pragma once
// Tuning of the C library's memory allocator for the program's work.

namespace tabulon {

// Suits the allocator to a build: many small blocks (names of scanned entries)
// allocated up front and freed together, next to a few large page buffers.
// Does nothing where the C library offers no such tuning.
void tune_allocator_for_builds();

}  // namespace tabulon
