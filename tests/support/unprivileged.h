#pragma once
// Test support: runs a check in a child process without root's rights, so that
// tests about unreadable folders mean something when the suite runs as root.

#include <filesystem>
#include <functional>
#include <optional>

namespace tabulon::testing {

// Runs `check` in a forked child. When the process runs as root, the child
// first becomes the unprivileged user "nobody" (uid and gid 65534). Returns the
// child's result, or nothing when the child could not be started or could not
// give up its rights.
std::optional<bool> run_unprivileged(const std::function<bool()>& check);

// Makes `folder` and everything below it (links themselves, not their
// targets) belong to the user run_unprivileged runs as, so that a build run
// that way can write its pages there. Does nothing unless the process runs
// as root. False when an entry could not be handed over.
bool give_to_unprivileged_user(const std::filesystem::path& folder);

}  // namespace tabulon::testing
