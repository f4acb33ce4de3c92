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

TEST(MenuNavigation, HotChangesAreRecordedEndTheMenuStateOrAreRefused) {
  using menu_navigation::kHotByMouse;
  using menu_navigation::kHotEntering;
  using menu_navigation::kHotLeaving;
  struct Case {
    State before;
    std::uint16_t button;
    std::uint32_t flags;
    bool refused;
    State after;
  };
  const Case cases[] = {
      {{0, 0, false, false}, 5002, kHotEntering | kHotByMouse, false, {5002, 0, false, false}},
      {{5001, 0, false, true}, 5003, 0, false, {5003, 0, false, true}},             // set by the program
      {{5001, 5001, true, false}, 5002, kHotByMouse, false, {5001, 5001, true, false}},  // neither: nothing
      {{5001, 5001, true, false}, 0, kHotLeaving | kHotByMouse, true, {5001, 5001, true, false}},
      {{5001, 0, false, false}, 0, kHotLeaving | kHotByMouse, false, {0, 0, false, false}},
      {{5001, 5001, true, true}, 0, kHotLeaving, false, {0, 0, false, true}},
  };
  for (const Case& c : cases) {
    State state = c.before;
    EXPECT_EQ(menu_navigation::OnHotItemChange(state, c.button, c.flags), c.refused) << &c - cases;
    EXPECT_EQ(state.hot, c.after.hot) << &c - cases;
    EXPECT_EQ(state.open, c.after.open) << &c - cases;
    EXPECT_EQ(state.item_touched, c.after.item_touched) << &c - cases;
    EXPECT_EQ(state.keyboard_mode, c.after.keyboard_mode) << &c - cases;
  }
}

}  // namespace
