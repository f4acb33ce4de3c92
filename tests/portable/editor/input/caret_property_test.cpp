// Random key presses over random texts, wrapped and unwrapped: after every
// key the caret lies in the text with the x its row shows it at, the
// selection bounds are ordered, and the caret is in view.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editor/store/line_record.h"
#include "editor/store/selection.h"
#include "support/caret_harness.h"

namespace {

std::u16string RandomText(std::mt19937& random) {
  static const char16_t* const kPieces[] = {u"a", u"word ", u"\t", u"\u6F22", u"\U0001F600", u"\n", u"<p>", u"xyz"};
  std::u16string text;
  const int pieces = std::uniform_int_distribution<int>(0, 60)(random);
  for (int i = 0; i < pieces; ++i) text += kPieces[std::uniform_int_distribution<int>(0, 7)(random)];
  return text;
}

void CheckCaret(CaretHarness& h, const std::string& keys) {
  const SelectionState& s = h.store.Selection();
  const TextPosition& c = s.caret;
  ASSERT_GE(c.line, 0) << keys;
  ASSERT_LT(c.line, h.store.LineCount()) << keys;
  LineRecord& line = *h.store.Line(c.line);
  ASSERT_GE(c.column, 0) << keys;
  ASSERT_LE(c.column, line.TextLength()) << keys;
  const line_geometry::ColumnPlace place = h.layout.ColumnToX(c.line, c.column);
  // On a row boundary the caret may also stand at the start of the lower row.
  if (!(place.row_end && c.x == 0)) ASSERT_EQ(c.x, place.x) << keys;
  ASSERT_FALSE(Precedes(s.end, s.start)) << keys;
  ASSERT_EQ(s.exists, !selection::SamePlace(s.anchor, s.caret)) << keys;
  ASSERT_TRUE(h.navigator.Placement().visible) << keys;
}

void RunRandomKeys(bool wrapped, std::uint32_t seed) {
  static const char* const kKeys[] = {"Up",   "Down",   "Left",    "Right",   "Home",   "End",   "PgUp",  "PgDn",
                                      "S-Up", "S-Down", "S-Left",  "S-Right", "S-Home", "S-End", "C-End", "C-Home"};
  std::mt19937 random(seed);
  for (int round = 0; round < 40; ++round) {
    CaretHarness h(wrapped ? 60 : 71, 4, wrapped);
    FillStore(h.store, RandomText(random));
    h.navigator.GoTo({0, 0, 0}, SelectionMode::Collapse);
    std::string keys;
    for (int i = 0; i < 60; ++i) {
      const char* key = kKeys[std::uniform_int_distribution<int>(0, 15)(random)];
      keys += std::string(key) + " ";
      ASSERT_TRUE(h.Press(key));
      CheckCaret(h, keys);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

TEST(CaretProperty, UnwrappedRandomKeys) { RunRandomKeys(false, 7); }
TEST(CaretProperty, WrappedRandomKeys) { RunRandomKeys(true, 11); }

}  // namespace
