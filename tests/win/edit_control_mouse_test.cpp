// The editor control under Wine driven by mouse messages: selecting by
// dragging, moving the selection, gestures and the context menu, the extra
// buttons, double clicks, the hover cursors, a capture lost mid-drag and
// the drop point for other panes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/control/edit_control_win32.h"
#include "editor/editing/editor_notify.h"
#include "win/edit_host.h"

namespace {

class EditControlMouse : public ::testing::Test {
 protected:
  void SetUp() override {
    document_ = host_.CreateControl();
    ASSERT_NE(document_, nullptr);
    window_ = edit_control::WindowOf(*document_);
  }

  LPARAM At(std::int32_t row, std::int32_t column) {
    const std::int32_t x = document_->Layout().MarginWidth() + column * host_.Set().Metrics().AverageWidth();
    return MAKELPARAM(x, document_->Layout().RowTop(row) + 3);
  }
  LRESULT Send(UINT message, WPARAM wparam, LPARAM lparam) { return SendMessageW(window_, message, wparam, lparam); }
  // Press, a move past the drag threshold, a move to the target, release.
  void Drag(LPARAM from, LPARAM to, WPARAM keys = 0) {
    Send(WM_MOUSEMOVE, keys, from);
    Send(WM_LBUTTONDOWN, MK_LBUTTON | keys, from);
    Send(WM_MOUSEMOVE, MK_LBUTTON | keys, MAKELPARAM(LOWORD(from), HIWORD(from) + 3));
    Send(WM_MOUSEMOVE, MK_LBUTTON | keys, to);
    Send(WM_LBUTTONUP, keys, to);
  }
  std::u16string Text() {
    TextStore& store = document_->Store();
    WideString text;
    const std::int32_t last = store.LineCount() - 1;
    store.RangeText({0, 0, 0}, {last, store.Line(last)->Length(), 0}, text, false);
    return std::u16string(text.View());
  }
  std::vector<WPARAM> Sent(UINT message) {
    std::vector<WPARAM> codes;
    for (const HostMessage& sent : host_.Messages())
      if (sent.message == message) codes.push_back(sent.wparam);
    return codes;
  }

  WinEditHost host_;
  Document* document_ = nullptr;
  HWND window_ = nullptr;
};

TEST_F(EditControlMouse, DraggingSelectsAndReleasesTheMouse) {
  document_->LoadText(u"abcdef\nghijkl");
  host_.Messages().clear();
  SetFocus(host_.Parent());
  Drag(At(0, 1), At(1, 4));
  const SelectionState& selection = document_->Selection();
  EXPECT_TRUE(selection.exists);
  EXPECT_EQ(selection.anchor.column, 1);
  EXPECT_EQ(selection.caret.line, 1);
  EXPECT_EQ(selection.caret.column, 4);
  EXPECT_EQ(GetFocus(), window_);
  EXPECT_NE(GetCapture(), window_);
  EXPECT_EQ(Sent(EDN_MOUSEDOWN).size(), 1u);
  EXPECT_EQ(host_.Set().Settings().mouse_state, MouseState::Idle);
}

TEST_F(EditControlMouse, DraggingTheSelectionMovesItAsOneUndoStep) {
  document_->LoadText(u"abcdef");
  document_->Editor().Select({0, 0, 0}, document_->Editor().At(0, 3));
  Drag(At(0, 1), At(0, 6));
  EXPECT_EQ(Text(), u"defabc");
  EXPECT_FALSE(Sent(EDN_CHANGED).empty());
  ASSERT_TRUE(document_->Undo());
  EXPECT_EQ(Text(), u"abcdef");
  // With Ctrl it copies.
  Drag(At(0, 1), At(0, 6), MK_CONTROL);
  EXPECT_EQ(Text(), u"abcdefabc");
}

TEST_F(EditControlMouse, GestureRunsItsCommandAndAPlainRightClickAsksForTheMenu) {
  document_->LoadText(u"abc");
  host_.Messages().clear();
  Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 60));
  EXPECT_EQ(GetCapture(), window_);
  Send(WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(100, 40));
  Send(WM_RBUTTONUP, 0, MAKELPARAM(100, 40));
  EXPECT_EQ(Sent(EDN_GESTURE), (std::vector<WPARAM>{7}));
  EXPECT_EQ(Sent(EDN_MOUSECOMMAND), (std::vector<WPARAM>{7}));
  EXPECT_TRUE(Sent(WM_CONTEXTMENU).empty());
  EXPECT_NE(GetCapture(), window_);

  host_.Messages().clear();
  Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 60));
  Send(WM_RBUTTONUP, 0, MAKELPARAM(100, 60));
  EXPECT_TRUE(Sent(EDN_MOUSECOMMAND).empty());
  ASSERT_EQ(Sent(WM_CONTEXTMENU).size(), 1u);
  EXPECT_EQ(reinterpret_cast<HWND>(Sent(WM_CONTEXTMENU)[0]), window_);

  // A cancelled gesture asks for nothing.
  host_.Messages().clear();
  Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 60));
  Send(WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(120, 60));
  Send(WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(120, 80));
  Send(WM_RBUTTONUP, 0, MAKELPARAM(120, 80));
  EXPECT_EQ(Sent(EDN_GESTURE), (std::vector<WPARAM>{6, 9}));
  EXPECT_TRUE(Sent(EDN_MOUSECOMMAND).empty());
  EXPECT_TRUE(Sent(WM_CONTEXTMENU).empty());
}

TEST_F(EditControlMouse, DoubleClickAndExtraButtonsSendTheirCommands) {
  document_->LoadText(u"abc");
  host_.Messages().clear();
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(0, 1));
  Send(WM_LBUTTONUP, 0, At(0, 1));
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, At(0, 1));
  EXPECT_EQ(GetCapture(), window_);
  Send(WM_LBUTTONUP, 0, At(0, 1));
  EXPECT_NE(GetCapture(), window_);
  EXPECT_EQ(Send(WM_XBUTTONDOWN, MAKEWPARAM(MK_XBUTTON1, XBUTTON1), At(0, 1)), TRUE);
  EXPECT_EQ(Send(WM_XBUTTONDOWN, MAKEWPARAM(MK_XBUTTON2, XBUTTON2), At(0, 1)), TRUE);
  Send(WM_MBUTTONDOWN, MK_MBUTTON, At(0, 1));
  EXPECT_EQ(Sent(EDN_MOUSECOMMAND), (std::vector<WPARAM>{0, 3, 4, 2}));
  // The class has double clicks switched on.
  EXPECT_TRUE(GetClassLongPtrW(window_, GCL_STYLE) & CS_DBLCLKS);
}

TEST_F(EditControlMouse, MarginAndSelectionShowTheirCursors) {
  document_->LoadText(u"abcdef");
  EditorSettings& settings = host_.Set().Settings();
  ASSERT_NE(settings.cursors[kCursorMargin], nullptr);
  const LPARAM client_move = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
  Send(WM_MOUSEMOVE, 0, MAKELPARAM(2, 10));
  EXPECT_EQ(Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(window_), client_move), TRUE);
  EXPECT_EQ(GetCursor(), static_cast<HCURSOR>(settings.cursors[kCursorMargin]));
  document_->Editor().Select({0, 0, 0}, document_->Editor().At(0, 3));
  Send(WM_MOUSEMOVE, 0, At(0, 1));
  EXPECT_EQ(Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(window_), client_move), TRUE);
  EXPECT_EQ(GetCursor(), static_cast<HCURSOR>(settings.cursors[kCursorArrow]));
  // Over plain text the class cursor, the I-beam.
  Send(WM_MOUSEMOVE, 0, At(0, 5));
  Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(window_), client_move);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_IBEAM));
}

TEST_F(EditControlMouse, LosingTheCaptureMidDragLeavesTheTextAlone) {
  document_->LoadText(u"abcdef");
  document_->Editor().Select({0, 0, 0}, document_->Editor().At(0, 3));
  Send(WM_MOUSEMOVE, 0, At(0, 1));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(0, 1));
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(0, 4));
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(0, 6));
  SetCapture(host_.Parent());
  ReleaseCapture();
  EXPECT_EQ(host_.Set().Settings().mouse_state, MouseState::Idle);
  Send(WM_LBUTTONUP, 0, At(0, 6));
  EXPECT_EQ(Text(), u"abcdef");
  EXPECT_EQ(document_->Selection().caret.column, 3);
  EXPECT_TRUE(document_->Selection().exists);
}

TEST_F(EditControlMouse, DropPointFromAnotherWindow) {
  document_->LoadText(u"abcdef\nghi");
  RECT rect;
  GetWindowRect(window_, &rect);
  POINT inside{0, 0};
  ClientToScreen(window_, &inside);
  ScreenToClient(host_.Parent(), &inside);
  const std::int32_t row_y = document_->Layout().RowTop(1) + 3;
  const std::int32_t column_x = document_->Layout().MarginWidth() + 2 * host_.Set().Metrics().AverageWidth();
  SetFocus(host_.Parent());
  EXPECT_EQ(edit_control::DropPoint(*document_, host_.Parent(), {inside.x + column_x, inside.y + row_y}), 2);
  EXPECT_EQ(GetFocus(), window_);
  EXPECT_EQ(document_->Selection().caret.line, 1);
  EXPECT_EQ(document_->Selection().caret.column, 2);
  POINT outside{rect.right - rect.left + 50, 10};
  EXPECT_EQ(edit_control::DropPoint(*document_, host_.Parent(), outside), 1);
  EXPECT_EQ(GetFocus(), host_.Parent());
}

}  // namespace
