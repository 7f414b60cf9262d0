// Every script that ships in Scripts/ is built over the example tree in each
// mode it is made for and in every document type; the pages it writes must be
// well-formed XML (XHTML types) or free of markup errors (HTML types), and
// every link in them must resolve.

#include <gtest/gtest.h>

#include <string>

#include "tests/support/site_checks.h"

namespace tabulon::testing {
namespace {

const char* const kDoctypes[] = {"html_401_transitional", "xhtml_transitional", "xhtml_strict",
                                 "html_strict", "html_5"};

bool is_xhtml(const std::string& doctype) {
  return doctype.rfind("xhtml", 0) == 0;
}

enum class mode { single_folder, all_in_one, flat_all_in_one, one_per_folder };

const char* mode_name(mode m) {
  switch (m) {
    case mode::single_folder:
      return "single folder";
    case mode::all_in_one:
      return "all links in one file";
    case mode::flat_all_in_one:
      return "all links in one file, not grouped";
    default:
      return "one file per folder";
  }
}

config_keys base_keys(const std::filesystem::path& tree, const std::string& script,
                      const std::string& doctype) {
  return {{"path", tree.string()},
          {"file_spec", "*.*"},
          {"skip_files", "index.html"},
          {"custom_html_filename", "Scripts/" + script},
          {"output_filename", "index.html"},
          {"title", "Files in %%DIR"},
          {"include_filesize", "TRUE"},
          {"include_date", "TRUE"},
          {"include_time", "TRUE"},
          {"include_summary", "TRUE"},
          {"anchors_use_backslash", "FALSE"},
          {"charset", "UTF_8"},
          {"doctype", doctype}};
}

config_keys mode_keys(mode m) {
  switch (m) {
    case mode::single_folder:
      return {{"recursive_build", "FALSE"},    {"include_subfolders", "TRUE"},
              {"supress_parent_link", "TRUE"}, {"file_columns2", "3"},
              {"folder_columns2", "3"},        {"column_wise_sort", "TRUE"}};
    case mode::all_in_one:
      return {{"recursive_build", "TRUE"},    {"recursive_build_single_file", "FALSE"},
              {"include_subfolders", "TRUE"}, {"sort_folders_first", "TRUE"},
              {"show_folder_names", "TRUE"},  {"folder_anchors", "TRUE"},
              {"anchor_columns2", "3"},       {"file_columns2", "1"}};
    case mode::flat_all_in_one:
      return {{"recursive_build", "TRUE"},    {"recursive_build_single_file", "FALSE"},
              {"include_subfolders", "TRUE"}, {"sort_folders_first", "FALSE"},
              {"show_folder_names", "TRUE"},  {"file_columns2", "3"},
              {"column_wise_sort", "TRUE"}};
    default:
      return {{"recursive_build", "TRUE"},
              {"recursive_build_single_file", "TRUE"},
              {"include_subfolders", "TRUE"},
              {"supress_parent_link", "FALSE"},
              {"file_columns2", "2"}};
  }
}

// Checks every page named `page_name` below `tree`; returns how many.
size_t check_pages(const std::filesystem::path& tree, const std::string& page_name,
                   const std::string& doctype) {
  const auto pages = files_named(tree, page_name);
  for (const auto& page : pages) {
    SCOPED_TRACE(page.string());
    if (is_xhtml(doctype)) {
      EXPECT_EQ(xml_errors(page), "");
    } else {
      EXPECT_EQ(tidy_errors(page), "");
    }
    EXPECT_EQ(broken_links(page), std::vector<std::string>{});
  }
  return pages.size();
}

void build_and_check(const std::string& script, std::initializer_list<mode> modes) {
  if (!have_tool("xmllint") || !have_tool("tidy")) GTEST_SKIP() << "xmllint or tidy is missing";
  for (mode m : modes) {
    for (const std::string doctype : kDoctypes) {
      SCOPED_TRACE(script + ", " + mode_name(m) + ", " + doctype);
      temp_dir dir;
      const auto tree = make_example_tree(dir, "site");
      config_keys keys = base_keys(tree, script, doctype);
      for (const auto& key : mode_keys(m)) keys.push_back(key);
      const program_result r = run_build(write_config(dir, "build.init", keys));
      ASSERT_EQ(r.exit_status, 0) << r.err;
      const size_t pages = check_pages(tree, "index.html", doctype);
      EXPECT_EQ(pages == 1, m != mode::one_per_folder) << pages << " pages";
      if (m == mode::all_in_one) {
        const std::string page = read_bytes(tree / "index.html");
        EXPECT_NE(page.find("href=\"#ID"), std::string::npos) << "no anchor table";
      }
    }
  }
}

TEST(BundledScripts, Tan) {
  build_and_check("tan.txt", {mode::all_in_one});
}

TEST(BundledScripts, PaleGrey) {
  build_and_check("pale_grey.txt",
                  {mode::single_folder, mode::flat_all_in_one, mode::one_per_folder});
}

TEST(BundledScripts, DivRecursive) {
  build_and_check("div_recursive.txt", {mode::one_per_folder});
}

TEST(BundledScripts, TanWithFileMatches) {
  build_and_check("tan (with div, file matches).tabulon",
                  {mode::single_folder, mode::one_per_folder, mode::all_in_one});
}

TEST(BundledScripts, TanWithFileMatchesGivesEachKindItsIcon) {
  temp_dir dir;
  const auto tree = make_example_tree(dir, "site");
  config_keys keys = base_keys(tree, "tan (with div, file matches).tabulon", "html_5");
  for (const auto& key : mode_keys(mode::single_folder)) keys.push_back(key);
  ASSERT_EQ(run_build(write_config(dir, "build.init", keys)).exit_status, 0);
  const std::string page = read_bytes(tree / "index.html");
  EXPECT_NE(page.find("<span class=\"ic ic-text\">"), std::string::npos);  // readme.txt
  EXPECT_NE(page.find("title=\"Text\""), std::string::npos);
  EXPECT_NE(page.find("<span class=\"ic ic-folder\">"), std::string::npos);
}

TEST(BundledScripts, BlueWhiteBorder) {
  build_and_check("blue_white_border.txt",
                  {mode::single_folder, mode::all_in_one, mode::one_per_folder});
}

TEST(BundledScripts, FramedSites) {
  if (!have_tool("xmllint") || !have_tool("tidy")) GTEST_SKIP() << "xmllint or tidy is missing";
  const std::pair<const char*, const char*> kinds[] = {
      {"Scripts/frameset.txt", "html_401_transitional"},
      {"Scripts/frameset.txt", "html_5"},
      {"Scripts/frameset_xhtml.txt", "xhtml_transitional"}};
  for (const auto& [frameset, doctype] : kinds) {
    SCOPED_TRACE(std::string(frameset) + ", " + doctype);
    temp_dir dir;
    const auto tree = make_example_tree(dir, "site");
    config_keys keys = base_keys(tree, "blue_white_border.txt", doctype);
    keys.emplace_back("skip_files", "index.html;folders.html;files.html");
    keys.emplace_back("recursive_build", "TRUE");
    keys.emplace_back("build_framed_site", "TRUE");
    keys.emplace_back("frameset_file", frameset);
    keys.emplace_back("left_frame_file", "Scripts/left_frame.txt");
    keys.emplace_back("right_frame_file", "Scripts/right_frame.txt");
    const program_result r = run_build(write_config(dir, "build.init", keys));
    ASSERT_EQ(r.exit_status, 0) << r.err;

    // The frameset page itself is checked for its own document type.
    const std::string frameset_type = is_xhtml(doctype) ? "xhtml" : "html";
    EXPECT_EQ(check_pages(tree, "index.html", frameset_type), 1u);
    EXPECT_EQ(check_pages(tree, "folders.html", doctype), 1u);
    EXPECT_GE(check_pages(tree, "files.html", doctype), 5u);
  }
}

}  // namespace
}  // namespace tabulon::testing
