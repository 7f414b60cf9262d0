// The help pages the build writes into help/ from the bodies in share/help/:
// each one is well-formed, free of tidy's complaints, linked to the others
// and marks its own entry of the navigation list; each option page's help
// explains every label of that page (taken from the interface text table);
// the scripts page documents every section name and placeholder the engine
// knows, and the configuration page every key the program writes. The page
// writer itself refuses bodies and frames it cannot use.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/config_file.h"
#include "base/wide_string.h"
#include "engine/placeholder_names.h"
#include "engine/script_loader.h"
#include "tests/support/site_checks.h"
#include "ui/interface_text.h"
#include "ui/launch.h"

namespace tabulon::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kHelp = fs::path(TABULON_BUILD_DIR) / "help";
const fs::path kHelpSources = fs::path(TABULON_SOURCE_DIR) / "share" / "help";

// Pages beyond those F1 opens.
const char* const kManualPages[] = {"help_scripts.html", "help_config.html"};

std::vector<std::string> all_pages() {
  std::set<std::string> names(std::begin(kManualPages), std::end(kManualPages));
  for (int i = 0; i < static_cast<int>(option_page::count); ++i)
    names.insert(wide_to_utf8(help_page_name(i)));
  return {names.begin(), names.end()};
}

std::string page(const std::string& name) {
  return read_bytes(kHelp / name);
}

void replace_all_bytes(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// The text a reader sees: tags dropped, the entities the pages use decoded,
// runs of white space made one blank.
std::string visible_text(const std::string& html) {
  std::string text;
  bool in_tag = false;
  for (const char c : html) {
    if (c == '<') in_tag = true;
    if (!in_tag) text += std::isspace(static_cast<unsigned char>(c)) ? ' ' : c;
    if (c == '>') in_tag = false;
  }
  for (const auto& [entity, plain] : std::map<std::string, std::string>{
           {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#183;", "."}, {"&amp;", "&"}}) {
    replace_all_bytes(text, entity, plain);
  }
  std::string collapsed;
  for (const char c : text) {
    if (c != ' ' || collapsed.empty() || collapsed.back() != ' ') collapsed += c;
  }
  return collapsed;
}

// A caption as shown: "&x" marks an access key, "&&" is one ampersand; the
// colon that ends many labels may stand apart in the prose.
std::string shown_label(std::wstring_view caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&') {
      if (i + 1 < caption.size() && caption[i + 1] == L'&') out += '&', ++i;
      continue;
    }
    out += wide_to_utf8(caption.substr(i, 1));
  }
  while (!out.empty() && (out.back() == ':' || out.back() == ' ')) out.pop_back();
  return out;
}

// True when `html` holds "<code>" + name, the name not continuing into a
// longer one ("%%F" is not found in "<code>%%FNAME%").
bool documented_in_code(const std::string& html, const std::string& name) {
  const std::string needle = "<code>" + name;
  for (size_t at = html.find(needle); at != std::string::npos; at = html.find(needle, at + 1)) {
    const size_t after = at + needle.size();
    const char next = after < html.size() ? html[after] : '<';
    if (!std::isupper(static_cast<unsigned char>(next)) &&
        !std::isdigit(static_cast<unsigned char>(next)) && next != '_')
      return true;
  }
  return false;
}

// The targets of the page's own links (<a href> and the style sheet) that do
// not resolve. Markup shown in examples is escaped and so not taken for links.
std::vector<std::string> broken_help_links(const fs::path& file) {
  const std::string html = read_bytes(file);
  std::vector<std::string> broken;
  for (const std::string opener : {"<a href=\"", "<link rel=\"stylesheet\" href=\""}) {
    for (size_t at = html.find(opener); at != std::string::npos; at = html.find(opener, at + 1)) {
      const size_t begin = at + opener.size();
      const std::string link = html.substr(begin, html.find('"', begin) - begin);
      const size_t hash = link.find('#');
      const std::string target = link.substr(0, hash);
      const std::string fragment = hash == std::string::npos ? "" : link.substr(hash + 1);
      const std::string target_html =
          target.empty() ? html : read_bytes(file.parent_path() / target);
      if ((!target.empty() && !fs::is_regular_file(file.parent_path() / target)) ||
          !page_has_id(target_html, fragment))
        broken.push_back(link);
    }
  }
  return broken;
}

TEST(HelpPages, EveryPageIsWellFormedTidyCleanAndLinked) {
  if (!have_tool("xmllint") || !have_tool("tidy")) GTEST_SKIP() << "xmllint or tidy is missing";
  const auto pages = all_pages();
  ASSERT_EQ(pages.size(), 9u);
  for (const std::string& name : pages) {
    SCOPED_TRACE(name);
    const fs::path file = kHelp / name;
    ASSERT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(xml_errors(file), "");
    const program_result tidy = run_program(tool_path("tidy"), {"-q", "-e", file.string()});
    EXPECT_EQ(tidy.exit_status, 0) << tidy.err;  // neither errors nor warnings
    EXPECT_EQ(broken_help_links(file), std::vector<std::string>{});
    const std::string html = page(name);
    EXPECT_NE(html.find("href=\"help.css\""), std::string::npos);
    for (const std::string& other : pages) {
      EXPECT_NE(html.find("href=\"" + other + "\""), std::string::npos) << other;
    }
    // One entry of the navigation list is marked: the page's own.
    const std::string own = "<a href=\"" + name + "\" class=\"current\">";
    EXPECT_NE(html.find(own), std::string::npos);
    EXPECT_EQ(html.find("class=\"current\""), html.rfind("class=\"current\""));
    EXPECT_NE(html.find("<footer>tabulon v4.87 "), std::string::npos);
  }
  EXPECT_EQ(read_bytes(kHelp / "help.css"), read_bytes(kHelpSources / "help.css"));
}

// Runs the page writer on `body` inside `frame`; the page written, or the
// error it gave as "error: ..." text.
std::string written_page(temp_dir& dir, const std::string& frame, const std::string& name,
                         const std::string& body) {
  const fs::path frame_file = dir.write("frame.html.in", frame);
  const fs::path body_file = dir.write("bodies/" + name, body);
  const fs::path out = dir.path() / "out" / name;
  fs::remove(out);
  const program_result r = run_program(
      TABULON_CMAKE,
      {"-DFRAME=" + frame_file.string(), "-DBODY=" + body_file.string(), "-DOUTPUT=" + out.string(),
       "-DVERSION=9.1", "-P", (fs::path(TABULON_SOURCE_DIR) / "cmake/help_page.cmake").string()});
  if (r.exit_status != 0) {
    EXPECT_FALSE(fs::exists(out)) << name;
    return "error: " + r.err;
  }
  return read_bytes(out);
}

TEST(HelpPages, WriterSetsTheBodyInTheFrameAndRefusesWhatItCannotUse) {
  temp_dir dir;
  const std::string frame =
      "<title>@TITLE@ - help</title>\n<a href=\"a.html\">A</a> <a href=\"b.html\">B</a>\n"
      "@BODY@\n<footer>v@VERSION@</footer>\n";
  // The body goes in as it stands: its own links, placeholders and list
  // separators are not touched.
  EXPECT_EQ(written_page(dir, frame, "b.html",
                         "<h1>Bee; two</h1>\n<p><a href=\"b.html\">@TITLE@ @BODY@</a></p>\n"),
            "<title>Bee; two - help</title>\n"
            "<a href=\"a.html\">A</a> <a href=\"b.html\" class=\"current\">B</a>\n"
            "<h1>Bee; two</h1>\n<p><a href=\"b.html\">@TITLE@ @BODY@</a></p>\n"
            "<footer>v9.1</footer>\n");
  // A body without a final line feed gives the same page.
  EXPECT_EQ(written_page(dir, frame, "a.html", "<h1>A</h1>"),
            "<title>A - help</title>\n<a href=\"a.html\" class=\"current\">A</a> "
            "<a href=\"b.html\">B</a>\n<h1>A</h1>\n<footer>v9.1</footer>\n");

  for (const auto& [name, frame_text, body, complaint] :
       std::vector<std::tuple<std::string, std::string, std::string, std::string>>{
           {"a.html", frame, "<p>no heading</p>\n", "heading"},
           {"a.html", frame, "", "heading"},
           {"a.html", frame, "\n<h1>Late</h1>\n", "heading"},
           {"c.html", frame, "<h1>C</h1>\n", "c.html"},
           {"a.html", "<a href=\"a.html\">A</a>@TITLE@ @VERSION@\n", "<h1>A</h1>\n", "@BODY@"},
       }) {
    SCOPED_TRACE(name + " / " + body);
    const std::string result = written_page(dir, frame_text, name, body);
    EXPECT_EQ(result.rfind("error: ", 0), 0u) << result;
    EXPECT_NE(result.find(complaint), std::string::npos) << result;
  }
}

TEST(HelpPages, EachOptionPageExplainsEveryLabelAndItsCaption) {
  // Texts a language file may still carry, but that no control of the
  // window shows.
  const std::set<std::wstring_view> no_control = {L"use_rn_for_breaks", L"euro_dates",
                                                  L"convert_amp", L"convert_spaces"};
  const std::map<std::wstring_view, option_page> page_of_group = {
      {L"folders_files", option_page::folders_files},
      {L"miscellaneous", option_page::miscellaneous},
      {L"sorting", option_page::sorting},
      {L"default_words", option_page::default_words},
      {L"recursive", option_page::recursive},
      {L"input_output", option_page::input_output}};

  size_t labels = 0;
  int tree_index = 0;
  for (const interface_text_item& item : interface_text_items()) {
    std::string help_name;
    if (item.group == L"tree_control") {
      help_name = wide_to_utf8(help_page_name(tree_index++));
    } else if (const auto found = page_of_group.find(item.group); found != page_of_group.end()) {
      if (item.kind != text_kind::text_help || item.english_text.empty() ||
          no_control.contains(item.name))
        continue;
      help_name = wide_to_utf8(help_page_name(static_cast<int>(found->second)));
    } else {
      continue;
    }
    const std::string label = shown_label(item.english_text);
    EXPECT_NE(visible_text(page(help_name)).find(label), std::string::npos)
        << "\"" << label << "\" (" << wide_to_utf8(item.group) << "/" << wide_to_utf8(item.name)
        << ") is not explained in " << help_name;
    ++labels;
  }
  EXPECT_EQ(tree_index, static_cast<int>(option_page::count));
  EXPECT_GT(labels, 100u);
}

TEST(HelpPages, ScriptsPageDocumentsEverySectionAndPlaceholder) {
  const std::string html = page("help_scripts.html");
  const auto sections = script_section_names();
  EXPECT_GT(sections.size(), 100u);
  for (const std::wstring_view name : sections) {
    EXPECT_TRUE(documented_in_code(html, wide_to_utf8(name))) << wide_to_utf8(name);
  }
  for (const std::wstring_view name : placeholder::script_placeholders()) {
    EXPECT_TRUE(documented_in_code(html, wide_to_utf8(name))) << wide_to_utf8(name);
  }
  // The worked example is a script of its own: it holds section headers.
  EXPECT_NE(html.find("<pre><code>// my_list.txt"), std::string::npos);
}

// Undoes the escapes of a <pre> block.
std::string unescaped(std::string text) {
  replace_all_bytes(text, "&lt;", "<");
  replace_all_bytes(text, "&gt;", ">");
  replace_all_bytes(text, "&amp;", "&");
  return text;
}

// The text of the <pre><code> block that starts with `start`.
std::string code_block(const std::string& html, const std::string& start) {
  const size_t begin = html.find("<pre><code>" + start);
  if (begin == std::string::npos) return {};
  const size_t from = begin + 11;
  return unescaped(html.substr(from, html.find("</code></pre>", from) - from));
}

TEST(HelpPages, WorkedExampleScriptWritesWhatThePageShows) {
  const std::string html = page("help_scripts.html");
  const std::string script = code_block(html, "// my_list.txt");
  const std::string shown = code_block(html, "&lt;h1&gt;");
  ASSERT_FALSE(script.empty());
  ASSERT_FALSE(shown.empty());

  temp_dir dir;
  dir.write("docs/a.txt", std::string(2048, 'a'));
  dir.write("docs/b.txt", std::string(1024, 'b'));
  const fs::path script_file = dir.write("my_list.txt", script + "\n");
  const fs::path config = write_config(dir, "c.init",
                                       {{"path", (dir.path() / "docs").string()},
                                        {"custom_html_filename", script_file.string()},
                                        {"file_spec", "*.txt"},
                                        {"file_columns2", "1"},
                                        {"recursive_build", "FALSE"},
                                        {"charset", "UTF_8"}});
  ASSERT_EQ(run_build(config).exit_status, 0);
  const std::string built = read_bytes(dir.path() / "docs" / "index.html");
  // Every line shown but the one with the day of the build.
  size_t lines = 0;
  for (size_t at = 0; at < shown.size();) {
    const size_t end = std::min(shown.find('\n', at), shown.size());
    const std::string line = shown.substr(at, end - at);
    at = end + 1;
    if (line.find("Listed ") != std::string::npos) continue;
    EXPECT_NE(built.find(line + "\r\n"), std::string::npos) << line;
    ++lines;
  }
  EXPECT_EQ(lines, 7u);
}

TEST(HelpPages, ConfigurationPageListsEveryKeyTheProgramWrites) {
  temp_dir dir;
  const std::wstring folder = from_native(dir.path().string()) + L"/";
  const config_context context{folder, folder};
  build_settings settings;
  ini_store store;
  read_configuration(settings, store, folder + L"none.init", context);
  window_placement_record placement{};
  config_write_extras extras;
  extras.placement = placement;
  ASSERT_TRUE(write_configuration(settings, store, folder + L"all.init", context, extras).ok);

  const std::string html = page("help_config.html");
  size_t keys = 0;
  for (const char* file : {"all.init", "general.init"}) {
    ini_store written;
    ASSERT_TRUE(written.load(folder + from_native(file), kConfigSection));
    for (const auto& [key, value] : written.entries[kConfigSection]) {
      EXPECT_NE(html.find("<code>" + wide_to_utf8(key) + "</code>"), std::string::npos)
          << wide_to_utf8(key) << " of " << file;
      ++keys;
    }
  }
  EXPECT_GT(keys, 90u);
  for (const char* shown : {"tabulon CONFIG.init", "crontab", ".sh"}) {
    EXPECT_NE(html.find(shown), std::string::npos) << shown;
  }
}

TEST(HelpPages, ReadmeLeadsToTheManual) {
  const std::string readme = read_bytes(fs::path(TABULON_SOURCE_DIR) / "README.md");
  EXPECT_NE(readme.find("share/help/tabulon_help.html"), std::string::npos);
}

}  // namespace
}  // namespace tabulon::testing
