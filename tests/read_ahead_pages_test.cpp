// End to end: reading folders ahead on worker threads changes nothing in the
// pages. Ordinary and hostile trees are built in every mode, with every
// bundled script, sort type and character set and the folder filters, once
// with the reader off and once on, and every page is compared byte for byte.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "app/config_file.h"
#include "app/run_configured_build.h"
#include "base/wide_string.h"
#include "engine/html_generator.h"
#include "tests/support/site_checks.h"

namespace tabulon::testing {
namespace {

namespace fs = std::filesystem;

using page_bytes = std::map<std::wstring, std::string>;

// A tree with more folders than the reader keeps ahead, deep and wide
// branches, empty folders, links to folders (one back up the branch, one to
// a sibling, so the same folder is listed twice) and a large folder.
fs::path make_ordinary_tree(const temp_dir& dir) {
  const fs::path tree = make_example_tree(dir, "ordinary");
  for (int i = 0; i < 90; ++i) {
    const std::string top = "wide/f" + std::to_string(i % 30) + "/";
    dir.write("ordinary/" + top + "g" + std::to_string(i) + "/file" + std::to_string(i) + ".txt",
              std::string(static_cast<size_t>(i * 37 % 500), 'x'));
  }
  std::string deep = "ordinary/deep";
  for (int level = 0; level < 12; ++level) {
    deep += "/level" + std::to_string(level);
    dir.write(deep + "/page" + std::to_string(level) + ".html",
              "<html><head><title>Level " + std::to_string(level) + "</title></head></html>");
  }
  for (int i = 0; i < 400; ++i)
    dir.write("ordinary/big/item " + std::to_string(i) + ".dat", std::string(i % 7, 'y'));
  dir.mkdir("ordinary/empty/inner");
  fs::create_directory_symlink(tree / "deep", tree / "deep" / "level0" / "back up");
  fs::create_directory_symlink(tree / "wide" / "f3", tree / "alias of f3");
  return tree;
}

// Names that markup, links, shells and encodings trip over.
fs::path make_hostile_tree(const temp_dir& dir) {
  const fs::path tree = dir.mkdir("hostile");
  const char* names[] = {"a \"quoted\" <name>.txt",
                         "amp & semi;.txt",
                         "100% done.txt",
                         "javascript:alert(1).html",
                         "caf\xc3\xa9 \xe2\x82\xac.txt",
                         "bad \xff\xfe bytes.txt",
                         "back\\slash.txt",
                         "hash#frag?.txt",
                         " lead and trail .txt",
                         "UPPER.TXT",
                         "upper.txt",
                         "no_extension"};
  const char* folders[] = {"d:ir",
                           "<b>",
                           "sp ace",
                           "\xc3\xbc"
                           "ber",
                           "x\xff",
                           "a-b",
                           "a b",
                           "a_b",
                           "a/b"};
  for (const char* folder : folders) {
    for (const char* name : names) dir.write("hostile/" + std::string(folder) + "/" + name, name);
  }
  for (const char* name : names) dir.write("hostile/" + std::string(name), name);
  dir.write("hostile/.hidden/secret.txt", "s");
  dir.write("hostile/<b>/deeper/\"q\"/leaf.txt", "leaf");
  return tree;
}

class ReadAheadPages : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path prog = dir.mkdir("prog");
    fs::copy(fs::path(TABULON_SOURCE_DIR) / "share", prog, fs::copy_options::recursive);
    program_folder = from_native(prog.string()) + L"/";
    trees = {make_ordinary_tree(dir), make_hostile_tree(dir)};
  }

  // The pages one build writes, read and then removed, so the next build
  // meets the same tree.
  page_bytes build(const fs::path& config, bool read_ahead) {
    const config_context context{program_folder, from_native(dir.path().string())};
    build_settings settings;
    ini_store store;
    EXPECT_TRUE(read_configuration(settings, store, from_native(config.string()), context).ok);
    settings.program_folder = program_folder;
    html_generator generator(settings);
    generator.scan.read_ahead = read_ahead;
    const build_result result = run_configured_build(generator, nullptr);
    EXPECT_TRUE(result.failed_pages.empty());
    page_bytes pages;
    for (const std::wstring& path : result.written_files) {
      pages[path] = read_bytes(to_native(path));
      fs::remove(to_native(path));
    }
    return pages;
  }

  // Builds `keys` over every tree with the reader off and on and compares.
  void check(const config_keys& keys) {
    for (const fs::path& tree : trees) {
      config_keys all = {{"path", tree.string()},     {"file_spec", "*.*"},
                         {"title", "%%DIR"},          {"include_filesize", "TRUE"},
                         {"include_date", "TRUE"},    {"include_time", "TRUE"},
                         {"include_summary", "TRUE"}, {"include_subfolders", "TRUE"}};
      all.insert(all.end(), keys.begin(), keys.end());
      const fs::path config = write_config(dir, "same.init", all);
      std::string trace;
      for (const auto& [key, value] : all) trace += key + "=" + value + " ";
      SCOPED_TRACE(trace);
      page_bytes off = build(config, false);
      page_bytes on = build(config, true);
      // Pages carry the time of the build to the minute: a pair of builds
      // that straddles a minute is built once more.
      if (on != off) {
        off = build(config, false);
        on = build(config, true);
      }
      ASSERT_FALSE(off.empty());
      ASSERT_EQ(on.size(), off.size());
      for (const auto& [path, bytes] : off) {
        const auto other = on.find(path);
        ASSERT_NE(other, on.end()) << wide_to_utf8(path);
        EXPECT_TRUE(other->second == bytes) << wide_to_utf8(path);
      }
      ++compared;
      pages += off.size();
    }
  }

  temp_dir dir;
  std::wstring program_folder;
  std::vector<fs::path> trees;
  size_t compared = 0, pages = 0;
};

const config_keys kSingle = {{"recursive_build", "FALSE"}};
const config_keys kAllInOne = {{"recursive_build", "TRUE"},
                               {"recursive_build_single_file", "FALSE"},
                               {"sort_folders_first", "TRUE"},
                               {"show_folder_names", "TRUE"},
                               {"folder_anchors", "TRUE"}};
const config_keys kAllInOneFlat = {{"recursive_build", "TRUE"},
                                   {"recursive_build_single_file", "FALSE"},
                                   {"show_folder_names", "FALSE"}};
const config_keys kPerFolder = {{"recursive_build", "TRUE"},
                                {"recursive_build_single_file", "TRUE"},
                                {"supress_parent_link", "FALSE"}};

config_keys with(config_keys keys, const config_keys& more) {
  keys.insert(keys.end(), more.begin(), more.end());
  return keys;
}

TEST_F(ReadAheadPages, EveryScriptInEveryMode) {
  for (const auto& item : fs::directory_iterator(fs::path(TABULON_SOURCE_DIR) / "share/Scripts")) {
    const std::string script = item.path().filename().string();
    if (item.path().extension() == ".match" || script.find("frame") != std::string::npos) continue;
    for (const config_keys& mode : {kSingle, kAllInOne, kAllInOneFlat, kPerFolder})
      check(with(mode, {{"custom_html_filename", "Scripts/" + script}}));
  }
  check({{"recursive_build", "TRUE"},
         {"build_framed_site", "TRUE"},
         {"frameset_file", "Scripts/frameset.txt"},
         {"left_frame_file", "Scripts/left_frame.txt"},
         {"right_frame_file", "Scripts/right_frame.txt"}});
  RecordProperty("pages", static_cast<int>(pages));
}

TEST_F(ReadAheadPages, EverySortTypeAndCharset) {
  // Random order is drawn afresh for every build, so it has nothing to compare.
  for (const char* sort : {"N+", "N-", "S+", "S-", "E+", "E-", "D+", "D-", "A+", "A-", "U+"}) {
    for (const char* charset : {"ANSI", "UTF_8", "UTF_16LE"}) {
      for (const config_keys& mode : {kAllInOne, kPerFolder})
        check(with(mode, {{"sort_type", sort}, {"charset", charset}}));
    }
  }
}

TEST_F(ReadAheadPages, FolderFiltersDepthAndTitles) {
  const std::string skip = (trees[0] / "wide").string() + "/*;*/level3;*/<b>";
  for (const config_keys& mode : {kAllInOne, kAllInOneFlat, kPerFolder}) {
    check(with(mode, {{"skip_folders", skip}}));
    check(with(mode, {{"max_search_depth2", "1"}}));
    check(with(mode, {{"max_search_depth2", "3"}, {"file_spec", "*.txt;*"}}));
    check(with(mode, {{"included_folders", "*/deep*;*/f1*"},
                      {"process_root_with_included_folders", "FALSE"}}));
    check(with(mode, {{"use_html_titles_for_links", "TRUE"}, {"file_sizes", "10 - 300"}}));
    check(with(mode, {{"multi_recurse_skip_root", "TRUE"}, {"skip_files", "*.html"}}));
  }
}

}  // namespace
}  // namespace tabulon::testing
