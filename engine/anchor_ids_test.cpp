#include "engine/anchor_ids.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(AnchorIds, TheFirstKeepsItsIdAndLaterOnesAreNumbered) {
  anchor_ids ids;
  EXPECT_EQ(ids.claim(L"IDa-b"), L"IDa-b");
  EXPECT_EQ(ids.claim(L"IDa-b"), L"IDa-b-2");
  EXPECT_EQ(ids.claim(L"IDa-b"), L"IDa-b-3");
  EXPECT_EQ(ids.claim(L"IDc"), L"IDc");
  // Case matters to ids, so case twins are distinct already.
  EXPECT_EQ(ids.claim(L"IDC"), L"IDC");
}

TEST(AnchorIds, ANameThatAlreadyEndsInANumberNeverCollides) {
  anchor_ids first_plain;
  EXPECT_EQ(first_plain.claim(L"IDa_b"), L"IDa_b");
  EXPECT_EQ(first_plain.claim(L"IDa_b"), L"IDa_b-2");
  // A folder whose own name is "a_b-2" comes later: its id is taken.
  EXPECT_EQ(first_plain.claim(L"IDa_b-2"), L"IDa_b-2-2");

  anchor_ids first_numbered;
  EXPECT_EQ(first_numbered.claim(L"IDa_b-2"), L"IDa_b-2");
  EXPECT_EQ(first_numbered.claim(L"IDa_b"), L"IDa_b");
  EXPECT_EQ(first_numbered.claim(L"IDa_b"), L"IDa_b-3");
  EXPECT_EQ(first_numbered.claim(L"IDa_b"), L"IDa_b-4");
}

}  // namespace
}  // namespace tabulon
