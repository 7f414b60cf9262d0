#include "engine/scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "base/wide_string.h"
#include "engine/pattern_list.h"
#include "engine/range_parse.h"
#include "engine/sort.h"
#include "platform/local_time.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;
using names_t = std::vector<std::wstring>;

class ScanFolder : public ::testing::Test {
 protected:
  ScanFolder() {
    settings.path = root();
    context.settings = &settings;
    context.root_folder = root();
  }

  std::wstring root() const { return from_native(dir.path().native()); }

  // Scans the tree (all links in one file unless told otherwise) and
  // returns "folder_path + name" of every entry, sorted.
  names_t scan(bool all_in_one = true, std::wstring_view spec = L"*.*") {
    entry_list list = scan_list(all_in_one, spec);
    names_t result;
    for (const auto& entry : list.items)
      result.push_back(entry->folder_path() + std::wstring(entry->name));
    std::sort(result.begin(), result.end());
    return result;
  }

  entry_list scan_list(bool all_in_one = true, std::wstring_view spec = L"*.*") {
    context.all_in_one = all_in_one;
    context.base_folder.clear();
    rebuild_pattern_lists(context);
    entry_list list;
    int32_t depth = 0;
    last_result = scan_folder(context, root(), spec, depth, list);
    EXPECT_EQ(depth, 0);
    return list;
  }

  void set_modified(const std::string& relative, int year, int month, int day, int hour = 0) {
    local_fields fields;
    fields.year = year;
    fields.month = month;
    fields.day = day;
    fields.hour = hour;
    const int64_t seconds = *seconds_from_local(fields);
    fs::last_write_time(
        dir.path() / relative,
        std::chrono::file_clock::from_sys(std::chrono::sys_seconds(std::chrono::seconds(seconds))));
  }

  testing::temp_dir dir;
  build_settings settings;
  scan_context context;
  bool last_result = true;
};

TEST_F(ScanFolder, ListsFilesHeadFirstWithFolderPaths) {
  dir.write("a.txt", "1");
  dir.write("b.txt", "22");
  dir.write("sub/deeper/c.txt", "333");
  entry_list list = scan_list();
  ASSERT_EQ(list.size(), 3u);
  // The most recently found entry leads; subfolders are scanned after the files.
  EXPECT_EQ(list[0].name, L"c.txt");
  EXPECT_EQ(list[0].folder_path(), L"/sub/deeper/");
  EXPECT_EQ(list[0].folder_key(), L"/SUB/DEEPER/");
  EXPECT_EQ(list[1].name, L"b.txt");
  EXPECT_EQ(list[1].size, 2);
  EXPECT_EQ(list[2].folder_path(), L"/");
  EXPECT_EQ(list[1].folder, list[2].folder);  // one shared record per folder
  EXPECT_EQ(context.base_folder, root());
  EXPECT_EQ(list[0].extension, nullptr);
  EXPECT_EQ(list[0].link_title, nullptr);

  // A single-folder scan names the full folder and does not descend.
  entry_list single = scan_list(false);
  ASSERT_EQ(single.size(), 2u);
  EXPECT_EQ(single[0].folder_path(), root() + L"/");
}

// The order the scan claims for its list lets the sort skip its work; the
// result must be the one a full sort gives, for every type and direction.
TEST_F(ScanFolder, ClaimedOrderGivesTheSameResultAsAFullSort) {
  auto paths = [](const entry_list& list) {
    names_t result;
    for (const auto& entry : list.items)
      result.push_back(entry->folder_path() + std::wstring(entry->name));
    return result;
  };
  auto check_every_sort = [&](known_order claimed) {
    for (const int32_t kind : {sort_by_name, sort_by_size, sort_by_date, sort_unsorted}) {
      for (const bool descending : {false, true}) {
        for (const bool group : {false, true}) {
          entry_list quick = scan_list();
          entry_list full = scan_list();
          ASSERT_TRUE(sort_entries(quick, kind, descending, group, nullptr, &claimed));
          ASSERT_TRUE(sort_entries(full, kind, descending, group));
          EXPECT_EQ(paths(quick), paths(full)) << kind << descending << group;
        }
      }
    }
  };
  auto claim = [&] {
    context.all_in_one = true;
    context.base_folder.clear();
    rebuild_pattern_lists(context);
    entry_list list;
    int32_t depth = 0;
    known_order order;
    scan_folder(context, root(), L"*.*", depth, list, &order);
    // A list that already held entries gets no claim.
    known_order none{true, true};
    scan_folder(context, root(), L"*.*", depth, list, &none);
    EXPECT_FALSE(none.by_name || none.by_folder_then_name);
    return order;
  };

  // Plain names, found in the order their keys sort in.
  dir.write("a1.txt", "1");
  dir.write("a2.txt", "22");
  dir.write("b/c.txt", "333");
  dir.write("b/d.txt", "");
  known_order order = claim();
  EXPECT_TRUE(order.by_folder_then_name);
  EXPECT_TRUE(order.by_name);
  check_every_sort(order);
  dir.write("b/a0.txt", "");  // in order within its folder, not among all names
  order = claim();
  EXPECT_TRUE(order.by_folder_then_name);
  EXPECT_FALSE(order.by_name);
  check_every_sort(order);

  // Upper case sorts before lower case by code value but not by key; a
  // folder "x y" is entered after "x" but its key sorts first; two names
  // differ in case only.
  dir.write_each({"B.txt", "x/1.txt", "x y/2.txt", "b/D.TXT"});
  order = claim();
  EXPECT_FALSE(order.by_folder_then_name);
  EXPECT_FALSE(order.by_name);
  check_every_sort(order);
}

TEST_F(ScanFolder, SpecItemsIgnoreCaseAndStarDotStarMatchesEverything) {
  dir.write_each({"A.TXT", "b.txt", "README", "c.doc"});
  EXPECT_EQ(scan(false, L"*.txt"), (names_t{root() + L"/A.TXT", root() + L"/b.txt"}));
  EXPECT_EQ(scan(true, L"*.*").size(), 4u);
  EXPECT_EQ(scan(true, L"READ*.*"), (names_t{L"/README"}));
  EXPECT_TRUE(scan(true, L"").empty());
}

TEST_F(ScanFolder, AFileFoundByTwoItemsIsListedTwiceUntilDuplicatesAreRemoved) {
  dir.write_each({"a.txt", "b.doc"});
  entry_list list = scan_list(true, L"*.txt;*");
  EXPECT_EQ(list.size(), 3u);
  sort_entries(list, sort_by_name, false, true);
  remove_duplicate_entries(list);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].name, L"a.txt");
  EXPECT_EQ(list[1].name, L"b.doc");
}

TEST_F(ScanFolder, SizeFilterKeepsTheInclusiveRange) {
  dir.write("too_small", std::string(10239, 'x'));
  dir.write("low", std::string(10240, 'x'));
  dir.write("high", std::string(20480, 'x'));
  dir.write("too_big", std::string(20481, 'x'));
  settings.file_sizes = L"10k - 20K";
  settings.size_filter_on = true;
  parse_size_range(settings.file_sizes, settings.sizes);
  EXPECT_EQ(scan(), (names_t{L"/high", L"/low"}));

  parse_size_range(L"20K - 10K", settings.sizes);  // unusable: everything passes
  EXPECT_EQ(scan().size(), 4u);
}

TEST_F(ScanFolder, DateFilterKeepsTheRangeAndTheReversedRangeKeepsTheLastDay) {
  const char* files[] = {"dec2009",        "jan2010",    "jun2010",
                         "dec31_midnight", "dec31_noon", "jan2011"};
  for (const char* name : files) dir.write(name, "");
  set_modified("dec2009", 2009, 12, 31, 12);
  set_modified("jan2010", 2010, 1, 1, 0);
  set_modified("jun2010", 2010, 6, 15, 9);
  set_modified("dec31_midnight", 2010, 12, 31, 0);
  set_modified("dec31_noon", 2010, 12, 31, 12);
  set_modified("jan2011", 2011, 1, 1, 0);

  settings.date_modified = L"1/1/2010 - 12/31/2010";
  parse_date_range(settings.date_modified, settings.dates);
  EXPECT_EQ(scan(), (names_t{L"/dec31_midnight", L"/jan2010", L"/jun2010"}));

  settings.date_modified = L"12/31/2010 - 1/1/2010";
  parse_date_range(settings.date_modified, settings.dates);
  EXPECT_EQ(scan(), (names_t{L"/dec31_midnight", L"/dec31_noon", L"/jan2010", L"/jun2010"}));

  settings.date_modified = L"abc - *";
  parse_date_range(settings.date_modified, settings.dates);
  EXPECT_EQ(scan().size(), 6u);
}

TEST_F(ScanFolder, ExcludeAndIncludePatterns) {
  dir.write_each({"Thumbs.db", "mythumbs.png", "Sunset1.jpg", "beach.jpg"});
  settings.skip_files = L"thumbs.db";
  EXPECT_EQ(scan(), (names_t{L"/Sunset1.jpg", L"/beach.jpg", L"/mythumbs.png"}));
  settings.skip_files = L"*thumbs*";
  EXPECT_EQ(scan(), (names_t{L"/Sunset1.jpg", L"/beach.jpg"}));
  settings.skip_files = L"";
  settings.filename_include_strings = L"sunset";
  EXPECT_EQ(scan(), (names_t{L"/Sunset1.jpg"}));
  // Empty items between separators carry no pattern.
  settings.filename_include_strings = L";sunset;;";
  settings.skip_files = L"thumbs.db;;";
  EXPECT_EQ(scan(), (names_t{L"/Sunset1.jpg"}));
}

TEST_F(ScanFolder, SkippedFolders) {
  dir.write_each(
      {"old/a.txt", "old/x/b.txt", "older/c.txt", "keep/temp/d.txt", "keep/e.txt", "temp/f.txt"});
  settings.skip_folders = root() + L"/old/*;*/temp";
  EXPECT_EQ(scan(), (names_t{L"/keep/e.txt"}));
  settings.skip_folders = root() + L"/OLD";  // one folder, any case
  EXPECT_EQ(scan().size(), 4u);
  settings.skip_folders = root();  // the top folder itself
  EXPECT_TRUE(scan().empty());
}

TEST_F(ScanFolder, IncludedFoldersAndTheRootRule) {
  dir.write_each({"top.txt", "photos/p.jpg", "photos/2020/q.jpg", "other/photos/r.jpg"});
  settings.included_folders = L"*/photos*";
  settings.process_root_with_included_folders = 0;
  EXPECT_EQ(scan(), (names_t{L"/photos/2020/q.jpg", L"/photos/p.jpg"}));
  settings.process_root_with_included_folders = 1;
  EXPECT_EQ(scan(), (names_t{L"/photos/2020/q.jpg", L"/photos/p.jpg", L"/top.txt"}));
  // The rule compares against the configured root, also when given with a separator.
  settings.process_root_with_included_folders = 0;
  context.root_folder = root() + L"/";
  EXPECT_EQ(scan().size(), 2u);
}

TEST_F(ScanFolder, DepthLimitCountsTheTopFolderAsOne) {
  // z/z.txt, a sibling after a deep branch, is still reached.
  dir.write_each({"r.txt", "a/a.txt", "a/b/b.txt", "a/b/c/c.txt", "z/z.txt"});
  settings.max_search_depth2 = 2;
  EXPECT_EQ(scan(), (names_t{L"/a/a.txt", L"/a/b/b.txt", L"/r.txt", L"/z/z.txt"}));
  settings.max_search_depth2 = 1;
  EXPECT_EQ(scan(), (names_t{L"/a/a.txt", L"/r.txt", L"/z/z.txt"}));
}

TEST_F(ScanFolder, DotNamesNeverAppear) {
  dir.write_each({".htaccess", ".hidden/in_hidden.txt", "shown.txt"});
  EXPECT_EQ(scan(), (names_t{L"/shown.txt"}));
  EXPECT_EQ(scan(true, L".*"), names_t{});
}

TEST_F(ScanFolder, ProgressCountsAndCancellation) {
  dir.write_each({"a.txt", "one/b.txt", "one/c.txt", "two/d.txt"});
  build_progress progress;
  progress.notify = 1;
  std::vector<std::wstring> announced;
  progress.callback = [&](build_progress& p) { announced.push_back(p.current_folder); };
  context.progress = &progress;
  EXPECT_EQ(scan().size(), 4u);
  EXPECT_TRUE(last_result);
  EXPECT_EQ(progress.rows_total, 4);
  EXPECT_EQ(progress.pages, 2);
  // Each subfolder is announced on entry (and once more as its scan begins).
  EXPECT_NE(std::find(announced.begin(), announced.end(), root() + L"/one"), announced.end());
  EXPECT_NE(std::find(announced.begin(), announced.end(), root() + L"/two"), announced.end());

  progress.current_folder.clear();
  progress.callback = [&](build_progress& p) {
    if (p.current_folder == root() + L"/two") p.cancelled = true;
  };
  names_t partial = scan();
  EXPECT_FALSE(last_result);
  EXPECT_EQ(partial, (names_t{L"/a.txt", L"/one/b.txt", L"/one/c.txt"}));
}

TEST_F(ScanFolder, ExtensionAndLinkTitlesOnlyWhenNeeded) {
  dir.write("page.html", "<html><head><title>/Welcome home</title></head></html>");
  dir.write("notes.txt", "");
  settings.sort_kind = sort_by_extension;
  entry_list list = scan_list();
  ASSERT_EQ(list.size(), 2u);
  ASSERT_NE(list[0].extension, nullptr);
  EXPECT_EQ(*list[0].extension, L"html");

  settings.sort_kind = sort_by_name;
  settings.use_html_titles_for_links = 1;
  settings.max_file_chars2 = 10;
  list = scan_list();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].name, L"page.html");
  EXPECT_EQ(list[0].name_key, L"/WELCOME HOME");  // the key is taken before the "/" goes
  ASSERT_NE(list[0].link_title, nullptr);
  EXPECT_EQ(*list[0].link_title, L"Welco...me");
  ASSERT_NE(list[1].link_title, nullptr);
  EXPECT_EQ(*list[1].link_title, L"notes.txt");
  EXPECT_EQ(list[1].name_key, L"NOTES.TXT");
}

TEST_F(ScanFolder, LinksAreFollowedButCyclesEnd) {
  dir.write("real/file.txt", "abc");
  fs::create_directory_symlink(dir.path() / "real", dir.path() / "alias");
  fs::create_directory_symlink(dir.path(), dir.path() / "real" / "up");  // back to the top
  fs::create_symlink(dir.path() / "real" / "file.txt", dir.path() / "link.txt");
  fs::create_symlink(dir.path() / "nowhere", dir.path() / "dangling.txt");
  entry_list list = scan_list();
  names_t found;
  for (const auto& entry : list.items)
    found.push_back(entry->folder_path() + std::wstring(entry->name));
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (names_t{L"/alias/file.txt", L"/link.txt", L"/real/file.txt"}));
  for (const auto& entry : list.items) EXPECT_EQ(entry->size, 3);
}

TEST_F(ScanFolder, NamesThatAreNotUtf8KeepTheirBytes) {
  const std::string raw = "caf\xff\xfe.txt";
  dir.write(raw, "x");
  dir.write("sub\xff/inner.txt", "y");
  entry_list list = scan_list();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(to_native(list[1].name), raw);
  EXPECT_EQ(to_native(list[0].folder_path()), "/sub\xff/");
  EXPECT_TRUE(fs::exists(dir.path() / to_native(list[1].name)));
}

TEST_F(ScanFolder, UnreadableFolderIsPassedOver) {
  dir.write_each({"locked/secret.txt", "open/visible.txt"});
  fs::permissions(dir.path() / "locked", fs::perms::none);
  // Root reads every folder, so the scan runs as an unprivileged user.
  const auto passed =
      testing::run_unprivileged([&] { return scan() == names_t{L"/open/visible.txt"}; });
  if (!passed) GTEST_SKIP() << "cannot run the scan without root's rights here";
  EXPECT_TRUE(*passed);
}

TEST(ScanFolderPath, MakesFullPathsWithoutTrailingSeparators) {
  EXPECT_EQ(scan_folder_path(L"/a/b/"), L"/a/b");
  EXPECT_EQ(scan_folder_path(L"/a//./b/../c"), L"/a/c");
  EXPECT_EQ(scan_folder_path(L"/"), L"/");
  EXPECT_EQ(scan_folder_path(L"/.."), L"/");
  EXPECT_TRUE(starts_with(scan_folder_path(L"rel"), L"/"));
  EXPECT_TRUE(ends_with(scan_folder_path(L"rel"), L"/rel"));
}

}  // namespace
}  // namespace tabulon

namespace tabulon {
namespace {

// The folder table hands its listing to the scan of the same page: the scan
// takes it instead of reading the folder again (a name that is only in the
// listing shows that), ignores a listing of another folder, and never keeps
// one for a later scan.
TEST(ScanListing, TakesTheListingOfItsOwnFolderOnce) {
  testing::temp_dir dir;
  dir.write("on_disk.txt", "1");
  const std::wstring root = from_native(dir.path().native());
  build_settings settings;
  scan_context context;
  context.settings = &settings;
  context.root_folder = root;
  auto scan_names = [&](bool all_in_one) {
    context.all_in_one = all_in_one;
    context.base_folder.clear();
    entry_list list;
    int32_t depth = 0;
    EXPECT_TRUE(scan_folder(context, root, L"*.*", depth, list));
    std::vector<std::wstring> names;
    for (const auto& e : list.items) names.emplace_back(e->name);
    std::sort(names.begin(), names.end());
    return names;
  };
  dir_item listed;
  listed.size = 5;
  auto listing = [&] {
    dir_listing one;
    one.add(L"only_listed.txt", listed);
    one.sort_by_name();
    return one;
  };
  for (const bool all_in_one : {false, true}) {
    context.listed_folder = root;
    context.listed_items = listing();
    EXPECT_EQ(scan_names(all_in_one), std::vector<std::wstring>{L"only_listed.txt"});
    EXPECT_TRUE(context.listed_folder.empty());
    EXPECT_TRUE(context.listed_items.empty());
    EXPECT_EQ(scan_names(all_in_one), std::vector<std::wstring>{L"on_disk.txt"});
  }
  context.listed_folder = root + L"/elsewhere";
  context.listed_items = listing();
  EXPECT_EQ(scan_names(false), std::vector<std::wstring>{L"on_disk.txt"});
  EXPECT_TRUE(context.listed_items.empty());
}

}  // namespace
}  // namespace tabulon
