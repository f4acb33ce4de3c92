// The editor control window under Wine: creation, scroll messages and bars,
// focus and caret, parent notifications, the wheel, and painting.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "editor/control/edit_control_win32.h"
#include "editor/editing/editor_notify.h"
#include "win/edit_host.h"

namespace {

std::u16string Lines(int count) {
  std::u16string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += u'\n';
    text += u"line ";
    for (char c : std::to_string(i)) text += static_cast<char16_t>(c);
  }
  return text;
}

SCROLLINFO Bar(HWND window, int bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(window, bar, &info);
  return info;
}

TEST(EditControl, CreatedHiddenWithItsClassStylesAndIdentifier) {
  WinEditHost host;
  Document* first = edit_control::Create(host.Set(), host.Parent(), 30, 300, 200);
  ASSERT_NE(first, nullptr);
  HWND window = edit_control::WindowOf(*first);
  ASSERT_NE(window, nullptr);
  wchar_t name[64];
  GetClassNameW(window, name, 64);
  EXPECT_STREQ(name, L"edit_window_class");
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_CHILD);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_TRUE(style & WS_HSCROLL);
  EXPECT_FALSE(style & WS_VISIBLE);
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_STATICEDGE);
  EXPECT_EQ(GetDlgCtrlID(window), 1);
  EXPECT_EQ(GetParent(window), host.Parent());
  EXPECT_EQ(edit_control::DocumentOf(window), first);
  EXPECT_EQ(edit_control::DocumentOf(host.Parent()), nullptr);
  EXPECT_EQ(first->Mode(), kSyntaxUntitled);
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, host.Parent(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.top, 30);

  Document* second = edit_control::Create(host.Set(), host.Parent(), 0, 300, 200);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetDlgCtrlID(edit_control::WindowOf(*second)), 2);
  EXPECT_EQ(host.Set().At(0), second);
  EXPECT_EQ(host.Set().Count(), 2);

  edit_control::MoveAll(host.Set(), 10, 250, 150);
  GetClientRect(edit_control::WindowOf(*first), &rect);
  EXPECT_EQ(first->Layout().ClientWidth(), rect.right);

  edit_control::Destroy(host.Set(), first);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(host.Set().Count(), 1);
}

TEST(EditControl, ScrollMessagesMoveTheViewAndTheBar) {
  WinEditHost host;
  Document* document = host.CreateControl(20);
  ASSERT_NE(document, nullptr);
  HWND window = edit_control::WindowOf(*document);
  ASSERT_EQ(document->Layout().VisibleRows(), 20);
  document->LoadText(Lines(100));
  SCROLLINFO bar = Bar(window, SB_VERT);
  EXPECT_EQ(bar.nMax, 110);
  EXPECT_EQ(bar.nPage, 20u);

  SendMessageW(window, WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(document->Layout().FirstVisibleRow(), 91);
  EXPECT_EQ(Bar(window, SB_VERT).nPos, 91);
  SendMessageW(window, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(document->Layout().FirstVisibleRow(), 91);
  SendMessageW(window, WM_VSCROLL, SB_PAGEUP, 0);
  EXPECT_EQ(document->Layout().FirstVisibleRow(), 71);
  SendMessageW(window, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5), 0);
  SendMessageW(window, WM_VSCROLL, SB_ENDSCROLL, 0);
  EXPECT_EQ(document->Layout().FirstVisibleRow(), 71);
  SendMessageW(window, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(document->Layout().FirstVisibleRow(), 0);
  EXPECT_EQ(Bar(window, SB_VERT).nPos, 0);

  document->LoadText(std::u16string(300, u'x'));
  SendMessageW(window, WM_HSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(document->Layout().HorizontalScrollColumn(), 60);
  EXPECT_EQ(Bar(window, SB_HORZ).nPos, 60);
}

TEST(EditControl, WrapSwitchRewrapsAndDisablesTheHorizontalBar) {
  WinEditHost host;
  Document* document = host.CreateControl(20, 40);
  ASSERT_NE(document, nullptr);
  HWND window = edit_control::WindowOf(*document);
  document->LoadText(std::u16string(100, u'w') + u"\nshort");
  ASSERT_TRUE(host.Set().ToggleWrap());
  const std::int32_t rows = document->Store().TotalRows();
  EXPECT_GE(rows, 4);
  EXPECT_EQ(Bar(window, SB_VERT).nMax, rows + 10);
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetScrollBarInfo(window, OBJID_HSCROLL, &info));
  EXPECT_TRUE(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  SendMessageW(window, WM_HSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(document->Layout().HorizontalScrollColumn(), 0);
  ASSERT_TRUE(host.Set().ToggleWrap());
  EXPECT_EQ(document->Store().TotalRows(), 2);
  EXPECT_EQ(Bar(window, SB_VERT).nMax, 2 + 10);
}

TEST(EditControl, WheelScrollsThreeRowsOverTheControlAndGoesToTheParentOtherwise) {
  WinEditHost host;
  Document* document = host.CreateControl(20);
  ASSERT_NE(document, nullptr);
  HWND window = edit_control::WindowOf(*document);
  document->LoadText(Lines(100));
  RECT rect;
  GetWindowRect(window, &rect);
  const LPARAM centre = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), centre);
  EXPECT_EQ(document->Layout().FirstVisibleRow(), 3);
  SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), centre);
  EXPECT_EQ(document->Layout().FirstVisibleRow(), 0);

  host.Messages().clear();
  SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-WHEEL_DELTA)), centre);
  EXPECT_EQ(document->Layout().FirstVisibleRow(), 0);
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].message, static_cast<UINT>(WM_MOUSEWHEEL));
}

TEST(EditControl, FocusCreatesTheCaretAtTheCaretPosition) {
  WinEditHost host;
  Document* document = host.CreateControl();
  ASSERT_NE(document, nullptr);
  HWND window = edit_control::WindowOf(*document);
  document->LoadText(u"abc\ndef");
  document->Editor().CaretTo(document->Editor().At(1, 2));
  document->Navigator().RecomputeCaret();
  POINT caret;
  ASSERT_TRUE(GetCaretPos(&caret));
  EXPECT_EQ(caret.x, document->Layout().MarginWidth() + document->Selection().caret.x);
  EXPECT_EQ(caret.y, 2 + host.Set().Metrics().LinePitch());
  EXPECT_TRUE(document->CaretShown());

  SetFocus(host.Parent());
  EXPECT_FALSE(document->CaretShown());
  SetFocus(window);
  EXPECT_TRUE(document->CaretShown());
}

TEST(EditControl, ParentReceivesEditNotificationsAsMessages) {
  WinEditHost host;
  Document* document = host.CreateControl();
  ASSERT_NE(document, nullptr);
  document->LoadText(u"one\ntwo");
  host.Messages().clear();
  document->Editor().CaretTo(document->Editor().At(0, 3));
  ASSERT_GE(document->InsertText(u"\nnew\n"), 0);
  ASSERT_EQ(host.Messages().size(), 3u);
  EXPECT_EQ(host.Messages()[0].message, static_cast<UINT>(EDN_CHANGED));
  EXPECT_EQ(host.Messages()[1].message, static_cast<UINT>(EDN_MODIFIEDCHANGED));
  EXPECT_EQ(host.Messages()[1].wparam, reinterpret_cast<WPARAM>(document));
  EXPECT_EQ(host.Messages()[2].message, static_cast<UINT>(EDN_LINESINSERTED));
  EXPECT_EQ(host.Messages()[2].wparam, 0u);
  EXPECT_EQ(host.Messages()[2].lparam, 2);

  host.Messages().clear();
  SendMessageW(edit_control::WindowOf(*document), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 5));
  ASSERT_FALSE(host.Messages().empty());
  EXPECT_EQ(host.Messages()[0].message, static_cast<UINT>(EDN_MOUSEDOWN));
}

// How far a pixel lies from the nearest blend of background and colour.
double BlendResidual(COLORREF pixel, COLORREF background, COLORREF colour) {
  const double p[3] = {double(GetRValue(pixel)), double(GetGValue(pixel)), double(GetBValue(pixel))};
  const double b[3] = {double(GetRValue(background)), double(GetGValue(background)), double(GetBValue(background))};
  const double c[3] = {double(GetRValue(colour)), double(GetGValue(colour)), double(GetBValue(colour))};
  double dot = 0;
  double length = 0;
  for (int i = 0; i < 3; ++i) {
    dot += (p[i] - b[i]) * (c[i] - b[i]);
    length += (c[i] - b[i]) * (c[i] - b[i]);
  }
  const double alpha = length > 0 ? std::clamp(dot / length, 0.0, 1.0) : 0.0;
  double residual = 0;
  for (int i = 0; i < 3; ++i) {
    const double d = p[i] - (b[i] + alpha * (c[i] - b[i]));
    residual += d * d;
  }
  return residual;
}

// The pixel colour at (x, y) of a control painted into a bitmap.
class PaintedBitmap {
 public:
  PaintedBitmap(HWND window, std::int32_t width, std::int32_t height) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    GdiFlush();
  }
  ~PaintedBitmap() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  COLORREF At(std::int32_t x, std::int32_t y) const {
    const std::uint32_t pixel = bits_[y * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }
  // The ink of a rectangle: its pixel farthest from the background. Glyph
  // edges are smoothed, so only the strongest pixel shows the text colour.
  COLORREF Ink(RECT area, COLORREF background) const {
    COLORREF ink = background;
    int farthest = -1;
    for (LONG y = area.top; y < area.bottom; ++y) {
      for (LONG x = area.left; x < area.right; ++x) {
        const int distance = Distance(At(x, y), background);
        if (distance > farthest) {
          farthest = distance;
          ink = At(x, y);
        }
      }
    }
    return ink;
  }
  static int Distance(COLORREF a, COLORREF b) {
    return abs(GetRValue(a) - GetRValue(b)) + abs(GetGValue(a) - GetGValue(b)) + abs(GetBValue(a) - GetBValue(b));
  }

 private:
  std::int32_t width_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  std::uint32_t* bits_ = nullptr;
};

// Changes the system's scroll-bar width for this session until it goes out
// of scope (nothing is written to the user's profile).
class ScrollWidthChange {
 public:
  explicit ScrollWidthChange(int added) {
    saved_.cbSize = sizeof saved_;
    valid_ = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved_, &saved_, 0) != FALSE;
    NONCLIENTMETRICSW wider = saved_;
    wider.iScrollWidth += added;
    changed_ = valid_ && SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof wider, &wider, 0) != FALSE;
  }
  ~ScrollWidthChange() {
    if (changed_) SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved_, &saved_, 0);
  }
  bool Changed() const { return changed_; }

 private:
  NONCLIENTMETRICSW saved_ = {};
  bool valid_ = false;
  bool changed_ = false;
};

TEST(EditControl, FollowsAWiderSystemScrollBarAndReloadsItsCursors) {
  WinEditHost host;
  Document* document = host.CreateControl();
  ASSERT_NE(document, nullptr);
  HWND window = edit_control::WindowOf(*document);
  RECT before = {};
  GetClientRect(window, &before);
  host.Set().Settings().cursors.fill(nullptr);
  {
    ScrollWidthChange wider(10);
    ASSERT_TRUE(wider.Changed());
    edit_control::FollowSystemSettings(host.Set(), GetModuleHandleW(nullptr));
    RECT after = {};
    GetClientRect(window, &after);
    EXPECT_EQ(after.right, before.right - 10);
  }
  edit_control::FollowSystemSettings(host.Set(), GetModuleHandleW(nullptr));
  RECT restored = {};
  GetClientRect(window, &restored);
  EXPECT_EQ(restored.right, before.right);
  for (void* cursor : host.Set().Settings().cursors) EXPECT_NE(cursor, nullptr);
}

TEST(EditControl, PaintsSyntaxColoursSelectionAndMarginIntoABitmap) {
  WinEditHost host;
  Document* document = host.CreateControl();
  ASSERT_NE(document, nullptr);
  document->LoadText(u"<a href=\"x\">&amp; text</a>\nplain");
  document->Editor().Select(document->Editor().At(1, 0), document->Editor().At(1, 5));
  const std::int32_t width = document->Layout().ClientWidth();
  const std::int32_t height = document->Layout().ClientHeight();
  PaintedBitmap bitmap(edit_control::WindowOf(*document), width, height);
  const EditorColours& colours = host.Set().Settings().colours;
  const std::int32_t margin = document->Layout().MarginWidth();
  const std::int32_t pitch = host.Set().Metrics().LinePitch();
  const std::int32_t average = host.Set().Metrics().AverageWidth();
  auto cells = [&](std::int32_t line, std::int32_t first, std::int32_t end) {
    return RECT{margin + first * average, 2 + line * pitch, margin + end * average, 2 + line * pitch + pitch - 1};
  };
  // Which syntax colour the ink of some cells was blended from: smoothed
  // glyph pixels lie between the background and the text colour.
  auto nearest_slot = [&](RECT area) {
    const COLORREF background = colours[kSlotBackground];
    const COLORREF ink = bitmap.Ink(area, background);
    int best = kSlotText;
    double best_residual = 1e9;
    for (int slot : {kSlotText, kSlotTag, kSlotAttribute, kSlotValue, kSlotComment, kSlotEntity}) {
      const double residual = BlendResidual(ink, background, colours[slot]);
      if (residual < best_residual) {
        best_residual = residual;
        best = slot;
      }
    }
    return best;
  };
  // Fixed-pitch font: column c sits at c average widths.
  EXPECT_EQ(nearest_slot(cells(0, 0, 2)), kSlotTag);
  EXPECT_EQ(nearest_slot(cells(0, 3, 7)), kSlotAttribute);
  EXPECT_EQ(nearest_slot(cells(0, 8, 11)), kSlotValue);
  EXPECT_EQ(nearest_slot(cells(0, 12, 17)), kSlotEntity);
  EXPECT_EQ(nearest_slot(cells(0, 18, 22)), kSlotText);
  // The selected line: selection background, no plain background.
  EXPECT_EQ(bitmap.At(margin + 1, 2 + pitch + 1), colours[kSlotSelection]);
  EXPECT_EQ(bitmap.At(width - 2, 2 + 5 * pitch), colours[kSlotBackground]);
  // The margin's separator line.
  EXPECT_EQ(bitmap.At(margin - 5, 2 + 3), colours[kSlotMarks]);
}

}  // namespace

namespace {

// With VORNDEL_SHOW_MS set, the control stays on the screen that long, so
// that a screenshot of the virtual display can be taken.
void ShowFor(WinEditHost& host) {
  char text[16];
  if (!GetEnvironmentVariableA("VORNDEL_SHOW_MS", text, sizeof text)) return;
  const DWORD until = GetTickCount() + static_cast<DWORD>(atoi(text));
  while (GetTickCount() < until) {
    host.Pump();
    Sleep(20);
  }
}

TEST(EditControl, ShowsASampleHtmlPage) {
  // A face with Japanese glyphs, as the prefix has no font linking for
  // every face.
  WinEditHost host(u"IPAGothic");
  Document* document = host.CreateControl(24, 90);
  ASSERT_NE(document, nullptr);
  MoveWindow(host.Parent(), 20, 20, 900, 520, TRUE);
  document->LoadText(
      u"<!DOCTYPE html>\n<html>\n<head>\n\t<title>Sample &amp; test</title>\n"
      u"\t<style type=\"text/css\">\n\tp { color: red; } /* note */\n\t</style>\n</head>\n<body>\n"
      u"<!-- a comment -->\n<p class=\"intro\">Hello,\u3000world &lt;3</p>\n"
      u"<a href=\"index.html\">\u65e5\u672c\u8a9e\u306e\u30c6\u30ad\u30b9\u30c8</a>\n</body>\n</html>");
  document->Editor().Select(document->Editor().At(10, 3), document->Editor().At(10, 12));
  document->Navigator().PlaceCaret();
  document->RepaintAll();
  host.Pump();
  ShowFor(host);
  HWND window = edit_control::WindowOf(*document);
  PaintedBitmap bitmap(window, document->Layout().ClientWidth(), document->Layout().ClientHeight());
  EXPECT_EQ(bitmap.At(document->Layout().MarginWidth() + 1, 2 + 10 * host.Set().Metrics().LinePitch() + 1),
            host.Set().Settings().colours[kSlotBackground]);
}

}  // namespace
