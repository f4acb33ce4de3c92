// What Left, Right, Return and the pointer do on the menu bar.
#include <gtest/gtest.h>

#include "frame/layout/menu_navigation.h"

namespace {

using menu_navigation::Decision;
using menu_navigation::Key;
using menu_navigation::State;

TEST(MenuNavigation, KeysMoveAlongTheBarAndOpenItsMenus) {
  struct Case {
    State state;
    Key key;
    Decision decision;
  };
  const Case cases[] = {
      {{5000, 0, false, true}, Key::kLeft, {true, false, 0, 5006}},   // wraps to the last button
      {{5006, 0, false, true}, Key::kRight, {true, false, 0, 5000}},
      {{5002, 0, false, true}, Key::kReturn, {true, true, 5002, 0}},
      {{5002, 0, false, true}, Key::kDown, {true, true, 5002, 0}},
      {{5000, 5000, false, false}, Key::kRight, {true, true, 5001, 0}},  // the next menu opens
      {{5000, 5000, true, false}, Key::kRight, {}},                      // a submenu's business
      {{5000, 5000, false, false}, Key::kDown, {}},                      // moves in the popup
      {{0, 0, false, false}, Key::kReturn, {}},
      {{5003, 0, false, true}, Key::kOther, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(menu_navigation::OnKey(c.state, c.key), c.decision);
}

TEST(MenuNavigation, LettersOpenTheirMenusFromTheBarOnly) {
  EXPECT_EQ(menu_navigation::OnLetter({5000, 0, false, true}, u'v'), (Decision{true, true, 5002, 0}));
  EXPECT_EQ(menu_navigation::OnLetter({5000, 0, false, true}, u'H'), (Decision{true, true, 5006, 0}));
  EXPECT_EQ(menu_navigation::OnLetter({5000, 0, false, true}, u'q'), Decision{});
  EXPECT_EQ(menu_navigation::OnLetter({5000, 5000, false, false}, u'v'), Decision{});  // the popup's own letters
  EXPECT_EQ(menu_navigation::OnLetter({0, 0, false, false}, u'v'), Decision{});
}

TEST(MenuNavigation, ThePointerSwitchesOpenMenusAndClosesItsOwn) {
  EXPECT_EQ(menu_navigation::OnPointerMove({5001, 5001, true, false}, 5003), (Decision{false, true, 5003, 0}));
  EXPECT_EQ(menu_navigation::OnPointerMove({5001, 5001, true, false}, 5001), Decision{});
  EXPECT_EQ(menu_navigation::OnPointerMove({5001, 0, false, true}, 5002), (Decision{false, true, 0, 0}));
  EXPECT_EQ(menu_navigation::OnPointerMove({5001, 5001, true, false}, 0), Decision{});
  EXPECT_EQ(menu_navigation::OnLeftButton({5001, 5001, true, false}, 5001), (Decision{true, true, 0, 0}));
  EXPECT_EQ(menu_navigation::OnLeftButton({5001, 5001, true, false}, 5002), Decision{});
}

}  // namespace
