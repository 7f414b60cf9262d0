// The files that make tabulon a citizen of a Linux desktop: the man page, the
// desktop entry, the icon, and the Debian package built from the install rules.
// Each check needs a system tool and is skipped where that tool is missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"

namespace tabulon::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = TABULON_SOURCE_DIR;

// The tool's full path, or empty when it is not installed.
fs::path tool(const std::string& name) {
  for (const char* dir : {"/usr/bin/", "/bin/", "/usr/local/bin/"}) {
    if (fs::exists(fs::path(dir) / name)) return fs::path(dir) / name;
  }
  return {};
}

TEST(Packaging, ManPageRendersWithoutWarningsAndNamesTheFolders) {
  const fs::path man = tool("man");
  if (man.empty()) GTEST_SKIP() << "man is not installed";
  const program_result r =
      run_program("/usr/bin/env", {"MANWIDTH=80", man.string(), "--warnings", "-l",
                                   (kSource / "packaging/tabulon.1").string()});
  EXPECT_EQ(r.exit_status, 0);
  EXPECT_EQ(r.err, "") << "warnings from the page";
  for (const char* section : {"NAME", "SYNOPSIS", "CONFIGURATION FILE", "EXIT STATUS", "FILES",
                              "ENVIRONMENT", "SEE ALSO"}) {
    EXPECT_NE(r.out.find(std::string("\n") + section + "\n"), std::string::npos) << section;
  }
  // --help and the page tell of the same places.
  const program_result help = run_program(tabulon_exe(), {"--help"});
  for (const char* place : {".config/tabulon/", "share/tabulon/", "XDG_CONFIG_HOME"}) {
    EXPECT_NE(r.out.find(place), std::string::npos) << place;
    EXPECT_NE(help.out.find(place), std::string::npos) << place;
  }
}

TEST(Packaging, DesktopEntryAndIconAreValid) {
  const fs::path validate = tool("desktop-file-validate");
  if (validate.empty()) GTEST_SKIP() << "desktop-file-utils is not installed";
  const program_result entry =
      run_program(validate, {(kSource / "packaging/tabulon.desktop").string()});
  EXPECT_EQ(entry.exit_status, 0);
  EXPECT_EQ(entry.out + entry.err, "");
  EXPECT_NE(read_bytes(kSource / "packaging/tabulon.desktop").find("\nIcon=tabulon\n"),
            std::string::npos);

  const fs::path xmllint = tool("xmllint");
  if (xmllint.empty()) GTEST_SKIP() << "xmllint is not installed";
  const fs::path icon = kSource / "share/icons/tabulon.svg";
  const program_result svg = run_program(xmllint, {"--noout", icon.string()});
  EXPECT_EQ(svg.exit_status, 0) << svg.err;
  const program_result root = run_program(xmllint, {"--xpath", "name(/*)", icon.string()});
  EXPECT_EQ(root.out.substr(0, root.out.find_last_not_of("\n") + 1), "svg");
  EXPECT_NE(read_bytes(icon).find("viewBox="), std::string::npos) << "scalable";
}

TEST(Packaging, DebianPackageHoldsTheInstalledTree) {
  const fs::path dpkg_deb = tool("dpkg-deb");
  if (dpkg_deb.empty() || tool("dpkg-shlibdeps").empty()) {
    GTEST_SKIP() << "dpkg-deb or dpkg-shlibdeps is not installed";
  }
  temp_dir out;
  const program_result pack =
      run_program(TABULON_CPACK, {"--config", std::string(TABULON_BUILD_DIR) + "/CPackConfig.cmake",
                                  "-G", "DEB", "-B", out.path().string()});
  ASSERT_EQ(pack.exit_status, 0) << pack.out << pack.err;
  fs::path deb;
  for (const auto& e : fs::directory_iterator(out.path())) {
    if (e.path().extension() == ".deb") deb = e.path();
  }
  ASSERT_FALSE(deb.empty()) << pack.out;
  EXPECT_EQ(deb.filename().string().rfind("tabulon_4.87_", 0), 0u) << deb;

  const program_result contents = run_program(dpkg_deb, {"-c", deb.string()});
  ASSERT_EQ(contents.exit_status, 0);
  for (const char* file :
       {"./usr/bin/tabulon", "./usr/share/tabulon/Scripts/tan.txt",
        "./usr/share/tabulon/Translations/", "./usr/share/tabulon/help/tabulon_help.html",
        "./usr/share/man/man1/tabulon.1", "./usr/share/applications/tabulon.desktop",
        "./usr/share/icons/hicolor/scalable/apps/tabulon.svg", "./usr/share/doc/tabulon/README.md",
        "./usr/share/doc/tabulon/example.init"}) {
    EXPECT_NE(contents.out.find(std::string(" ") + file), std::string::npos) << file;
  }
  // Only the program and its files: no tests, nothing outside /usr.
  EXPECT_EQ(contents.out.find("test"), std::string::npos) << contents.out;
  EXPECT_EQ(contents.out.find(" ./etc/"), std::string::npos);
  // In /usr/lib only the window's module, when the window is built.
  const bool window_module = fs::exists(fs::path(TABULON_BUILD_DIR) / "tabulon-window.so");
  for (size_t at = contents.out.find(" ./usr/lib"); at != std::string::npos;
       at = contents.out.find(" ./usr/lib", at + 1)) {
    const std::string entry = contents.out.substr(at + 1, contents.out.find('\n', at) - at - 1);
    EXPECT_TRUE(window_module && (entry == "./usr/lib/" || entry == "./usr/lib/tabulon/" ||
                                  entry == "./usr/lib/tabulon/tabulon-window.so"))
        << entry;
  }
  if (window_module) {
    EXPECT_NE(contents.out.find(" ./usr/lib/tabulon/tabulon-window.so"), std::string::npos);
  }

  const program_result info = run_program(dpkg_deb, {"-I", deb.string()});
  ASSERT_EQ(info.exit_status, 0);
  EXPECT_NE(info.out.find(" Package: tabulon\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find(" Version: 4.87"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find(" Maintainer: "), std::string::npos) << info.out;
  EXPECT_NE(info.out.find(" Recommends: xdg-utils"), std::string::npos) << info.out;
  // The dependencies were computed from the executable's libraries.
  const size_t depends = info.out.find(" Depends: ");
  ASSERT_NE(depends, std::string::npos) << info.out;
  const std::string line = info.out.substr(depends, info.out.find('\n', depends) - depends);
  EXPECT_NE(line.find("libc6"), std::string::npos) << line;
  EXPECT_NE(line.find("libstdc++6"), std::string::npos) << line;
  // The window's module brings the toolkit's libraries; the program alone does not.
  if (window_module) {
    EXPECT_NE(line.find("libwxgtk"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace tabulon::testing
