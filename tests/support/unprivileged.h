#pragma once
// Test support: runs a check in a child process without root's rights, so that
// tests about unreadable folders mean something when the suite runs as root.

#include <functional>
#include <optional>

namespace tabulon::testing {

// Runs `check` in a forked child. When the process runs as root, the child
// first becomes the unprivileged user "nobody" (uid and gid 65534). Returns the
// child's result, or nothing when the child could not be started or could not
// give up its rights.
std::optional<bool> run_unprivileged(const std::function<bool()>& check);

}  // namespace tabulon::testing
