// Builds that run the tabulon program and look at the folder anchor table of
// the page it writes.

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "tests/support/site_checks.h"

namespace tabulon::testing {
namespace {

// A grouped listing of the whole tree in one page, with a script that leaves
// every section empty so the built-in table texts show.
config_keys grouped_listing(const temp_dir& dir, const std::filesystem::path& tree) {
  const auto script = dir.write("empty_script.txt", "// no sections\n");
  return {{"path", tree.string()},
          {"file_spec", "*.*"},
          {"skip_files", "index.html"},
          {"recursive_build", "TRUE"},
          {"recursive_build_single_file", "FALSE"},
          {"sort_folders_first", "TRUE"},
          {"show_folder_names", "TRUE"},
          {"folder_anchors", "TRUE"},
          {"column_wise_sort", "FALSE"},
          {"anchor_columns2", "3"},
          {"rectangular_tables", "TRUE"},
          {"anchors_use_backslash", "FALSE"},
          {"output_filename", "index.html"},
          {"custom_html_filename", script.string()},
          {"charset", "UTF_8"},
          {"doctype", "html_401_transitional"}};
}

config_keys with(config_keys keys, const std::string& key, const std::string& value) {
  for (auto& [k, v] : keys) {
    if (k == key) {
      v = value;
      return keys;
    }
  }
  keys.emplace_back(key, value);
  return keys;
}

// The anchor table of a page, from its start tag to its end tag; empty when
// the page has none.
std::string anchor_table_of(const std::string& page) {
  const size_t start = page.find("summary=\"anchor table\"");
  if (start == std::string::npos) return {};
  const size_t end = page.find("</table>", start);
  return page.substr(start, end - start);
}

// A temporary tree below "tree", listed in one grouped page.
class AnchorTableBuild : public ::testing::Test {
 protected:
  // Writes each of `relatives` below the tree.
  void files(std::initializer_list<std::string_view> relatives) const {
    for (const std::string_view relative : relatives)
      dir.write("tree/" + std::string(relative), "x");
  }
  // Builds with `keys` and returns the page.
  std::string build(const config_keys& keys) const {
    const program_result r = run_build(write_config(dir, "anchors.init", keys));
    EXPECT_EQ(r.exit_status, 0) << r.err;
    return read_bytes(tree / "index.html");
  }
  std::string build() const { return build(grouped_listing(dir, tree)); }
  // Builds the grouped listing with `key` set to `value`.
  std::string build_with(const std::string& key, const std::string& value) const {
    return build(with(grouped_listing(dir, tree), key, value));
  }

  temp_dir dir;
  const std::filesystem::path tree = dir.path() / "tree";
};

TEST_F(AnchorTableBuild, AppearsOnlyInGroupedListings) {
  files({"top.txt", "a/one.txt", "b/two.txt"});
  const config_keys grouped = grouped_listing(dir, tree);

  const std::string page = build(grouped);
  EXPECT_NE(anchor_table_of(page), "");
  EXPECT_NE(page.find("href=\"#IDa\""), std::string::npos);
  EXPECT_EQ(page.find("INSERT_FOLDER_ANCHORS"), std::string::npos);

  // One page per folder: no anchor table on any page, and no marker left.
  std::filesystem::remove(tree / "index.html");
  run_build(
      write_config(dir, "anchors.init", with(grouped, "recursive_build_single_file", "TRUE")));
  const auto pages = files_named(tree, "index.html");
  ASSERT_EQ(pages.size(), 3u);
  for (const auto& p : pages) {
    const std::string text = read_bytes(p);
    EXPECT_EQ(anchor_table_of(text), "") << p;
    EXPECT_EQ(text.find("INSERT_FOLDER_ANCHORS"), std::string::npos) << p;
    std::filesystem::remove(p);
  }

  // All links in one file without folders first: batch mode switches the
  // anchors off.
  const std::string unsorted = build_with("sort_folders_first", "FALSE");
  EXPECT_NE(unsorted.find("one.txt"), std::string::npos);
  EXPECT_EQ(anchor_table_of(unsorted), "");
  EXPECT_EQ(unsorted.find("INSERT_FOLDER_ANCHORS"), std::string::npos);
}

TEST_F(AnchorTableBuild, SevenAnchorsInThreeColumnsMakeThreeRectangularRows) {
  for (int i = 1; i <= 7; ++i) dir.write("tree/f" + std::to_string(i) + "/x.txt", "x");
  const std::string table = anchor_table_of(build());
  ASSERT_NE(table, "");

  EXPECT_EQ(count_of(table, "<a href=\"#"), 7u);
  // The header row and three rows of links.
  EXPECT_EQ(count_of(table, "</tr>"), 4u);
  EXPECT_NE(table.find("colspan=\"3\""), std::string::npos);
  const std::string last_row = table.substr(table.rfind("<tr"));
  EXPECT_EQ(count_of(last_row, "<a href="), 1u);
  EXPECT_EQ(count_of(last_row, "<td></td>"), 2u);
  EXPECT_NE(last_row.find("f7</a>"), std::string::npos);
}

TEST_F(AnchorTableBuild, DepthLimitKeepsDeeperFoldersInTheListingOnly) {
  files({"a/x.txt", "a/b/y.txt", "a/b/c/z.txt", "d/w.txt"});
  const std::string page = build_with("max_anchor_depth", "1");
  const std::string table = anchor_table_of(page);
  EXPECT_EQ(count_of(table, "<a href=\"#"), 2u);
  EXPECT_NE(table.find("#IDa\""), std::string::npos);
  EXPECT_NE(table.find("#IDd\""), std::string::npos);
  // The deeper folders keep their subsection rows and files.
  EXPECT_NE(page.find("id=\"IDa-b\""), std::string::npos);
  EXPECT_NE(page.find("z.txt"), std::string::npos);
}

TEST_F(AnchorTableBuild, AmpersandFolderLinksToItsSubsection) {
  files({"R&D/plan.txt", "Sales/q1.txt", "caf\xC3\xA9 #1; 50%/menu.txt"});
  const std::string page = build();
  const std::string table = anchor_table_of(page);
  EXPECT_NE(table.find("href=\"#IDRandD\">R&amp;D</a>"), std::string::npos) << table;
  EXPECT_NE(page.find("id=\"IDRandD\""), std::string::npos);
  EXPECT_EQ(broken_links(tree / "index.html"), std::vector<std::string>{});
}

TEST_F(AnchorTableBuild, FoldersWithEqualIdentifiersEachGetTheirOwnSubsection) {
  // Each pair maps to one identifier by the folder-to-id rule; the files
  // tell the subsections apart.
  files({"fp-compiler-3.2.2/first.txt", "fp-compiler/3.2.2/second.txt", "a b/third.txt",
         "a_b/fourth.txt", "a_b-2/fifth.txt"});
  const std::string page = build();

  const std::vector<std::string> ids = attribute_values(page, "id");
  const std::set<std::string> distinct(ids.begin(), ids.end());
  EXPECT_EQ(distinct.size(), ids.size()) << page;
  EXPECT_TRUE(distinct.count("IDfp-compiler-3.2.2"));
  EXPECT_TRUE(distinct.count("IDfp-compiler-3.2.2-2"));

  // Every link of the table reaches the subsection whose file it names.
  const std::string table = anchor_table_of(page);
  const std::map<std::string, std::string> file_of = {{"fp-compiler-3.2.2", "first.txt"},
                                                      {"fp-compiler/3.2.2", "second.txt"},
                                                      {"a b", "third.txt"},
                                                      {"a_b", "fourth.txt"},
                                                      {"a_b-2", "fifth.txt"}};
  size_t links = 0;
  for (size_t at = table.find("href=\"#"); at != std::string::npos;
       at = table.find("href=\"#", at + 1), ++links) {
    const size_t id_start = at + 7;
    const std::string id = table.substr(id_start, table.find('"', id_start) - id_start);
    const size_t shown_start = table.find('>', id_start) + 1;
    const std::string shown = table.substr(shown_start, table.find("</a>", at) - shown_start);
    ASSERT_EQ(count_of(page, "id=\"" + id + "\""), 1u) << id;
    const size_t row = page.find("id=\"" + id + "\"");
    const size_t next_row = page.find("<a id=", row + 1);
    const std::string section = page.substr(row, next_row - row);
    ASSERT_TRUE(file_of.count(shown)) << shown;
    EXPECT_NE(section.find(file_of.at(shown)), std::string::npos) << id << " " << shown;
  }
  EXPECT_EQ(links, file_of.size());
}

}  // namespace
}  // namespace tabulon::testing
