// The shell script that "Save batch/vbs file" writes rebuilds, byte for byte,
// the pages that the window's Build writes in the program itself for the
// same settings: the settings go through the configuration writer and reader,
// and the script starts the real executable.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "app/config_file.h"
#include "app/run_configured_build.h"
#include "base/wide_string.h"
#include "engine/html_generator.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/site_checks.h"
#include "ui/batch_file.h"

namespace tabulon::testing {
namespace {

namespace fs = std::filesystem;

// Sections of every table, and no date or time of the build, so that two
// builds a minute apart write the same bytes.
constexpr std::string_view kScript =
    "/HEAD\n<style>td.size { text-align: right; }</style>\n"
    "/START\n<h1>%%FOLDER</h1><p>%%SPEC in %%DIR</p>\n"
    "/FOLDER_TD\nclass=\"folder\"\n"
    "/FILE_TD\nclass=\"file\"\n"
    "/FILE_TD2\nclass=\"file odd\"\n"
    "/SIZE_TD\nclass=\"size\"\n"
    "/ANCHOR\n<a href=\"#top\">top</a> %%ANCHOR_TOTAL_FILES%\n"
    "/END\n<p>%%TOTAL_FILES% files, %%TOTAL_FILE_SIZE%; %%VERSION</p>\n";

// The shell must take these characters literally.
constexpr const char* kBatchFolder = "Ann's batch $HOME `x`";

using page_bytes = std::map<std::wstring, std::string>;

page_bytes take_pages(const std::vector<std::wstring>& written) {
  page_bytes pages;
  for (const std::wstring& path : written) {
    pages[path] = read_bytes(to_native(path));
    fs::remove(to_native(path));
  }
  return pages;
}

class BatchScript : public ::testing::Test {
 protected:
  void SetUp() override {
    // A program folder of its own with the executable and its data, so that
    // the settings file and general.init land here and not in the build tree.
    const fs::path prog = dir.mkdir("prog");
    fs::copy_file(tabulon_exe(), prog / "tabulon");
    fs::copy(fs::path(TABULON_SOURCE_DIR) / "share", prog, fs::copy_options::recursive);
    program_folder = from_native(prog.string()) + L"/";
    tree = make_example_tree(dir, "site");
    script = dir.write("look.txt", kScript);
    dir.mkdir(kBatchFolder);
  }

  // Reads `keys` the way the window does at start, saves the batch files as
  // F7 does, builds in-process as F3 does, then runs the shell script.
  void check_same_pages(const config_keys& keys) {
    config_keys all = {{"path", tree.string()},
                       {"custom_html_filename", script.string()},
                       {"include_date", "TRUE"},
                       {"include_summary", "TRUE"}};
    all.insert(all.end(), keys.begin(), keys.end());
    const fs::path config = write_config(dir, "start.init", all);
    const config_context context{program_folder, from_native(dir.path().string())};
    build_settings settings;
    ini_store store;
    ASSERT_TRUE(read_configuration(settings, store, from_native(config.string()), context).ok);
    settings.program_folder = program_folder;

    interface_text_table texts;
    std::wstring remembered;
    scripted_prompts ui;
    recording_shell shell;
    const std::wstring batch = from_native((dir.path() / kBatchFolder / "build_html.bat").string());
    ui.file_answers = {batch};
    batch_save_request request{
        settings, store, context, texts, remembered, batch_program{program_folder, L"tabulon"}, {}};
    ASSERT_EQ(save_batch_files(request, ui, shell).result, batch_save_result::written);

    const std::set<fs::path> before = html_files();
    build_settings window_copy = settings;
    html_generator generator(window_copy);
    ASSERT_GT(run_configured_build(generator, nullptr).pages_written(), 0u);
    const page_bytes in_process = take_pages(generator.written_files);
    ASSERT_EQ(html_files(), before);

    const program_result run =
        run_program(dir.path() / kBatchFolder / "build_html.sh", {}, dir.path() / kBatchFolder);
    ASSERT_EQ(run.exit_status, 0) << run.err;
    for (const auto& [path, bytes] : in_process) {
      SCOPED_TRACE(wide_to_utf8(path));
      EXPECT_EQ(read_bytes(to_native(path)), bytes);
    }
    // Nothing more either.
    std::set<fs::path> expected = before;
    for (const auto& [path, bytes] : in_process) expected.insert(to_native(path));
    EXPECT_EQ(html_files(), expected);
    EXPECT_GT(in_process.size(), 0u);
  }

  std::set<fs::path> html_files() const {
    std::set<fs::path> found;
    for (const auto& item : fs::recursive_directory_iterator(tree))
      if (item.path().extension() == ".html") found.insert(item.path());
    return found;
  }

  temp_dir dir;
  std::wstring program_folder;
  fs::path tree, script;
};

TEST_F(BatchScript, AllLinksInOneFileGrouped) {
  check_same_pages({{"recursive_build", "TRUE"},
                    {"recursive_build_single_file", "FALSE"},
                    {"sort_folders_first", "TRUE"},
                    {"show_folder_names", "TRUE"},
                    {"folder_anchors", "TRUE"},
                    {"include_subfolders", "TRUE"},
                    {"file_columns2", "2"}});
}

TEST_F(BatchScript, OneFilePerFolderWithFormatsOfItsOwn) {
  check_same_pages({{"recursive_build", "TRUE"},
                    {"recursive_build_single_file", "TRUE"},
                    {"supress_parent_link", "FALSE"},
                    {"include_subfolders", "TRUE"},
                    {"date_dropdown", "6"},
                    {"euro_separator", "."},
                    {"number_format", "1"},
                    {"file_size_display_type", "0"},
                    {"sort_type", "S-"},
                    {"charset", "UTF_16LE"},
                    {"doctype", "xhtml_strict"}});
}

TEST_F(BatchScript, FramedSiteWithTheBundledFrameScripts) {
  check_same_pages({{"recursive_build", "TRUE"},
                    {"build_framed_site", "TRUE"},
                    {"frameset_file", "Scripts/frameset.txt"},
                    {"left_frame_file", "Scripts/left_frame.txt"},
                    {"right_frame_file", "Scripts/right_frame.txt"}});
}

}  // namespace
}  // namespace tabulon::testing
