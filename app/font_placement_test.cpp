#include "app/font_placement.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(FontText, PointSizeIsRoundedOnWritingAndCutOnReading) {
  font_record f{L"Segoe UI", -13, 700, 1, 0, 1};
  // 13 px at 96 ppi is 9.75 points: written as 10.
  EXPECT_EQ(encode_font(f, 96),
            L"Segoe UI,PointSize(10),Weight(700),Italic(1),Underline(0),StrikeOut(1)");
  auto back = decode_font(encode_font(f, 96), 96);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->face, L"Segoe UI");
  EXPECT_EQ(back->height, -13);  // -(10 * 96) / 72 = -13.33, cut toward zero
  EXPECT_EQ(back->weight, 700);
  EXPECT_EQ(back->italic, 1);
  EXPECT_EQ(back->strikeout, 1);
  EXPECT_EQ(decode_font(L"Arial,PointSize(9),Weight(400),Italic(0),Underline(0),StrikeOut(0)", 120)
                ->height,
            -15);
}

TEST(FontText, IncompleteTextsDoNotDecode) {
  EXPECT_FALSE(decode_font(L"Arial", 96));
  EXPECT_FALSE(decode_font(L"Arial,PointSize(10),Weight(400),Italic(0),Underline(0)", 96));
  EXPECT_FALSE(
      decode_font(L"Arial,PointSize(x),Weight(400),Italic(0),Underline(0),StrikeOut(0)", 96));
  EXPECT_FALSE(decode_font(L"", 96));
  // The face ends at the first comma; trailing text after the numbers is ignored.
  auto f = decode_font(L",PointSize(8),Weight(400),Italic(0),Underline(1),StrikeOut(0)junk", 0);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->face, L"");
  EXPECT_EQ(f->underline, 1);
  EXPECT_EQ(f->height, -10);  // an unknown resolution counts as 96
}

TEST(FontText, DefaultAndHeadingFonts) {
  const font_record base = default_interface_font(96);
  EXPECT_EQ(base.face, L"Arial");
  EXPECT_EQ(base.height, -13);
  const font_record heading = heading_font(base);
  EXPECT_EQ(heading.weight, 700);
  EXPECT_EQ(heading.height, -19);  // -13 * 1.55 = -20.15 -> -20, then plus one
  font_record tiny = base;
  tiny.height = -1;
  EXPECT_EQ(heading_font(tiny).height, -1);  // -1.55 -> -1; -1 / 2 is 0, nothing added
}

TEST(PlacementText, LabelsAreSwappedAndRectangleIsLeftRightTopBottom) {
  window_placement_record p;
  p.flags = 2;
  p.show_cmd = 1;
  p.min_x = -1, p.min_y = -2, p.max_x = -3, p.max_y = -4;
  p.left = 10, p.top = 20, p.right = 300, p.bottom = 400;
  const std::wstring text = encode_window_placement(p);
  EXPECT_EQ(text, L"flags(1),showCmd(2),ptMin(-1,-2),ptMax(-3,-4),rcNormal(10,300,20,400)");
  auto back = decode_window_placement(text, 1024, 768);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->flags, 2);
  EXPECT_EQ(back->show_cmd, 1);
  EXPECT_EQ(back->right, 300);
  EXPECT_EQ(back->top, 20);
  EXPECT_EQ(back->max_y, -4);
}

TEST(PlacementText, OffScreenOrIncompletePlacementsAreIgnored) {
  auto rect = [](int l, int r, int t, int b) {
    return L"flags(1),showCmd(0),ptMin(0,0),ptMax(0,0),rcNormal(" + std::to_wstring(l) + L"," +
           std::to_wstring(r) + L"," + std::to_wstring(t) + L"," + std::to_wstring(b) + L")";
  };
  EXPECT_TRUE(decode_window_placement(rect(-100, 1, -100, 1), 800, 600)) << "one pixel shows";
  EXPECT_FALSE(decode_window_placement(rect(-100, 0, 10, 50), 800, 600));
  EXPECT_FALSE(decode_window_placement(rect(800, 900, 10, 50), 800, 600));
  EXPECT_FALSE(decode_window_placement(rect(10, 50, 600, 700), 800, 600));
  EXPECT_FALSE(decode_window_placement(rect(50, 10, 10, 50), 800, 600)) << "empty rectangle";
  EXPECT_FALSE(decode_window_placement(L"flags(1),showCmd(0),ptMin(0,0),ptMax(0,0),rcNormal(1,2,3)",
                                       800, 600));
  EXPECT_FALSE(decode_window_placement(L"", 800, 600));
}

TEST(ScanNumbers, BehavesLikeScanfForDecimalConversions) {
  int32_t v[3] = {};
  EXPECT_EQ(scan_numbers(L"a( 12),b(-3)", L"a(%d),b(%d)", v, 3), 2);
  EXPECT_EQ(v[0], 12);
  EXPECT_EQ(v[1], -3);
  EXPECT_EQ(scan_numbers(L"a(99999999999)", L"a(%d)", v, 3), 1);
  EXPECT_EQ(v[0], INT32_MAX) << "saturates";
  EXPECT_EQ(scan_numbers(L"a(-)", L"a(%d)", v, 3), 0);
  EXPECT_EQ(scan_numbers(L"x(1)", L"a(%d)", v, 3), 0);
}

}  // namespace
}  // namespace tabulon
