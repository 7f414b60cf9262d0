#include "base/markup.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

// Loads `xml`, expecting failure, and returns the message.
std::wstring failure_of(std::wstring_view xml) {
  CMarkup m;
  EXPECT_FALSE(m.load_text(xml)) << std::string(xml.begin(), xml.end());
  EXPECT_FALSE(m.find_child(L"a"));
  return m.error;
}

// Finds the element `name` among the children at the current level, which
// must be there, and returns its text.
std::wstring child_text(CMarkup& m, std::wstring_view name) {
  EXPECT_TRUE(m.find_child(name)) << std::string(name.begin(), name.end());
  return m.text_of_current();
}

TEST(Markup, ParseFailuresCarryTheirMessages) {
  EXPECT_EQ(failure_of(L"no markup here"), L"Element tag not found");
  EXPECT_EQ(failure_of(L"<a></b>"), L"End tag does not correspond to a");
  EXPECT_EQ(failure_of(L"<a><b></c></a>"), L"End tag does not correspond to b");
  for (const wchar_t* xml : {L"<a>", L"<a><b>x</b>"})
    EXPECT_EQ(failure_of(xml), L"End tag of a element not found") << xml;
  for (const wchar_t* xml : {L"<a>x</", L"<a>x</a"})
    EXPECT_EQ(failure_of(xml), L"End tag not completed for element a") << xml;
  EXPECT_EQ(failure_of(L"<"), L"Abrupt end within tag");
  EXPECT_EQ(failure_of(L"<'a'>"), L"Tag starts with quote");
  EXPECT_EQ(failure_of(L"<a"), L"End of tag not found");
  for (const wchar_t* xml : {L"<!-- open <a/>", L"<?xml version='1.0'"})
    EXPECT_EQ(failure_of(xml), L"Invalid node") << xml;
}

TEST(Markup, EmptyTextAndLeadingEndTagFailWithoutNewMessage) {
  CMarkup m;
  EXPECT_FALSE(m.load_text(L"<a>"));
  const std::wstring before = m.error;
  EXPECT_FALSE(m.load_text(L""));
  EXPECT_FALSE(m.load_text(L"  </a>"));
  EXPECT_EQ(m.error, before);
  // A later success keeps the old message too.
  EXPECT_TRUE(m.load_text(L"<a/>"));
  EXPECT_EQ(m.error, before);
}

TEST(Markup, NavigatesChildrenAndEmptyElements) {
  CMarkup m;
  ASSERT_TRUE(m.load_text(L"<a><b/></a>"));
  EXPECT_FALSE(m.leave());
  EXPECT_EQ(child_text(m, L"a"), L"");
  ASSERT_TRUE(m.enter());
  EXPECT_EQ(child_text(m, L"b"), L"");
  EXPECT_FALSE(m.enter() && m.find_child(L"anything"));
  const ElemPos& b = m.positions[m.positions[1].first_child];
  EXPECT_EQ(b.end_right, b.start_right);
  EXPECT_EQ(b.end_left, b.start_right - 1);
}

TEST(Markup, FirstOfSameNamedSiblingsIsFoundWhateverTheOrder) {
  CMarkup m;
  ASSERT_TRUE(m.load_text(L"<all><y>1</y><x>first</x><x>second</x></all>"));
  ASSERT_TRUE(m.find_child(L"all"));
  ASSERT_TRUE(m.enter());
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(child_text(m, L"x"), L"first");
    EXPECT_EQ(child_text(m, L"y"), L"1");
  }
  EXPECT_FALSE(m.find_child(L"z"));
  EXPECT_EQ(m.current, 0);
  // Names must match whole: a prefix is not enough.
  EXPECT_FALSE(m.find_child(L"xx"));
  EXPECT_FALSE(m.find_child(L""));
}

TEST(Markup, LeaveReturnsToTheParentLevel) {
  CMarkup m;
  ASSERT_TRUE(m.load_text(L"<r><g><i>deep</i></g><h>top</h></r>"));
  ASSERT_TRUE(m.find_child(L"r"));
  ASSERT_TRUE(m.enter());
  ASSERT_TRUE(m.find_child(L"g"));
  ASSERT_TRUE(m.enter());
  EXPECT_EQ(child_text(m, L"i"), L"deep");
  ASSERT_TRUE(m.leave());  // current is g again, searching among r's children
  EXPECT_FALSE(m.find_child(L"i"));
  EXPECT_EQ(child_text(m, L"h"), L"top");
  ASSERT_TRUE(m.leave());
  EXPECT_TRUE(m.find_child(L"r"));
  EXPECT_FALSE(m.leave());
}

// Loads `xml` into `m`, expecting success, and returns the text of its
// top element "a".
std::wstring text_of_a(CMarkup& m, std::wstring_view xml) {
  EXPECT_TRUE(m.load_text(xml)) << std::string(xml.begin(), xml.end());
  return child_text(m, L"a");
}

TEST(Markup, TextReplacesOnlyThePredefinedEntities) {
  CMarkup m;
  const std::wstring plain = text_of_a(m, L"<a>x &amp; y</a>");
  EXPECT_EQ(plain, L"x & y");
  EXPECT_EQ(plain.size(), 5u);
  EXPECT_EQ(text_of_a(m, L"<a>&lt;&gt;&apos;&quot;&#233;&eacute; &amp;lt; & &am</a>"),
            L"<>'\"&#233;&eacute; &lt; & &am");
}

TEST(Markup, CdataIsTakenUnchanged) {
  CMarkup m;
  EXPECT_EQ(text_of_a(m, L"<a>\n  <![CDATA[<b>&amp;]]> ignored</a>"), L"<b>&amp;");
  EXPECT_EQ(text_of_a(m, L"<a><![CDATA[]]></a>"), L"");
  // Text before the section: the content is taken as text, entities and all.
  EXPECT_EQ(text_of_a(m, L"<a>x<![CDATA[&lt;]]></a>"), L"x<![CDATA[<]]>");
}

TEST(Markup, CommentsInstructionsAndDeclarationsAreSkipped) {
  CMarkup m;
  ASSERT_TRUE(m.load_text(
      L"<?xml version=\"1.0\"?>\n<!-- a > comment -->\n"
      L"<!DOCTYPE all [ <!ENTITY e \"v>\"> ]>\n"
      L"<all>\n  <!-- between -->\n  <?pi x?>\n  <i>one</i>\n  text between\n  <j>two</j>\n"
      L"</all>trailing <junk"));
  EXPECT_EQ(child_text(m, L"all"), L"");  // text between children is not visible
  ASSERT_TRUE(m.enter());
  EXPECT_EQ(child_text(m, L"j"), L"two");
  EXPECT_EQ(child_text(m, L"i"), L"one");
}

TEST(Markup, TagsWithBlanksAndAttributes) {
  CMarkup m;
  ASSERT_TRUE(m.load_text(L"<a  lang=\"de\"\n><b x='1' /><c>v</c ></ a>"));
  ASSERT_TRUE(m.find_child(L"a"));
  ASSERT_TRUE(m.enter());
  EXPECT_EQ(child_text(m, L"b"), L"");
  EXPECT_EQ(child_text(m, L"c"), L"v");
}

TEST(Markup, DeepNestingFailsWithAMessage) {
  const int levels = CMarkup::max_depth + 10;
  std::wstring xml;
  for (int i = 0; i < levels; ++i) xml += L"<a>";
  for (int i = 0; i < levels; ++i) xml += L"</a>";
  CMarkup m;
  EXPECT_FALSE(m.load_text(xml));
  EXPECT_EQ(m.error, L"Elements are nested too deeply");

  std::wstring ok;
  for (int i = 0; i < CMarkup::max_depth; ++i) ok += L"<a>";
  for (int i = 0; i < CMarkup::max_depth; ++i) ok += L"</a>";
  EXPECT_TRUE(m.load_text(ok));
}

TEST(Markup, ManyElementsGrowTheIndex) {
  std::wstring xml = L"<r>";
  for (int i = 0; i < 5000; ++i)
    xml +=
        L"<e" + std::to_wstring(i) + L">" + std::to_wstring(i) + L"</e" + std::to_wstring(i) + L">";
  xml += L"</r>";
  CMarkup m;
  ASSERT_TRUE(m.load_text(xml));
  EXPECT_EQ(m.next_free, 5002);
  ASSERT_TRUE(m.find_child(L"r"));
  ASSERT_TRUE(m.enter());
  EXPECT_EQ(child_text(m, L"e4999"), L"4999");
}

}  // namespace
}  // namespace tabulon
