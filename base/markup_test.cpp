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

TEST(Markup, ParseFailuresCarryTheirMessages) {
  EXPECT_EQ(failure_of(L"no markup here"), L"Element tag not found");
  EXPECT_EQ(failure_of(L"<a></b>"), L"End tag does not correspond to a");
  EXPECT_EQ(failure_of(L"<a>"), L"End tag of a element not found");
  EXPECT_EQ(failure_of(L"<a><b>x</b>"), L"End tag of a element not found");
  EXPECT_EQ(failure_of(L"<a>x</"), L"End tag not completed for element a");
  EXPECT_EQ(failure_of(L"<a>x</a"), L"End tag not completed for element a");
  EXPECT_EQ(failure_of(L"<"), L"Abrupt end within tag");
  EXPECT_EQ(failure_of(L"<'a'>"), L"Tag starts with quote");
  EXPECT_EQ(failure_of(L"<a"), L"End of tag not found");
  EXPECT_EQ(failure_of(L"<!-- open <a/>"), L"Invalid node");
  EXPECT_EQ(failure_of(L"<?xml version='1.0'"), L"Invalid node");
  EXPECT_EQ(failure_of(L"<a><b></c></a>"), L"End tag does not correspond to b");
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
  ASSERT_TRUE(m.find_child(L"a"));
  EXPECT_EQ(m.text_of_current(), L"");
  ASSERT_TRUE(m.enter());
  ASSERT_TRUE(m.find_child(L"b"));
  EXPECT_EQ(m.text_of_current(), L"");
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
    ASSERT_TRUE(m.find_child(L"x"));
    EXPECT_EQ(m.text_of_current(), L"first");
    ASSERT_TRUE(m.find_child(L"y"));
    EXPECT_EQ(m.text_of_current(), L"1");
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
  ASSERT_TRUE(m.find_child(L"i"));
  EXPECT_EQ(m.text_of_current(), L"deep");
  ASSERT_TRUE(m.leave());  // current is g again, searching among r's children
  EXPECT_FALSE(m.find_child(L"i"));
  ASSERT_TRUE(m.find_child(L"h"));
  EXPECT_EQ(m.text_of_current(), L"top");
  ASSERT_TRUE(m.leave());
  EXPECT_TRUE(m.find_child(L"r"));
  EXPECT_FALSE(m.leave());
}

TEST(Markup, TextReplacesOnlyThePredefinedEntities) {
  CMarkup m;
  ASSERT_TRUE(m.load_text(L"<a>x &amp; y</a>"));
  ASSERT_TRUE(m.find_child(L"a"));
  EXPECT_EQ(m.text_of_current(), L"x & y");
  EXPECT_EQ(m.text_of_current().size(), 5u);

  ASSERT_TRUE(m.load_text(L"<a>&lt;&gt;&apos;&quot;&#233;&eacute; &amp;lt; & &am</a>"));
  ASSERT_TRUE(m.find_child(L"a"));
  EXPECT_EQ(m.text_of_current(), L"<>'\"&#233;&eacute; &lt; & &am");
}

TEST(Markup, CdataIsTakenUnchanged) {
  CMarkup m;
  ASSERT_TRUE(m.load_text(L"<a>\n  <![CDATA[<b>&amp;]]> ignored</a>"));
  ASSERT_TRUE(m.find_child(L"a"));
  EXPECT_EQ(m.text_of_current(), L"<b>&amp;");
  ASSERT_TRUE(m.load_text(L"<a><![CDATA[]]></a>"));
  ASSERT_TRUE(m.find_child(L"a"));
  EXPECT_EQ(m.text_of_current(), L"");
  // Text before the section: the content is taken as text, entities and all.
  ASSERT_TRUE(m.load_text(L"<a>x<![CDATA[&lt;]]></a>"));
  ASSERT_TRUE(m.find_child(L"a"));
  EXPECT_EQ(m.text_of_current(), L"x<![CDATA[<]]>");
}

TEST(Markup, CommentsInstructionsAndDeclarationsAreSkipped) {
  CMarkup m;
  ASSERT_TRUE(m.load_text(
      L"<?xml version=\"1.0\"?>\n<!-- a > comment -->\n"
      L"<!DOCTYPE all [ <!ENTITY e \"v>\"> ]>\n"
      L"<all>\n  <!-- between -->\n  <?pi x?>\n  <i>one</i>\n  text between\n  <j>two</j>\n"
      L"</all>trailing <junk"));
  ASSERT_TRUE(m.find_child(L"all"));
  EXPECT_EQ(m.text_of_current(), L"");  // text between children is not visible
  ASSERT_TRUE(m.enter());
  ASSERT_TRUE(m.find_child(L"j"));
  EXPECT_EQ(m.text_of_current(), L"two");
  ASSERT_TRUE(m.find_child(L"i"));
  EXPECT_EQ(m.text_of_current(), L"one");
}

TEST(Markup, TagsWithBlanksAndAttributes) {
  CMarkup m;
  ASSERT_TRUE(m.load_text(L"<a  lang=\"de\"\n><b x='1' /><c>v</c ></ a>"));
  ASSERT_TRUE(m.find_child(L"a"));
  ASSERT_TRUE(m.enter());
  EXPECT_TRUE(m.find_child(L"b"));
  EXPECT_EQ(m.text_of_current(), L"");
  ASSERT_TRUE(m.find_child(L"c"));
  EXPECT_EQ(m.text_of_current(), L"v");
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
  ASSERT_TRUE(m.find_child(L"e4999"));
  EXPECT_EQ(m.text_of_current(), L"4999");
}

}  // namespace
}  // namespace tabulon
