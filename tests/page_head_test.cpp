// End to end: the head of a page (document type, namespace, character set,
// title) and the page-level placeholders that depend on where a page lies.
#include <gtest/gtest.h>

#include "tests/support/build_fixture.h"

namespace tabulon::testing {
namespace {

struct doctype_case {
  const char* key;
  const char* first_line;
  bool xmlns;
  const char* meta;  // for charset=UTF_8
};

TEST(PageHead, EachDocumentTypeWritesItsDeclarationNamespaceAndMetaLine) {
  const doctype_case cases[] = {
      {"html_401_transitional",
       "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
       "\"http://www.w3.org/TR/html4/loose.dtd\">",
       false, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"},
      {"html_strict",
       "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" "
       "\"http://www.w3.org/TR/html4/strict.dtd\">",
       false, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"},
      {"xhtml_transitional",
       "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
       "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">",
       true, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\" />"},
      {"xhtml_strict",
       "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
       "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">",
       true, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\" />"},
      {"html_5", "<!DOCTYPE html>", false, "<meta charset=\"UTF-8\">"},
  };
  for (const doctype_case& c : cases) {
    SCOPED_TRACE(c.key);
    build_fixture f;
    f.file("a.txt");
    const auto result = f.build(std::string("doctype=") + c.key + "\n");
    ASSERT_EQ(result.exit_status, 0) << result.err;
    const std::string page = f.page();
    EXPECT_EQ(page.substr(0, page.find("\r\n")), c.first_line);
    const std::string html_tag =
        c.xmlns ? "<html xmlns=\"http://www.w3.org/1999/xhtml\">" : "<html>";
    EXPECT_NE(page.find("\r\n" + html_tag + "\r\n\r\n<head>\r\n" + c.meta + "\r\n"),
              std::string::npos)
        << page.substr(0, 400);
  }
}

TEST(PageHead, MetaLineNamesTheCharsetOfTheFile) {
  struct charset_case {
    const char* key;
    const char* html4;
    const char* html5;
  };
  const charset_case cases[] = {
      {"ANSI", "charset=ISO-8859-1\">", "<meta charset=\"ISO-8859-1\">"},
      {"UTF_8", "charset=UTF-8\">", "<meta charset=\"UTF-8\">"},
      {"UTF_16LE", "charset=UTF-16LE\">", "<meta charset=\"UTF-16LE\">"},
  };
  for (const charset_case& c : cases) {
    SCOPED_TRACE(c.key);
    build_fixture f;
    f.file("a.txt");
    const bool utf16 = std::string(c.key) == "UTF_16LE";
    auto text = [&] { return utf16 ? utf16le_to_ascii(f.page()) : f.page(); };
    ASSERT_EQ(
        f.build(std::string("charset=") + c.key + "\ndoctype=html_401_transitional\n").exit_status,
        0);
    EXPECT_NE(text().find(c.html4), std::string::npos);
    ASSERT_EQ(f.build(std::string("charset=") + c.key + "\ndoctype=html_5\n").exit_status, 0);
    EXPECT_NE(text().find(c.html5), std::string::npos);
  }
}

TEST(PageHead, ScriptDoctypeSectionMakesThePageXhtml) {
  build_fixture f;
  f.file("a.txt");
  f.folder("sub");
  const std::string script =
      f.script("/DOCTYPE\n<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" \"x\">\n");
  ASSERT_EQ(
      f.build("doctype=html_401_transitional\ninclude_subfolders=TRUE\nrecursive_build=FALSE\n",
              script)
          .exit_status,
      0);
  const std::string page = f.page();
  EXPECT_EQ(page.rfind("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" \"x\">\r\n", 0),
            0u);
  EXPECT_NE(page.find("<html xmlns="), std::string::npos);
  EXPECT_NE(page.find("charset=UTF-8\" />"), std::string::npos);
  EXPECT_NE(page.find("<div><br /></div>"), std::string::npos);
}

TEST(PageHead, TitleFollowsTheTemplateAndAnEmptyTitleWritesNoElement) {
  build_fixture f;
  f.file("a.txt");
  ASSERT_EQ(f.build("title=Index of %%FOLDER & more\nrecursive_build=FALSE\n").exit_status, 0);
  EXPECT_NE(f.page().find("<title>Index of tree &amp; more</title>\r\n"), std::string::npos);

  // A title of only a placeholder that expands to nothing writes no element.
  ASSERT_EQ(
      f.build("multi_recurse_title=NONE\nrecursive_build=TRUE\nrecursive_build_single_file=TRUE\n")
          .exit_status,
      0);
  EXPECT_EQ(f.page().find("<title>"), std::string::npos);
}

TEST(PageHead, PerFolderTitlesNameEachFolderOrItsPathBelowTheRoot) {
  build_fixture f;
  f.file("top.txt");
  f.file("a/b/deep.txt");
  const std::string per_folder = "recursive_build=TRUE\nrecursive_build_single_file=TRUE\n";

  ASSERT_EQ(f.build(per_folder + "multi_recurse_title=FOLDER\n").exit_status, 0);
  EXPECT_NE(f.page().find("<title>tree</title>"), std::string::npos);
  EXPECT_NE(f.page("a/b/index.html").find("<title>b</title>"), std::string::npos);

  ASSERT_EQ(f.build(per_folder + "multi_recurse_title=RELATIVE\n").exit_status, 0);
  EXPECT_NE(f.page().find("<title>/</title>"), std::string::npos);
  EXPECT_NE(f.page("a/b/index.html").find("<title>/a/b</title>"), std::string::npos);
}

TEST(PageHead, RootPrefixClimbsOneLevelPerFolderBelowTheRoot) {
  build_fixture f;
  f.file("top.txt");
  f.file("a/one.txt");
  f.file("a/b/two.txt");
  const std::string script = f.script("/START\n<link href=\"%%ROOT_FOLDER%style.css\">\n");
  ASSERT_EQ(f.build("recursive_build=TRUE\nrecursive_build_single_file=TRUE\n", script).exit_status,
            0);
  EXPECT_NE(f.page().find("<link href=\"style.css\">"), std::string::npos);
  EXPECT_NE(f.page("a/index.html").find("<link href=\"../style.css\">"), std::string::npos);
  EXPECT_NE(f.page("a/b/index.html").find("<link href=\"../../style.css\">"), std::string::npos);
}

TEST(PageHead, TotalFilesInTheHeadCountsThePagesFiles) {
  build_fixture f;
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) f.file(name);
  const std::string script = f.script("/HEAD\n<meta name=\"files\" content=\"%%TOTAL_FILES%\">\n");
  ASSERT_EQ(f.build("recursive_build=FALSE\n", script).exit_status, 0);
  // The page itself is not listed: it is written after the scan.
  EXPECT_NE(f.page().find("<meta name=\"files\" content=\"3\">"), std::string::npos);
}

}  // namespace
}  // namespace tabulon::testing
