// End to end: pages written with the default script are well-formed XML in
// the XHTML document types and free of errors in the HTML ones, and odd file
// names neither break the markup nor their links.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <random>
#include <set>

#include "tests/support/build_fixture.h"
#include "tests/support/site_checks.h"

namespace tabulon::testing {
namespace {

const std::string kDefaultScript = "Scripts/blue_white_border.txt";

// xmllint does not know the named entities of HTML without the DTD; the ones
// tabulon writes are turned into numeric references before the check.
std::string with_numeric_entities(std::string page) {
  const std::pair<const char*, const char*> names[] = {
      {"&nbsp;", "&#160;"},   {"&euro;", "&#8364;"},  {"&rsquo;", "&#8217;"},
      {"&lsquo;", "&#8216;"}, {"&ldquo;", "&#8220;"}, {"&rdquo;", "&#8221;"}};
  for (const auto& [name, number] : names) {
    for (size_t at = page.find(name); at != std::string::npos; at = page.find(name, at))
      page.replace(at, std::strlen(name), number);
  }
  return page;
}

bool tool_present(const char* path) {
  return std::filesystem::exists(path);
}

// Fills `f` with a tree that exercises every part of a page.
void make_tree(const build_fixture& f) {
  f.file("readme.txt", "hello");
  f.files(
      {"caf\xC3\xA9 & more.txt", "a<b>.txt", "q\"uote.txt", "what?.txt", "docs/old/notes (1).md"});
  f.file("docs/guide.html", "<html><head><title>Guide</title></head></html>");
  f.file("photos/2024/beach.svg", "<svg/>");
}

const std::string kEveryPart =
    "include_subfolders=TRUE\nsupress_parent_link=FALSE\ninclude_filesize=TRUE\ninclude_date=TRUE\n"
    "include_time=TRUE\ninclude_summary=TRUE\nfolder_anchors=TRUE\nsort_folders_first=TRUE\n"
    "show_folder_names=TRUE\nfile_header_word=Files\nfile_columns2=2\nfolder_columns2=3\n";

const std::string kModes[] = {
    "recursive_build=TRUE\nrecursive_build_single_file=FALSE\n",
    "recursive_build=TRUE\nrecursive_build_single_file=TRUE\n",
};

// Builds the tree of make_tree with the default script and every part of a
// page, once for each build mode and each of `doctypes`, and hands every
// build that succeeded to `check`.
void for_each_build(std::initializer_list<const char*> doctypes,
                    const std::function<void(const build_fixture&)>& check) {
  for (const char* doctype : doctypes) {
    for (const std::string& mode : kModes) {
      SCOPED_TRACE(std::string(doctype) + " " + mode);
      build_fixture f;
      make_tree(f);
      const auto built = f.build(kEveryPart + mode + "doctype=" + doctype + "\n", kDefaultScript);
      ASSERT_EQ(built.exit_status, 0) << built.err;
      check(f);
    }
  }
}

TEST(DefaultScript, XhtmlPagesAreWellFormedXml) {
  if (!tool_present("/usr/bin/xmllint"))
    GTEST_SKIP() << "xmllint is missing (scripts/install-deps.sh)";
  for_each_build({"xhtml_transitional", "xhtml_strict"}, [](const build_fixture& f) {
    for (const char* page : {"index.html", "docs/index.html"}) {
      if (!f.has_page(page)) continue;
      const auto copy = f.dir().write("check.xml", with_numeric_entities(f.page(page)));
      const auto lint = run_program("/usr/bin/xmllint", {"--noout", copy.string()});
      EXPECT_EQ(lint.exit_status, 0);
      EXPECT_EQ(lint.err, "") << page;
    }
  });
}

TEST(DefaultScript, HtmlPagesHaveNoTidyErrors) {
  if (!tool_present("/usr/bin/tidy")) GTEST_SKIP() << "tidy is missing (scripts/install-deps.sh)";
  for_each_build({"html_401_transitional", "html_strict", "html_5"}, [](const build_fixture& f) {
    const auto tidy =
        run_program("/usr/bin/tidy", {"-q", "-e", (f.root() / "index.html").string()});
    EXPECT_LT(tidy.exit_status, 2) << tidy.err;  // 1 is warnings only, 2 errors
  });
}

TEST(MarkupSafety, OddNamesAreListedLinkedAndAddNoTags) {
  const std::set<std::string> names = {"a<b>.txt", "q\"uote.txt", "what?.txt", "odd\xFFname.txt",
                                       "semi;colon #1 100%.txt"};
  for (const char* charset : {"UTF_8", "ANSI", "UTF_16LE"}) {
    SCOPED_TRACE(charset);
    build_fixture f;
    for (const std::string& name : names) f.file(name, "x");
    const auto built =
        f.build(std::string("recursive_build=FALSE\ndoctype=xhtml_strict\nfile_columns2=1\n"
                            "skip_files=index.html\ncharset=") +
                    charset + "\n",
                kDefaultScript);
    ASSERT_EQ(built.exit_status, 0) << built.err;
    std::string page = f.page();
    if (std::string(charset) == "UTF_16LE") page = utf16le_to_ascii(page);  // ASCII parts only
    std::set<std::string> linked;
    for (size_t at = page.find("href=\""); at != std::string::npos;
         at = page.find("href=\"", at + 1)) {
      const size_t end = page.find('"', at + 6);
      linked.insert(percent_decoded(entity_decoded(page.substr(at + 6, end - at - 6))));
    }
    EXPECT_EQ(linked, names);
    EXPECT_EQ(count_of(page, "<a "), names.size());
    EXPECT_EQ(count_of(page, "<b>"), 2u);  // only the two header words
    if (std::string(charset) != "UTF_16LE" && tool_present("/usr/bin/xmllint")) {
      const auto copy = f.dir().write("check.xml", with_numeric_entities(f.page()));
      const auto lint = run_program("/usr/bin/xmllint", {"--noout", copy.string()});
      EXPECT_EQ(lint.err, "");
    }
  }
}

}  // namespace
}  // namespace tabulon::testing
