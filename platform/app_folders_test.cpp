#include "platform/app_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "base/wide_string.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::temp_dir;

std::wstring folder_of(const std::filesystem::path& p) {
  return from_native(p.string()) + L"/";
}

// An installed tree: PREFIX/bin/, PREFIX/share/tabulon/ and a separate home.
struct installed_tree {
  temp_dir dir;
  std::wstring bin = folder_of(dir.mkdir("usr/bin"));
  std::wstring data = folder_of(dir.mkdir("usr/share/tabulon"));
  std::wstring config_home = from_native((dir.path() / "home/.config").string());
  app_folders folders = app_folders_for(bin, config_home);
};

// Sets an environment variable for one scope and restores it afterwards.
class scoped_env {
 public:
  scoped_env(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~scoped_env() {
    if (saved_)
      ::setenv(name_, saved_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

TEST(AppFolders, LayoutFollowsTheShareFolderBesideTheProgram) {
  installed_tree t;
  EXPECT_TRUE(t.folders.installed());
  EXPECT_EQ(t.folders.program, t.bin);
  EXPECT_EQ(t.folders.data, t.data);
  EXPECT_EQ(t.folders.user, t.config_home + L"/tabulon/");

  // A build folder has no share/tabulon/ beside it: one folder for everything.
  temp_dir build;
  const std::wstring here = folder_of(build.mkdir("build"));
  build.mkdir("share/Scripts");  // a checkout's share/ is not an installed one
  const app_folders tree = app_folders_for(here, t.config_home);
  EXPECT_FALSE(tree.installed());
  EXPECT_EQ(tree.user, here);
  EXPECT_EQ(tree.data, here);

  // Without any home the data can still be read; nothing claims a shared place.
  const app_folders homeless = app_folders_for(t.bin, L"");
  EXPECT_EQ(homeless.data, t.data);
  EXPECT_FALSE(homeless.installed());
  EXPECT_TRUE(app_folders_for(L"", t.config_home).user.empty());
}

TEST(AppFolders, ReadingPrefersTheUserFolderThenTheData) {
  installed_tree t;
  t.dir.write("usr/share/tabulon/Scripts/tan.txt", "shipped");
  t.dir.write("usr/share/tabulon/Scripts/grey.txt", "shipped");
  t.dir.write("home/.config/tabulon/Scripts/tan.txt", "mine");

  EXPECT_EQ(path_for_reading(t.folders, L"Scripts/tan.txt"), t.folders.user + L"Scripts/tan.txt");
  EXPECT_EQ(path_for_reading(t.folders, L"Scripts\\grey.txt"), t.data + L"Scripts/grey.txt");
  // Found nowhere: named in the user folder, where a user would put it.
  EXPECT_EQ(path_for_reading(t.folders, L"Scripts/none.txt"), t.folders.user + L"Scripts/none.txt");
  EXPECT_EQ(path_for_reading(t.folders, L"/srv/s.txt"), L"/srv/s.txt");
  // A folder counts as well as a file (the window opens Translations/).
  t.dir.mkdir("usr/share/tabulon/Translations");
  EXPECT_EQ(path_for_reading(t.folders, L"Translations"), t.data + L"Translations");
}

TEST(AppFolders, WritingGoesToTheUserFolderMadeOnFirstUse) {
  installed_tree t;
  t.dir.write("usr/share/tabulon/general.init", "[TABULON]\r\n");
  const std::filesystem::path user = t.dir.path() / "home/.config/tabulon";
  ASSERT_FALSE(std::filesystem::exists(user));

  EXPECT_EQ(path_for_writing(t.folders, L"general.init"), t.folders.user + L"general.init");
  EXPECT_TRUE(std::filesystem::is_directory(user));
  EXPECT_EQ(std::filesystem::status(user).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_all);
  EXPECT_EQ(path_for_writing(t.folders, L"/tmp/x.init"), L"/tmp/x.init");

  // A file where the user folder should be: the path is still given, and
  // writing to it will fail with the system's reason.
  installed_tree blocked;
  blocked.dir.write("home/.config/tabulon", "not a folder");
  EXPECT_FALSE(make_folders(blocked.folders.user));
  EXPECT_EQ(path_for_writing(blocked.folders, L"a.init"), blocked.folders.user + L"a.init");
}

TEST(AppFolders, PathRulesConsultTheActiveFoldersOnlyForTheUserFolder) {
  installed_tree t;
  t.dir.write("usr/share/tabulon/Scripts/tan.txt", "shipped");
  const scoped_app_folders active(t.folders);

  const std::wstring& user = t.folders.user;
  EXPECT_EQ(resolve_in_program_folder(L"Scripts/tan.txt", user), t.data + L"Scripts/tan.txt");
  // Another folder passed as the program folder keeps the plain rule.
  EXPECT_EQ(resolve_in_program_folder(L"Scripts/tan.txt", L"/opt/x/"), L"/opt/x/Scripts/tan.txt");
  // Writing never lands in the data folder, even for a name found there.
  EXPECT_EQ(resolve_for_writing(L"Scripts/tan.txt", user), user + L"Scripts/tan.txt");
  EXPECT_TRUE(std::filesystem::is_directory(t.dir.path() / "home/.config/tabulon"));
}

TEST(AppFolders, BuildTreeRulesAreUnchangedWhileActive) {
  temp_dir dir;
  const std::wstring here = folder_of(dir.path());
  const scoped_app_folders active(build_tree_folders(here));
  EXPECT_EQ(resolve_in_program_folder(L"Scripts\\a.txt", here), here + L"Scripts/a.txt");
  EXPECT_EQ(resolve_for_writing(L"a.init", here), here + L"a.init");
  EXPECT_EQ(resolve_for_writing(L"/a.init", here), L"/a.init");
}

TEST(AppFolders, ConfigHomeFromTheEnvironment) {
  {
    const scoped_env xdg("XDG_CONFIG_HOME", "/x/conf");
    const scoped_env home("HOME", "/home/u");
    EXPECT_EQ(user_config_home(), L"/x/conf");
  }
  {
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    const scoped_env xdg("XDG_CONFIG_HOME", "conf");
    const scoped_env home("HOME", "/home/u/");
    EXPECT_EQ(user_config_home(), L"/home/u/.config");
  }
  {
    const scoped_env xdg("XDG_CONFIG_HOME", nullptr);
    const scoped_env home("HOME", "/");
    EXPECT_EQ(user_config_home(), L"/.config");
  }
}

}  // namespace
}  // namespace tabulon
