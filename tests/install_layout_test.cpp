// The installed program: `cmake --install` into a temporary prefix, then runs
// of the installed tabulon with a home of its own. The data comes from
// PREFIX/share/tabulon/, the settings go to the user folder, and nothing is
// written below the prefix.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"

namespace tabulon::testing {
namespace {

namespace fs = std::filesystem;

std::set<std::string> files_below(const fs::path& root) {
  std::set<std::string> names;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    names.insert(fs::relative(e.path(), root).string());
  }
  return names;
}

// One prefix and one home per test, so tests may run side by side.
class InstalledTabulon : public ::testing::Test {
 protected:
  void SetUp() override {
    const program_result install =
        run_program(TABULON_CMAKE, {"--install", TABULON_BUILD_DIR, "--prefix", prefix().string()});
    ASSERT_EQ(install.exit_status, 0) << install.out << install.err;
    ASSERT_TRUE(fs::exists(prefix() / "bin/tabulon"));
    installed_files_ = files_below(prefix());
    work_.write("tree/a.txt", "a");
    work_.write("tree/sub/b.txt", "b");
  }

  fs::path prefix() const { return work_.path() / "prefix"; }
  fs::path home() const { return work_.path() / "home"; }
  fs::path user_folder() const { return home() / "config/tabulon"; }
  fs::path tree() const { return work_.path() / "tree"; }

  // A configuration that writes one page for the tree with `script`.
  std::string config(const std::string& script) const {
    return "[TABULON]\npath=" + tree().string() +
           "\nrecursive_build=TRUE\nrecursive_build_single_file=FALSE\n"
           "output_filename=index.html\ncustom_html_filename=" +
           script + "\n";
  }

  program_result run(const std::string& config_name, const fs::path& cwd = {}) const {
    fs::create_directories(home());
    return run_program(
        "/usr/bin/env",
        {"HOME=" + home().string(), "XDG_CONFIG_HOME=" + (home() / "config").string(),
         (prefix() / "bin/tabulon").string(), config_name},
        cwd.empty() ? work_.path() : cwd);
  }

  std::string page() const { return read_bytes(tree() / "index.html"); }
  bool prefix_unchanged() const { return files_below(prefix()) == installed_files_; }

  temp_dir work_;
  std::set<std::string> installed_files_;
};

TEST_F(InstalledTabulon, ReadsTheDataFolderAndWritesTheUserFolder) {
  EXPECT_TRUE(fs::is_directory(prefix() / "share/tabulon/Scripts"));
  EXPECT_TRUE(fs::exists(prefix() / "share/tabulon/help/tabulon_help.html"));
  EXPECT_TRUE(fs::exists(prefix() / "share/man/man1/tabulon.1.gz") ||
              fs::exists(prefix() / "share/man/man1/tabulon.1"));
  EXPECT_TRUE(fs::exists(prefix() / "share/applications/tabulon.desktop"));
  EXPECT_TRUE(fs::exists(prefix() / "share/icons/hicolor/scalable/apps/tabulon.svg"));
  EXPECT_TRUE(fs::exists(prefix() / "share/doc/tabulon/example.init"));
  EXPECT_FALSE(fs::exists(prefix() / "bin/Scripts")) << "data beside the executable";

  const fs::path cfg = work_.write("site.init", config("Scripts/tan.txt"));
  const program_result r = run(cfg.string());
  EXPECT_EQ(r.exit_status, 0) << r.err;
  EXPECT_NE(page().find("#eadcc0"), std::string::npos) << "the installed tan script was used";
  EXPECT_NE(page().find("sub"), std::string::npos);
  // A batch build saves no settings, so the user folder is not made yet; and
  // nothing lands beside the executable or elsewhere below the prefix.
  EXPECT_FALSE(fs::exists(user_folder()));
  EXPECT_TRUE(prefix_unchanged());

  const program_result help = run("--help");
  EXPECT_NE(help.out.find(".config/tabulon/"), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("user folder    " + user_folder().string() + "/\n"), std::string::npos)
      << help.out;
  EXPECT_NE(help.out.find("data folder    " + (prefix() / "share/tabulon/").string()),
            std::string::npos)
      << help.out;
}

TEST_F(InstalledTabulon, UserScriptOfTheSameNameWins) {
  std::string mine = read_bytes(prefix() / "share/tabulon/Scripts/tan.txt");
  ASSERT_FALSE(mine.empty());
  for (size_t at = mine.find("#eadcc0"); at != std::string::npos; at = mine.find("#eadcc0", at)) {
    mine.replace(at, 7, "#123abc");
  }
  work_.write("home/config/tabulon/Scripts/tan.txt", mine);

  // Written with backslashes, as a configuration from Windows has it.
  const fs::path cfg = work_.write("site.init", config("Scripts\\tan.txt"));
  const program_result r = run(cfg.string());
  EXPECT_EQ(r.exit_status, 0) << r.err;
  EXPECT_NE(page().find("#123abc"), std::string::npos);
  EXPECT_EQ(page().find("#eadcc0"), std::string::npos);
  EXPECT_TRUE(prefix_unchanged());
}

TEST_F(InstalledTabulon, RelativeConfigurationNameIsFoundInTheCurrentDirectory) {
  const fs::path start = work_.mkdir("start");
  work_.write("start/here.init", config("Scripts/pale_grey.txt"));
  const program_result r = run("here.init", start);
  EXPECT_EQ(r.exit_status, 0) << r.err;
  EXPECT_EQ(r.err.find("warning"), std::string::npos) << r.err;
  EXPECT_TRUE(fs::exists(tree() / "index.html"));

  // The same name in the user folder wins over the current directory.
  fs::remove(tree() / "index.html");
  work_.write("home/config/tabulon/here.init",
              "[TABULON]\npath=" + tree().string() + "\noutput_filename=from_user.html\n");
  const program_result again = run("here.init", start);
  EXPECT_EQ(again.exit_status, 0) << again.err;
  EXPECT_TRUE(fs::exists(tree() / "from_user.html"));
  EXPECT_FALSE(fs::exists(tree() / "index.html"));
  EXPECT_TRUE(prefix_unchanged());
}

TEST_F(InstalledTabulon, MissingConfigurationIsNamedInTheUserFolder) {
  const program_result r = run("absent.init");
  EXPECT_NE(r.err.find((user_folder() / "absent.init").string()), std::string::npos) << r.err;
  EXPECT_TRUE(prefix_unchanged());
}

}  // namespace
}  // namespace tabulon::testing
