// End to end: a tree of hostile names (markup, quotes, URL delimiters, names
// that read as URL schemes, bytes that are not UTF-8, 255-byte names, deep
// folders, case twins, link loops, dangling links, an unreadable folder and
// empty folders), built in every mode with full path links on and off. Every
// page the build writes must link only to files and folders that exist, reach
// each of its anchors exactly once, carry no name as raw markup, and between
// them the pages must link every file the settings select.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/support/site_checks.h"
#include "tests/support/unprivileged.h"

namespace tabulon::testing {
namespace {

namespace fs = std::filesystem;

// File names at the root of the tree (each also appears in a folder below).
const std::vector<std::string> kHostileFiles = {
    "<b>bold</b>.txt",
    "\"quoted\".txt",
    "it's.txt",
    "q?x.txt",
    "hash#1.txt",
    "50%.txt",
    "%41%2F.txt",
    "a&b.txt",
    "&amp;.txt",
    "semi;colon.txt",
    "back\\slash.txt",
    "tab\there.txt",
    "new\nline.txt",
    "javascript:alert(1)",
    "http:x.txt",
    "C:drive.txt",
    "x:y.txt",
    "caf\xff\xfe.txt",
    "a.txt",
    "A.txt",
    "INDEX.HTML",
    "Index.Html",
    std::string(251, 'n') + ".txt",
};

// Folders, each holding one file of its own name and kind.
const std::vector<std::string> kHostileFolders = {
    "d:ir",         "<i>dir</i>",   "a \"b\" c",           "q?d",         "h#d", "p%d", "&d",
    "javascript:x", "bad\xff",      "fp-compiler-3.2.2",   "fp-compiler", "a b", "a_b", "a_b-2",
    "Index.html",   "INDEX.HTML.d", std::string(255, 'd'),
};

void write_file(const fs::path& file, const std::string& bytes = "x") {
  fs::create_directories(file.parent_path());
  std::FILE* out = std::fopen(file.c_str(), "wb");
  ASSERT_NE(out, nullptr) << file;
  std::fwrite(bytes.data(), 1, bytes.size(), out);
  std::fclose(out);
}

void make_hostile_tree(const fs::path& root) {
  for (const std::string& name : kHostileFiles) write_file(root / name);
  for (const std::string& name : kHostileFolders) {
    write_file(root / name / "inside.txt");
    write_file(root / name / "<s>.txt");
  }
  write_file(root / "fp-compiler" / "3.2.2" / "second.txt");
  write_file(root / "d:ir" / "e:f" / "g:h.txt");
  // 40 levels of folders.
  fs::path deep = root / "deep";
  for (int level = 1; level <= 40; ++level) deep /= "l" + std::to_string(level);
  write_file(deep / "bottom.txt");
  // Links: to a file, nowhere, back up the tree, and to a sibling folder.
  fs::create_symlink("a.txt", root / "link to a.txt");
  fs::create_symlink("nowhere.txt", root / "dangling.txt");
  write_file(root / "loop" / "in loop.txt");
  fs::create_directory_symlink("..", root / "loop" / "back");
  fs::create_directory_symlink("d:ir", root / "alias");
  // A folder that cannot be read, and empty folders.
  write_file(root / "locked" / "secret.txt");
  fs::create_directories(root / "empty");
  fs::create_directories(root / "empty too" / "and below");
  // Left out by every build: dot names.
  write_file(root / ".hidden.txt");
  write_file(root / ".dot" / "inside.txt");
}

// Every regular file the scan should find: below the root, or only in it;
// not through links to folders (the scan follows those, but they add nothing
// here), not in dot folders or the unreadable one.
std::set<fs::path> selected_files(const fs::path& root, bool whole_tree) {
  std::set<fs::path> files;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(root, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const bool folder = it->is_directory(ec) && !it->is_symlink(ec);
    if (folder && (!whole_tree || name[0] == '.' || name == "locked")) {
      it.disable_recursion_pending();
      continue;
    }
    if (name[0] != '.' && fs::is_regular_file(it->path(), ec)) files.insert(it->path());
  }
  return files;
}

std::set<fs::path> all_files(const fs::path& root) {
  std::set<fs::path> files;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(root, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_regular_file(ec) && !it->is_symlink(ec)) files.insert(it->path());
  }
  return files;
}

struct mode {
  const char* name;
  config_keys keys;
  bool whole_tree;
};

std::vector<mode> build_modes() {
  return {
      {"single folder", {{"recursive_build", "FALSE"}}, false},
      {"all links in one file",
       {{"recursive_build", "TRUE"},
        {"recursive_build_single_file", "FALSE"},
        {"sort_folders_first", "TRUE"},
        {"show_folder_names", "TRUE"},
        {"folder_anchors", "TRUE"}},
       true},
      {"one file per folder",
       {{"recursive_build", "TRUE"},
        {"recursive_build_single_file", "TRUE"},
        {"recurse_link_folders_to_default_filename", "TRUE"}},
       true},
      {"framed site",
       {{"recursive_build", "TRUE"}, {"build_framed_site", "TRUE"}, {"doctype", "html_5"}},
       true},
  };
}

struct tally {
  size_t pages = 0;
  size_t links = 0;
  size_t anchor_links = 0;
  size_t files = 0;
};

// How often `id` is the id of an element of `page`, taking it as written
// or, as a browser does next, percent-decoded.
size_t id_count(const std::vector<std::string>& ids, const std::string& id) {
  size_t n = 0;
  for (const std::string& candidate : ids)
    if (candidate == id || candidate == percent_decoded(id)) ++n;
  return n;
}

// Checks one page; adds every file it links to `linked`.
void check_page(const fs::path& page_file, std::set<fs::path>& linked, tally& count) {
  const std::string page = read_bytes(page_file);
  const std::vector<std::string> ids = attribute_values(page, "id");
  EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size())
      << "an id twice in " << page_file;
  std::vector<std::string> links = attribute_values(page, "href");
  for (const std::string& src : attribute_values(page, "src")) links.push_back(src);
  for (const std::string& raw : links) {
    ++count.links;
    const std::string link = entity_decoded(raw);
    std::string target = link;
    fs::path base = page_file.parent_path();
    if (target.rfind("File://", 0) == 0 || target.rfind("file://", 0) == 0) {
      target.erase(0, 7);
      base.clear();
    } else {
      const std::string first_segment = target.substr(0, target.find_first_of("/?#"));
      EXPECT_EQ(first_segment.find(':'), std::string::npos)
          << "reads as a URL scheme: " << raw << " in " << page_file;
    }
    std::string fragment;
    if (const size_t hash = target.find('#'); hash != std::string::npos) {
      fragment = target.substr(hash + 1);
      target.erase(hash);
    }
    if (target.empty()) {
      ++count.anchor_links;
      EXPECT_EQ(id_count(ids, fragment), 1u) << "anchor " << raw << " in " << page_file;
      continue;
    }
    EXPECT_EQ(target.find('?'), std::string::npos) << raw;
    const fs::path resolved = (base / percent_decoded(target)).lexically_normal();
    std::error_code ec;
    EXPECT_TRUE(fs::exists(resolved, ec)) << "broken: " << raw << " in " << page_file;
    if (fs::is_regular_file(resolved, ec)) linked.insert(resolved);
  }
  // Names with markup characters never appear as they are.
  for (const auto* names : {&kHostileFiles, &kHostileFolders}) {
    for (const std::string& name : *names) {
      if (name.find_first_of("<>\"") == std::string::npos) continue;
      EXPECT_EQ(page.find(name), std::string::npos) << name << " raw in " << page_file;
    }
  }
  EXPECT_EQ(page.find("<s>"), std::string::npos) << page_file;
}

void build_and_check(const mode& m, bool full_paths, tally& count) {
  SCOPED_TRACE(std::string(m.name) + (full_paths ? ", full path links" : ""));
  temp_dir dir;
  const fs::path tree = dir.path() / "tree";
  make_hostile_tree(tree);
  const fs::path out = dir.path() / "out";
  fs::create_directories(out);
  const std::set<fs::path> selected = selected_files(tree, m.whole_tree);
  const std::set<fs::path> before = all_files(tree);

  const fs::path script = dir.write(
      "script.txt", "/HEAD\n<meta name=\"x\" content=\"%%FOLDER\">\n/START\n<h1>%%DIR</h1>\n");
  config_keys keys = {{"path", tree.string()},
                      {"custom_html_filename", script.string()},
                      {"charset", "UTF_8"},
                      {"file_spec", "*.*"},
                      {"skip_files", ""},
                      {"include_subfolders", "TRUE"},
                      {"supress_parent_link", "FALSE"},
                      {"max_search_depth2", "0"},
                      {"title", "%%DIR"},
                      {"full_pathname_links", full_paths ? "TRUE" : "FALSE"}};
  for (const auto& key : m.keys) keys.push_back(key);
  const fs::path config = write_config(dir, "hostile.init", keys);

  ASSERT_TRUE(give_to_unprivileged_user(tree));
  ASSERT_TRUE(give_to_unprivileged_user(out));
  // The build folder may sit below a folder only root can enter (a CI clone
  // in a private temporary folder), so the unprivileged build runs a copy
  // with the scripts it finds beside itself.
  const fs::path exe = dir.path() / "bin" / "tabulon";
  fs::create_directories(exe.parent_path());
  fs::copy_file(tabulon_exe(), exe);
  fs::copy(tabulon_exe().parent_path() / "Scripts", exe.parent_path() / "Scripts",
           fs::copy_options::recursive);
  fs::permissions(exe, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                           fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(tree / "locked", fs::perms::none);
  const fs::path report = out / "stderr.txt";
  // Root reads every folder, so the build runs as an unprivileged user.
  const std::optional<bool> clean = run_unprivileged([&] {
    const program_result r = run_program(exe, {config.string()});
    if (std::FILE* f = std::fopen(report.c_str(), "wb")) {
      std::fwrite(r.err.data(), 1, r.err.size(), f);
      std::fclose(f);
    }
    return r.exit_status == 0;
  });
  if (!clean) GTEST_SKIP() << "cannot run the build without root's rights here";
  EXPECT_TRUE(*clean) << read_bytes(report);
  fs::permissions(tree / "locked", fs::perms::owner_all);

  std::set<fs::path> pages;
  for (const fs::path& file : all_files(tree))
    if (!before.count(file)) pages.insert(file);
  ASSERT_FALSE(pages.empty());
  std::set<fs::path> linked;
  for (const fs::path& page : pages) check_page(page, linked, count);
  for (const fs::path& file : selected) EXPECT_TRUE(linked.count(file)) << "not linked: " << file;
  // The unreadable folder was passed over (so the build really ran unprivileged).
  EXPECT_FALSE(linked.count(tree / "locked" / "secret.txt"));
  count.pages += pages.size();
  count.files += selected.size();
}

TEST(HostileNames, EveryModeWritesSafeWorkingLinks) {
  tally count;
  for (const mode& m : build_modes()) {
    for (const bool full_paths : {false, true}) {
      build_and_check(m, full_paths, count);
      if (::testing::Test::IsSkipped() || ::testing::Test::HasFatalFailure()) return;
    }
  }
  std::printf("checked %zu pages, %zu links (%zu of them anchor links), %zu selected files\n",
              count.pages, count.links, count.anchor_links, count.files);
  RecordProperty("pages", static_cast<int>(count.pages));
  RecordProperty("links", static_cast<int>(count.links));
  RecordProperty("files", static_cast<int>(count.files));
}

}  // namespace
}  // namespace tabulon::testing
