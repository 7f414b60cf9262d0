#include "base/status.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tabulon {
namespace {

TEST(Status, OkAndErrorsReadAsOneLine) {
  status ok;
  EXPECT_TRUE(ok.ok());
  EXPECT_TRUE(static_cast<bool>(ok));
  EXPECT_EQ(ok.message(), L"ok");

  status denied = status::from_errno(L"open", L"x/index.html", L"for writing", EACCES);
  EXPECT_FALSE(denied.ok());
  EXPECT_EQ(denied.message(), L"cannot open \"x/index.html\" for writing: Permission denied");
  EXPECT_EQ(denied.path(), L"x/index.html");

  EXPECT_EQ(status::error(L"write", L"a b", L"", L"No space left on device").message(),
            L"cannot write \"a b\": No space left on device");
  EXPECT_EQ(status::error(L"rename", L"", L"", L"").message(), L"cannot rename");
  // An error without an action still fails.
  EXPECT_FALSE(status::error(L"", L"p", L"", L"r").ok());
}

}  // namespace
}  // namespace tabulon
