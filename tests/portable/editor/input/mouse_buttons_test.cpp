// Mouse actions the parent turns into commands: double and rocker clicks,
// the middle and extra buttons, right-button gestures and the plain right
// click that leaves the context menu to the default handling.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "editor/editing/editor_notify.h"
#include "support/document_fixture.h"
#include "support/mouse_driver.h"

namespace {

using mouse_driver::MarginPoint;
using mouse_driver::TextPoint;
constexpr std::uint32_t kLeft = mouse_flag::kLeft;
constexpr std::uint32_t kRight = mouse_flag::kRight;

std::vector<std::uintptr_t> Codes(const RecordingControlWindow& window, std::uint32_t message) {
  std::vector<std::uintptr_t> codes;
  for (const ParentMessage& sent : window.MessagesOf(message)) codes.push_back(sent.wparam);
  return codes;
}

TEST(MouseButtons, GestureStartsAtASumOfNinePixelsInTheLongerDirection) {
  DocumentFixture f;
  f.document.LoadText(u"abc");
  const PointerPoint press{100, 100};
  f.document.RightButtonDown(press, kRight);
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::RightPressed);
  f.document.PointerMoved({95, 97}, kRight);  // 5 left, 3 up: 8
  EXPECT_TRUE(f.window.MessagesOf(EDN_GESTURE).empty());
  f.document.PointerMoved({95, 96}, kRight);  // 5 left, 4 up: 9, mostly left
  EXPECT_EQ(Codes(f.window, EDN_GESTURE), (std::vector<std::uintptr_t>{kActionGestureLeft}));
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::GestureLeft);
  EXPECT_EQ(f.window.cursors, (std::vector<EditorCursor>{kCursorGestureLeft}));
  // Going on the same way changes nothing.
  f.document.PointerMoved({80, 95}, kRight);
  EXPECT_EQ(f.window.MessagesOf(EDN_GESTURE).size(), 1u);
  EXPECT_FALSE(f.document.RightButtonUp());
  EXPECT_EQ(Codes(f.window, EDN_MOUSECOMMAND), (std::vector<std::uintptr_t>{kActionGestureLeft}));
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::Idle);
  EXPECT_FALSE(f.window.captured);
}

TEST(MouseButtons, EachDirectionHasItsCode) {
  struct Case {
    PointerPoint to;
    std::int32_t code;
  };
  for (const Case& c : {Case{{100, 91}, kActionGestureUp}, Case{{100, 109}, kActionGestureDown},
                        Case{{109, 100}, kActionGestureRight}, Case{{91, 100}, kActionGestureLeft},
                        Case{{105, 95}, kActionGestureRight}}) {
    DocumentFixture f;
    f.document.RightButtonDown({100, 100}, kRight);
    f.document.PointerMoved(c.to, kRight);
    f.document.RightButtonUp();
    EXPECT_EQ(Codes(f.window, EDN_MOUSECOMMAND), (std::vector<std::uintptr_t>{std::uintptr_t(c.code)}))
        << c.to.x << "," << c.to.y;
  }
}

TEST(MouseButtons, ChangingDirectionCancelsWithoutCommandOrMenu) {
  DocumentFixture f;
  f.document.RightButtonDown({100, 100}, kRight);
  f.document.PointerMoved({90, 100}, kRight);
  f.document.PointerMoved({90, 90}, kRight);
  EXPECT_EQ(Codes(f.window, EDN_GESTURE), (std::vector<std::uintptr_t>{kActionGestureLeft, kGestureCancelled}));
  EXPECT_EQ(f.window.cursors.back(), kCursorNo);
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::GestureCancelled);
  f.document.PointerMoved({90, 70}, kRight);
  EXPECT_EQ(f.window.MessagesOf(EDN_GESTURE).size(), 2u);
  EXPECT_FALSE(f.document.RightButtonUp());
  EXPECT_TRUE(f.window.MessagesOf(EDN_MOUSECOMMAND).empty());
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::Idle);
  EXPECT_FALSE(f.window.captured);
}

TEST(MouseButtons, PlainRightClickMovesTheCaretAndAsksForTheMenu) {
  DocumentFixture f;
  f.document.LoadText(u"abcdef");
  f.document.Editor().Select({0, 0, 0}, f.document.Editor().At(0, 2));
  f.document.RightButtonDown(TextPoint(f, 0, 4), kRight);
  EXPECT_EQ(Codes(f.window, EDN_MOUSEDOWN).size(), 1u);
  EXPECT_TRUE(f.window.captured);
  EXPECT_FALSE(f.document.Selection().exists);
  EXPECT_EQ(f.document.Selection().caret.column, 4);
  EXPECT_TRUE(f.document.RightButtonUp());
  EXPECT_FALSE(f.window.captured);
  EXPECT_TRUE(f.window.MessagesOf(EDN_MOUSECOMMAND).empty());
  // A release nobody pressed for asks for nothing.
  EXPECT_FALSE(f.document.RightButtonUp());

  // On the selection the caret goes to the pointer and the selection stays.
  f.document.Editor().Select({0, 0, 0}, f.document.Editor().At(0, 4));
  f.document.PointerLeft();
  f.document.RightButtonDown(TextPoint(f, 0, 1), kRight);
  EXPECT_TRUE(f.document.Selection().exists);
  EXPECT_EQ(f.document.Selection().caret.column, 1);
  EXPECT_EQ(f.document.Selection().end.column, 4);
  EXPECT_TRUE(f.document.RightButtonUp());
}

TEST(MouseButtons, RockerClickEitherWayRound) {
  DocumentFixture f;
  f.document.LoadText(u"abc");
  // Right first, then left: the left release ends it, the right one asks
  // for no menu.
  f.document.RightButtonDown(TextPoint(f, 0, 1), kRight);
  f.document.LeftButtonDown(TextPoint(f, 0, 1), kLeft | kRight);
  EXPECT_EQ(Codes(f.window, EDN_MOUSECOMMAND), (std::vector<std::uintptr_t>{kActionRocker}));
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::LeftPressed);
  f.document.LeftButtonUp(TextPoint(f, 0, 1), kRight);
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::Idle);
  EXPECT_FALSE(f.document.RightButtonUp());

  // Left first, then right.
  f.window.Reset();
  f.document.LeftButtonDown(TextPoint(f, 0, 1), kLeft);
  f.document.RightButtonDown(TextPoint(f, 0, 1), kLeft | kRight);
  EXPECT_EQ(Codes(f.window, EDN_MOUSECOMMAND), (std::vector<std::uintptr_t>{kActionRocker}));
  EXPECT_FALSE(f.document.RightButtonUp());
  f.document.LeftButtonUp(TextPoint(f, 0, 1), 0);
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::Idle);

  // Not over the margin, and not with other keys.
  f.window.Reset();
  f.document.PointerLeft();
  f.document.RightButtonDown(MarginPoint(f, 0), kRight);
  f.document.LeftButtonDown(MarginPoint(f, 0), kLeft | kRight);
  f.document.RightButtonUp();
  f.document.PointerLeft();
  f.document.RightButtonDown(TextPoint(f, 0, 1), kRight);
  f.document.LeftButtonDown(TextPoint(f, 0, 1), kLeft | kRight | mouse_flag::kShift);
  f.document.RightButtonUp();
  EXPECT_TRUE(f.window.MessagesOf(EDN_MOUSECOMMAND).empty());
}

TEST(MouseButtons, DoubleClickMiddleAndExtraButtonsSendTheirCodes) {
  DocumentFixture f;
  f.document.LoadText(u"abc");
  f.document.LeftButtonDown(TextPoint(f, 0, 1), kLeft);
  f.document.LeftButtonUp(TextPoint(f, 0, 1), 0);
  f.document.LeftDoubleClick(kLeft);
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::LeftPressed);
  EXPECT_TRUE(f.window.captured);
  f.document.LeftButtonUp(TextPoint(f, 0, 1), 0);
  EXPECT_FALSE(f.window.captured);
  // Not with other keys, not in the margin.
  f.document.LeftDoubleClick(kLeft | mouse_flag::kControl);
  f.document.PointerMoved(MarginPoint(f, 0), 0);
  f.document.LeftDoubleClick(kLeft);

  f.window.focused = false;
  f.document.MiddleButtonDown(mouse_flag::kMiddle);
  EXPECT_TRUE(f.window.focused);
  f.document.MiddleButtonDown(mouse_flag::kMiddle | mouse_flag::kShift);
  f.document.ExtraButtonDown(1, mouse_flag::kExtra1);
  f.document.ExtraButtonDown(2, mouse_flag::kExtra2);
  f.document.ExtraButtonDown(1, mouse_flag::kExtra1 | mouse_flag::kExtra2);
  f.document.ExtraButtonDown(2, mouse_flag::kExtra1);
  EXPECT_EQ(Codes(f.window, EDN_MOUSECOMMAND),
            (std::vector<std::uintptr_t>{kActionDoubleClick, kActionMiddle, kActionExtra1, kActionExtra2}));
  // Every press but the double click told the parent.
  EXPECT_EQ(f.window.MessagesOf(EDN_MOUSEDOWN).size(), 7u);
}

TEST(MouseButtons, CommandsGoLastSoThatTheParentMayCloseTheDocument) {
  DocumentFixture f;
  f.document.LoadText(u"abc");
  MouseState state_seen = MouseState::Idle;
  bool captured_seen = false;
  f.window.on_notify = [&](const ParentMessage& sent) {
    if (sent.message != EDN_MOUSECOMMAND) return;
    state_seen = f.set.Settings().mouse_state;
    captured_seen = f.window.captured;
  };
  f.document.LeftDoubleClick(kLeft);
  EXPECT_EQ(state_seen, MouseState::LeftPressed);
  EXPECT_TRUE(captured_seen);
  f.window.on_notify = nullptr;

  // A document closed while it holds the mouse frees it for the others.
  auto other = std::make_unique<Document>(f.set.Metrics(), f.set.Settings());
  other->AttachWindow(std::make_unique<RecordingControlWindow>());
  f.document.LeftButtonUp(TextPoint(f, 0, 1), 0);
  other->LeftButtonDown({40, 10}, kLeft);
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::LeftPressed);
  // Meanwhile the other controls ignore the pointer.
  f.document.LeftButtonDown(TextPoint(f, 0, 2), kLeft);
  f.document.PointerMoved(TextPoint(f, 0, 3), kLeft);
  f.document.LeftButtonUp(TextPoint(f, 0, 3), 0);
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::LeftPressed);
  other.reset();
  EXPECT_EQ(f.set.Settings().mouse_state, MouseState::Idle);
}

}  // namespace
