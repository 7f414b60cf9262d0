// Page assembly of the head of a page: the title, the /HEAD and /START
// sections with the form each gives the page placeholders, and the script
// sections that stand in for the built-in markup.
#include <gtest/gtest.h>

#include <string>

#include "base/wide_string.h"
#include "engine/page_state.h"
#include "tests/support/page_fixture.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

// The head of the page of `folder` (also the settings' `path`) in a build
// rooted at `root`, down to the /START section.
std::wstring head_of(build_settings& s, const std::wstring& folder,
                     const std::wstring& root = L"") {
  s.path = folder;
  s.recursion_root = root;
  return testing::assembled(s, folder, [](page_state& page) {
    compute_page_values(page);
    write_head(page);
  });
}

TEST(PageHeadTitle, PlaceholdersNameTheFolderAndMarkupIsEscaped) {
  build_settings s = testing::page_settings();
  s.recursive_build = 0;
  s.title = L"%%FOLDER in %%DIR";
  EXPECT_TRUE(
      testing::holds(head_of(s, L"/data/R&D <x>"),
                     L"\n<title>R&amp;D &lt;x&gt; in /data/R&amp;D &lt;x&gt;</title>\n</head>"));

  s.title.clear();
  EXPECT_EQ(head_of(s, L"/data/a").find(L"<title>"), std::wstring::npos);

  // A relative title names the page folder below the root, outside the
  // recursive builds, whose driver sets the title itself.
  s.multi_recurse_title = title_relative;
  EXPECT_TRUE(testing::holds(head_of(s, L"/data/a/b", L"/data"), L"<title>/a/b</title>"));
  s.recursive_build = 1;
  s.title = L"%%FOLDER";
  EXPECT_TRUE(testing::holds(head_of(s, L"/data/a/b", L"/data"), L"<title>b</title>"));
}

TEST(PageHeadSections, HeadAndStartGiveThePlaceholdersTheirOwnForms) {
  build_settings s = testing::page_settings();
  s.recursive_build = 0;
  s.file_spec = L"*.txt";
  s.script[sec::head] = L"<link href=\"%%ROOT_FOLDER%s.css\">[%%DIR|%%FOLDER|%%SPEC|%%VERSION]\n";
  s.script[sec::start] = L"<h1>[%%DIR|%%FOLDER|%%SPEC|%%RELATIVE_PATH|%%ROOT_FOLDER%]</h1>\n";
  const std::wstring t = head_of(s, L"/data/sub/R&D <x>", L"/data");

  // In the head: the path with markup made safe, the name as text; the
  // placeholders of the page body stay as they are.
  EXPECT_TRUE(
      testing::holds(t,
                     L"<link href=\"../../s.css\">[/data/sub/R&D &lt;x&gt;|R&amp;D &lt;x&gt;|"
                     L"%%SPEC|" +
                         std::wstring(kProgramVersion) + L"]\n</head>"));
  // In /START: the path as text, the name as a link target, and the body's
  // placeholders filled in.
  EXPECT_TRUE(
      t.ends_with(L"</head>\n\n<body>\n"
                  L"<h1>[/data/sub/R&amp;D &lt;x&gt;|R&amp;D%20%3Cx%3E|*.txt|/sub/R&D "
                  L"&lt;x&gt;|../../]</h1>\n"))
      << wide_to_utf8(t);
}

TEST(PageHeadSections, IncludedFilesAreFilledInInTheHeadButKeptLiteralInTheStart) {
  testing::temp_dir dir;
  dir.write("page/part.txt", "<p>%%FOLDER</p>");
  const std::wstring folder = from_native((dir.path() / "page").string());
  build_settings s = testing::page_settings();
  s.recursive_build = 0;
  s.script[sec::head] = L"%%FILEpart.txt%\n";
  s.script[sec::start] = L"%%FILEpart.txt%\n";
  const std::wstring t = head_of(s, folder);
  EXPECT_TRUE(testing::holds(t, L"<p>page</p>\n</head>"));
  EXPECT_TRUE(t.ends_with(L"<body>\n<p>%%FOLDER</p>\n")) << wide_to_utf8(t);
}

TEST(PageHeadMarkup, ScriptSectionsStandInForTheBuiltInPieces) {
  build_settings s = testing::page_settings();
  s.recursive_build = 0;
  s.charset = charset_ansi;
  const std::wstring built_in = head_of(s, L"/data");
  EXPECT_TRUE(built_in.starts_with(L"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional"));
  EXPECT_TRUE(testing::holds(built_in,
                             L"\">\n<html>\n\n<head>\n<meta http-equiv=\"Content-Type\" "
                             L"content=\"text/html; charset=ISO-8859-1\">\n</head>\n\n"
                             L"<body>\n"));

  // A lone line break as the document type section writes none at all; any
  // other text is written as it stands.
  s.script[sec::doctype] = L"\n";
  EXPECT_TRUE(head_of(s, L"/data").starts_with(L"<html>\n\n<head>\n"));
  s.script[sec::doctype] = L"<!DOCTYPE mine>\n";
  s.script[sec::content_type] = L"<meta name=\"c\">\n";
  s.script[sec::bodyheader] = L"<body class=\"b\">\n";
  EXPECT_EQ(
      head_of(s, L"/data"),
      L"<!DOCTYPE mine>\n<html>\n\n<head>\n<meta name=\"c\">\n</head>\n\n<body class=\"b\">\n");

  // XHTML closes the meta element and names its namespace.
  s.script = {};
  s.doctype = doctype_xhtml_strict;
  const std::wstring xhtml = head_of(s, L"/data");
  EXPECT_TRUE(testing::holds(xhtml, L"<html xmlns=\"http://www.w3.org/1999/xhtml\">"));
  EXPECT_TRUE(testing::holds(xhtml, L"charset=ISO-8859-1\" />\n"));
}

}  // namespace
}  // namespace tabulon
