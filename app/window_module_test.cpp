// Where the program looks for the window's module.
#include "app/window_module.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(WindowModule, BesideTheProgramFirstThenInTheInstalledLibraryFolder) {
  const std::vector<std::wstring> places = window_module_candidates(L"/opt/x/bin/");
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(places[0], L"/opt/x/bin/tabulon-window.so");
  EXPECT_EQ(places[1], L"/opt/x/bin/../lib/tabulon/tabulon-window.so");
}

}  // namespace
}  // namespace tabulon
