// Selecting HTML tokens with the mouse: Ctrl+click, Ctrl+drag growing by
// whole tokens in either direction and back to the first token, and the
// select-token command at the unit last hit.
#include <gtest/gtest.h>

#include "support/document_fixture.h"
#include "support/mouse_driver.h"

namespace {

using mouse_driver::LeftClick;
using mouse_driver::TextPoint;
constexpr std::int32_t kUnit = DocumentFixture::kUnit;

PointerPoint OnUnit(DocumentFixture& f, std::int32_t line, std::int32_t unit) {
  PointerPoint point = TextPoint(f, line, unit);
  point.x += kUnit / 2;
  return point;
}

void ExpectSelection(const Document& document, std::int32_t anchor, std::int32_t caret) {
  const SelectionState& selection = document.Selection();
  EXPECT_TRUE(selection.exists);
  EXPECT_EQ(selection.anchor, (TextPosition{0, anchor, anchor * kUnit}));
  EXPECT_EQ(selection.caret, (TextPosition{0, caret, caret * kUnit}));
}

TEST(MouseTokenSelection, CtrlClickSelectsTheTokenAndEndsWithTheRelease) {
  DocumentFixture f;
  f.document.LoadText(u"<a href=\"x.html\">go</a>");
  LeftClick(f.document, OnUnit(f, 0, 4), mouse_flag::kControl);
  ExpectSelection(f.document, 2, 16);
  LeftClick(f.document, OnUnit(f, 0, 11), mouse_flag::kControl);
  ExpectSelection(f.document, 9, 15);
  // The mode ended with the release: a plain click collapses as ever.
  LeftClick(f.document, OnUnit(f, 0, 18));
  EXPECT_FALSE(f.document.Selection().exists);
  EXPECT_EQ(f.document.Selection().caret.column, 18);
}

TEST(MouseTokenSelection, CtrlDragGrowsByWholeTokensBothWays) {
  DocumentFixture f;
  // Tokens: <p> one </p> <p> two </p> three
  f.document.LoadText(u"<p>one</p><p>two</p>three");
  const std::uint32_t held = mouse_flag::kLeft | mouse_flag::kControl;
  f.document.PointerMoved(OnUnit(f, 0, 14), mouse_flag::kControl);
  f.document.LeftButtonDown(OnUnit(f, 0, 14), held);
  ExpectSelection(f.document, 13, 16);
  // Past the drag threshold, still inside the first token.
  f.document.PointerMoved({OnUnit(f, 0, 14).x, OnUnit(f, 0, 14).y + 3}, held);
  ExpectSelection(f.document, 13, 16);
  f.document.PointerMoved(OnUnit(f, 0, 22), held);
  ExpectSelection(f.document, 13, 25);
  // Back before the first token: anchored at its end.
  f.document.PointerMoved(OnUnit(f, 0, 4), held);
  ExpectSelection(f.document, 16, 3);
  f.document.PointerMoved(OnUnit(f, 0, 11), held);
  ExpectSelection(f.document, 16, 10);
  // Into the first token again: just that token.
  f.document.PointerMoved(OnUnit(f, 0, 15), held);
  ExpectSelection(f.document, 13, 16);
  f.document.LeftButtonUp(OnUnit(f, 0, 15), mouse_flag::kControl);
  ExpectSelection(f.document, 13, 16);
}

TEST(MouseTokenSelection, SelectTokenWorksAtTheUnitLastHit) {
  DocumentFixture f;
  f.document.LoadText(u"a &amp; b\n<b>x</b>");
  LeftClick(f.document, OnUnit(f, 0, 4));
  EXPECT_TRUE(f.document.SelectToken());
  ExpectSelection(f.document, 2, 7);
  // A vertical move hits too: the tag under the remembered x.
  f.document.Editor().SetRememberedX(4 * kUnit + 3);
  f.document.Navigator().VerticalMove(VerticalKey::Down, SelectionMode::Collapse);
  EXPECT_TRUE(f.document.SelectToken());
  EXPECT_EQ(f.document.Selection().anchor.line, 1);
  EXPECT_EQ(f.document.Selection().anchor.column, 4);
  EXPECT_EQ(f.document.Selection().caret.column, 8);
  // The command leaves no token mode behind: a plain click collapses.
  LeftClick(f.document, OnUnit(f, 1, 1));
  EXPECT_FALSE(f.document.Selection().exists);
  // An empty line has no token.
  f.document.LoadText(u"\nx");
  EXPECT_FALSE(f.document.SelectToken());
  EXPECT_FALSE(f.document.Selection().exists);
}

}  // namespace
