#include "engine/anchor_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/wide_string.h"
#include "tests/support/count_of.h"
#include "tests/support/page_fixture.h"

namespace tabulon {
namespace {

using testing::count_of;

// Settings under which a grouped listing gets its anchor table: three
// columns in row order, headed "Anchors", paths with forward slashes.
build_settings grouped_settings() {
  build_settings s = testing::grouped_settings();
  s.column_wise_sort = 0;
  s.anchor_columns2 = 3;
  s.anchor_word = L"Anchors";
  s.anchors_use_backslash = 0;
  return s;
}

recorded_folder folder(std::wstring path) {
  recorded_folder f;
  f.path = path;
  std::wstring id = L"ID" + path;
  for (wchar_t& c : id) {
    if (c == L'/') c = L'-';
  }
  f.id = id;
  f.entry_name = L"a.txt";
  f.entry_name_key = L"A.TXT";
  f.entry_folder_path = L"/" + path + L"/";
  return f;
}
// A folder whose identifier is given rather than made from its path.
recorded_folder folder(std::wstring path, std::wstring id) {
  recorded_folder f = folder(std::move(path));
  f.id = std::move(id);
  return f;
}

std::vector<recorded_folder> folders(std::initializer_list<const wchar_t*> paths) {
  std::vector<recorded_folder> out;
  for (const wchar_t* p : paths) out.push_back(folder(p));
  return out;
}

std::wstring table_of(const build_settings& s, const std::vector<recorded_folder>& recorded,
                      build_progress* progress = nullptr) {
  anchor_table_request rq;
  rq.settings = &s;
  rq.folders = &recorded;
  rq.progress = progress;
  return build_anchor_table(rq).text;
}

TEST(AnchorTable, BuiltOnlyForGroupedListingsWithRecordedFolders) {
  const auto recorded = folders({L"a", L"b"});
  EXPECT_NE(table_of(grouped_settings(), recorded), L"");

  auto off = [&](auto change) {
    build_settings s = grouped_settings();
    change(s);
    return table_of(s, recorded);
  };
  EXPECT_EQ(off([](build_settings& s) { s.folder_anchors = 0; }), L"");
  EXPECT_EQ(off([](build_settings& s) { s.sort_folders_first = 0; }), L"");
  EXPECT_EQ(off([](build_settings& s) { s.recursive_build = 0; }), L"");
  EXPECT_EQ(off([](build_settings& s) { s.show_folder_names = 0; }), L"");
  EXPECT_EQ(off([](build_settings& s) { s.recursive_build_single_file = 1; }), L"");
  EXPECT_EQ(off([](build_settings& s) { s.build_framed_site = 1; }), L"");
  EXPECT_EQ(table_of(grouped_settings(), {}), L"");
}

TEST(AnchorTable, MarkerIsReplacedByTableOrByNothing) {
  const auto recorded = folders({L"a"});
  build_settings s = grouped_settings();
  anchor_table_request rq;
  rq.settings = &s;
  rq.folders = &recorded;

  std::wstring page = L"<p>x</p>INSERT_FOLDER_ANCHORS<p>y</p>";
  EXPECT_TRUE(insert_folder_anchors(page, rq));
  EXPECT_EQ(page.find(L"INSERT_FOLDER_ANCHORS"), std::wstring::npos);
  EXPECT_NE(page.find(L"href=\"#IDa\""), std::wstring::npos);

  s.recursive_build_single_file = 1;
  page = L"<p>x</p>INSERT_FOLDER_ANCHORS<p>y</p>";
  EXPECT_TRUE(insert_folder_anchors(page, rq));
  EXPECT_EQ(page, L"<p>x</p><p>y</p>");
}

TEST(AnchorTable, SevenAnchorsInThreeColumnsFillTheLastRow) {
  build_settings s = grouped_settings();
  s.rectangular_tables = 1;
  s.anchor_chars2 = 0;
  s.script[sec::anchor_table_td] = L"class=\"one\"";
  s.script[sec::anchor_table_td2] = L"class=\"two\"";
  s.script[sec::anchor_table_row] = L"class=\"r1\"";
  s.script[sec::anchor_table_row2] = L"class=\"r2\"";
  const std::wstring t = table_of(s, folders({L"f1", L"f2", L"f3", L"f4", L"f5", L"f6", L"f7"}));

  EXPECT_EQ(count_of(t, L"<a "), 7u);
  // Header row plus three rows of anchors.
  EXPECT_EQ(count_of(t, L"</tr>"), 4u);
  EXPECT_NE(t.find(L"<th colspan=\"3\">Anchors</th></tr>\n<tr class=\"r1\">"), std::wstring::npos);
  // Rows alternate their sections; the third row is like the first.
  EXPECT_NE(t.find(L"</tr>\n<tr class=\"r2\"><td class=\"two\">"), std::wstring::npos);
  EXPECT_NE(t.find(L"</tr>\n<tr class=\"r1\"><td class=\"one\">"), std::wstring::npos);
  // The last row: one link, then two empty cells styled like that row.
  const size_t last_row = t.rfind(L"<tr");
  EXPECT_EQ(t.substr(last_row),
            L"<tr class=\"r1\"><td class=\"one\"><a href=\"#IDf7\">f7</a></td>"
            L"<td class=\"one\"></td><td class=\"one\"></td></tr>\n</table>\n<br>\n");

  s.rectangular_tables = 0;
  const std::wstring open = table_of(s, folders({L"f1", L"f2", L"f3", L"f4"}));
  EXPECT_NE(open.find(L"f4</a></td></tr>\n</table>"), std::wstring::npos);
}

TEST(AnchorTable, FewerAnchorsThanColumnsNeedNoFilling) {
  build_settings s = grouped_settings();
  s.anchor_columns2 = 4;
  const std::wstring t = table_of(s, folders({L"a", L"b"}));
  EXPECT_NE(t.find(L"colspan=\"2\""), std::wstring::npos);
  EXPECT_EQ(count_of(t, L"<td"), 2u);
  // Cells after the first of a row get a leading "&nbsp;" and the section.
  s.script[sec::before_anchor_not_first_column] = L"|";
  const std::wstring sep = table_of(s, folders({L"a", L"b"}));
  EXPECT_NE(sep.find(L"<td>&nbsp;|<a href=\"#IDb\">"), std::wstring::npos);
  EXPECT_NE(sep.find(L"<td><a href=\"#IDa\">"), std::wstring::npos);
}

TEST(AnchorTable, ColumnWiseOrderRunsDownTheColumns) {
  build_settings s = grouped_settings();
  s.column_wise_sort = 1;
  const std::wstring t = table_of(s, folders({L"f1", L"f2", L"f3", L"f4", L"f5", L"f6", L"f7"}));
  std::vector<std::wstring> order;
  for (size_t at = t.find(L"\">f"); at != std::wstring::npos; at = t.find(L"\">f", at + 1)) {
    order.push_back(t.substr(at + 2, 2));
  }
  EXPECT_EQ(order, (std::vector<std::wstring>{L"f1", L"f4", L"f6", L"f2", L"f5", L"f7", L"f3"}));
}

TEST(AnchorTable, DepthLimitLeavesOutDeeperFolders) {
  build_settings s = grouped_settings();
  const auto recorded = folders({L"a", L"a/b", L"a/b/c", L"d"});
  s.max_anchor_depth = 1;
  std::wstring t = table_of(s, recorded);
  EXPECT_EQ(count_of(t, L"<a "), 2u);
  EXPECT_NE(t.find(L"#IDa\""), std::wstring::npos);
  EXPECT_NE(t.find(L"#IDd\""), std::wstring::npos);

  s.max_anchor_depth = 2;
  EXPECT_EQ(count_of(table_of(s, recorded), L"<a "), 3u);
  s.max_anchor_depth = 0;
  EXPECT_EQ(count_of(table_of(s, recorded), L"<a "), 4u);

  // When the limit leaves nothing, no empty table is written.
  s.max_anchor_depth = 1;
  EXPECT_EQ(table_of(s, folders({L"x/y", L"x/z"})), L"");
}

TEST(AnchorTable, AmpersandsLinkAsAndAndShowAsEntities) {
  const std::wstring t =
      table_of(grouped_settings(), {folder(L"&lt;root&gt;", L"ID_"), folder(L"R&D", L"IDRandD"),
                                    folder(L"a<b>\"c", L"IDa#b;c&d")});
  EXPECT_NE(t.find(L"href=\"#IDRandD\">R&amp;D</a>"), std::wstring::npos);
  // The top folder's text is the root link text, markup already.
  EXPECT_NE(t.find(L"href=\"#ID_\">&lt;root&gt;</a>"), std::wstring::npos);
  // Markup characters of a name never reach the page raw.
  EXPECT_NE(t.find(L"href=\"#IDa3bsemicandd\">a&lt;b&gt;&quot;c</a>"), std::wstring::npos);
}

TEST(AnchorTable, VisibleTextIsShortenedAndLosesATrailingSlash) {
  build_settings s = grouped_settings();
  s.anchor_chars2 = 10;
  const std::wstring t = table_of(
      s, {folder(L"abcdefghijklmnop"), folder(L"x/"), folder(L"&lt;the root&gt;", L"ID_")});
  EXPECT_NE(t.find(L">abcde...op</a>"), std::wstring::npos);
  EXPECT_NE(t.find(L">x</a>"), std::wstring::npos);
  // The root link text is markup; cutting it could split an entity.
  EXPECT_NE(t.find(L">&lt;the root&gt;</a>"), std::wstring::npos);
}

TEST(AnchorTable, HeaderRowUsesStyleOrHeaderCellSection) {
  build_settings s = grouped_settings();
  s.script[sec::anchors_folders_files_word_tr] = L"class=\"w\"";
  s.script[sec::anchor_header_td] = L"scope=\"col\"";
  const auto recorded = folders({L"a", L"b", L"c", L"d"});
  EXPECT_NE(table_of(s, recorded)
                .find(L"<tr class=\"w\"><th colspan=\"3\" scope=\"col\">Anchors</th></tr>"),
            std::wstring::npos);

  s.script[sec::header_style] = L"class=\"h\"";
  EXPECT_NE(table_of(s, recorded).find(L"<td colspan=\"3\" class=\"h\">Anchors</td></tr>"),
            std::wstring::npos);

  s.supress_headers = 1;
  EXPECT_EQ(table_of(s, recorded).find(L"Anchors"), std::wstring::npos);
  s.supress_headers = 0;
  s.anchor_word.clear();
  EXPECT_EQ(count_of(table_of(s, recorded), L"<tr"), 2u);
}

TEST(AnchorTable, TableFramePiecesAndDocumentTypeBreak) {
  build_settings s = grouped_settings();
  s.date_modified = L"1/1/2020 - *";
  s.script[sec::anchor_table_header] = L"<table class=\"toc\">";
  s.script[sec::anchor_table_start] = L"<caption>%%COLUMNS% of %%DATE_MODIFIED%</caption>";
  s.script[sec::anchor_table_end] = L"<!-- end %%COLUMNS% -->";
  s.script[sec::anchor_colgroup_1] = L"<col class=\"x\">";
  const auto recorded = folders({L"a", L"b"});

  std::vector<int32_t> seen_columns;
  anchor_table_request rq;
  rq.settings = &s;
  rq.folders = &recorded;
  rq.expand_page_section = [&](const std::wstring& text, int32_t columns) {
    seen_columns.push_back(columns);
    std::wstring out = text;
    replace_all(out, L"%%COLUMNS%", to_wide(columns));
    return out;
  };
  std::wstring t = build_anchor_table(rq).text;
  EXPECT_EQ(t.substr(0, 20), L"\n<table class=\"toc\">");
  EXPECT_NE(t.find(L"<caption>2 of 1/1/2020 - *</caption>\n<colgroup><col class=\"x\"><col>"
                   L"<col class=\"x\"></colgroup>"),
            std::wstring::npos);
  EXPECT_NE(t.find(L"</tr>\n<!-- end 2 -->\n</table>\n<br>\n"), std::wstring::npos);
  EXPECT_EQ(seen_columns, (std::vector<int32_t>{2, 2}));

  s.doctype = doctype_xhtml_strict;
  t = build_anchor_table(rq).text;
  EXPECT_NE(t.find(L"</table>\n<div><br /></div>\n"), std::wstring::npos);
  EXPECT_NE(t.find(L"<col />"), std::wstring::npos);

  // The file table's pieces stand in when the script asks for them.
  s.use_file_table_script_elements = 1;
  s.script[sec::tableheader] = L"<table class=\"files\">";
  EXPECT_NE(build_anchor_table(rq).text.find(L"<table class=\"files\">"), std::wstring::npos);
}

TEST(AnchorTable, MatchListsAddTheirCodeAroundTheLink) {
  build_settings s = grouped_settings();
  s.script[sec::anchor_a] = L"class=\"jump\"";
  s.script[match_list::anchor_matches_a] = {{L"*.TXT", L"title=\"text\""}};
  s.script[match_list::anchor_matches_td] = {{L"*", L"data-x=\"1\""}};
  s.script[match_list::anchor_matches_after_a] = {{L"*.PDF", L"(pdf)"}};
  const std::wstring t = table_of(s, folders({L"a"}));
  EXPECT_NE(t.find(L"<td data-x=\"1\"><a  title=\"text\" class=\"jump\" href=\"#IDa\">a</a></td>"),
            std::wstring::npos)
      << std::string(t.begin(), t.end());
}

TEST(AnchorTable, ReportsProgressAndHonoursCancel) {
  build_settings s = grouped_settings();
  std::vector<recorded_folder> recorded;
  for (int i = 0; i < 60; ++i) recorded.push_back(folder(L"f" + to_wide(i)));

  build_progress progress;
  progress.notify = 1;
  std::vector<std::pair<int32_t, int32_t>> calls;  // phase, rows_done
  progress.callback = [&](build_progress& p) { calls.emplace_back(p.phase, p.rows_done); };
  anchor_table_request rq;
  rq.settings = &s;
  rq.folders = &recorded;
  rq.progress = &progress;
  std::wstring page = L"INSERT_FOLDER_ANCHORS";
  EXPECT_TRUE(insert_folder_anchors(page, rq));
  EXPECT_EQ(progress.rows_total, 60);
  EXPECT_EQ(progress.phase, 0);
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0], std::make_pair(3, 0));
  EXPECT_EQ(calls[1], std::make_pair(3, 25));
  EXPECT_EQ(calls[2], std::make_pair(3, 50));

  // Cancelled while the table is built: the page must be abandoned.
  progress.callback = [](build_progress& p) { p.cancelled = true; };
  page = L"INSERT_FOLDER_ANCHORS";
  EXPECT_FALSE(insert_folder_anchors(page, rq));

  // Without a table the record reports the end of the rows.
  s.folder_anchors = 0;
  progress.cancelled = false;
  calls.clear();
  progress.callback = [&](build_progress& p) { calls.emplace_back(p.phase, p.rows_done); };
  page = L"INSERT_FOLDER_ANCHORS";
  EXPECT_TRUE(insert_folder_anchors(page, rq));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].first, 2);
}

}  // namespace
}  // namespace tabulon
