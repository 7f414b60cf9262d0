#include "engine/link_target.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(LinkTarget, AColonInTheFirstSegmentGetsDotSlash) {
  for (const wchar_t* name :
       {L"javascript:alert(1)", L"http:x.txt", L"C:drive.txt", L"x:y.txt", L":", L"a:"}) {
    EXPECT_TRUE(reads_as_scheme(name)) << name;
    EXPECT_EQ(scheme_safe(name), std::wstring(L"./") + name);
  }
  // A folder with a colon leads the target of every file inside it.
  EXPECT_EQ(scheme_safe(L"d:ir/index.html"), L"./d:ir/index.html");
  EXPECT_EQ(scheme_safe(L"d:ir/sub/a%20b.txt"), L"./d:ir/sub/a%20b.txt");
}

TEST(LinkTarget, EveryOtherTargetIsUnchanged) {
  for (const wchar_t* target : {L"a/b:c", L"%3A", L"a%3Ab.txt", L"", L"plain.txt", L"../x:y.html",
                                L"./x:y", L"#IDa:b", L"a?b:c", L"a#b:c", L"/abs:olute"}) {
    EXPECT_FALSE(reads_as_scheme(target)) << target;
    EXPECT_EQ(scheme_safe(target), target);
  }
}

TEST(LinkTarget, OnlyColonsOfTheNamesCount) {
  // The script's own scheme or folder ends the first segment.
  for (const wchar_t* prefix : {L"http://host/files/", L"File:///home/me/", L"files/"})
    EXPECT_FALSE(names_read_as_scheme(prefix, L"x:y.txt")) << prefix;
  EXPECT_FALSE(names_read_as_scheme(L"mailto:", L"x"));
  // A prefix without a separator runs into the name.
  EXPECT_TRUE(names_read_as_scheme(L"pre", L"x:y.txt"));
  EXPECT_TRUE(names_read_as_scheme(L"", L"d:ir/f.txt"));
  EXPECT_FALSE(names_read_as_scheme(L"", L"dir/f:x.txt"));
}

TEST(LinkTarget, MakesATargetInsideAPageSafe) {
  std::wstring page = L"<a href=\"pre";
  const size_t target = page.size() - 3;
  const size_t names = page.size();
  page += L"x:y.txt";
  EXPECT_TRUE(make_scheme_safe(page, target, names));
  EXPECT_EQ(page, L"<a href=\"./prex:y.txt");

  std::wstring own = L"<a href=\"http:";
  own += L"x:y.txt";
  EXPECT_FALSE(make_scheme_safe(own, 9, 14));  // the script chose the scheme
  EXPECT_FALSE(make_scheme_safe(own, 20, 9));  // positions out of order change nothing
  EXPECT_EQ(own, L"<a href=\"http:x:y.txt");
}

}  // namespace
}  // namespace tabulon
