// The editor control under Wine driven by key and character messages, and
// its clipboard commands against the system clipboard.
#include <gtest/gtest.h>

#include <string>

#include "editor/control/edit_control_win32.h"
#include "platform/wide_string.h"
#include "win/edit_host.h"

namespace {

std::u16string TextOf(Document& document) {
  TextStore& store = document.Store();
  WideString text;
  const std::int32_t last = store.LineCount() - 1;
  store.RangeText({0, 0, 0}, {last, store.Line(last)->Length(), 0}, text, false);
  return std::u16string(text.View());
}

// The system clipboard's text, NUL excluded; "<none>" without text.
std::u16string ClipboardText() {
  if (!OpenClipboard(nullptr)) return u"<closed>";
  std::u16string text = u"<none>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const char16_t*>(GlobalLock(data))) {
      text = units;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// Puts bytes on the clipboard exactly as given, terminator or not.
void PutClipboardBytes(const void* bytes, SIZE_T size) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  memcpy(GlobalLock(block), bytes, size);
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
}

// Another thread keeps the clipboard open while it lives.
class ClipboardHolder {
 public:
  ClipboardHolder() {
    opened_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Hold, this, 0, nullptr);
    WaitForSingleObject(opened_, 5000);
  }
  ~ClipboardHolder() {
    SetEvent(release_);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    CloseHandle(opened_);
    CloseHandle(release_);
  }
  bool Held() const { return held_; }

 private:
  static DWORD WINAPI Hold(void* self) {
    auto* holder = static_cast<ClipboardHolder*>(self);
    HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    holder->held_ = OpenClipboard(owner) != FALSE;
    SetEvent(holder->opened_);
    WaitForSingleObject(holder->release_, 10000);
    if (holder->held_) CloseClipboard();
    DestroyWindow(owner);
    return 0;
  }

  HANDLE opened_;
  HANDLE release_;
  HANDLE thread_;
  bool held_ = false;
};

TEST(EditControlInput, CharactersAndKeysEditAsTyped) {
  WinEditHost host;
  Document* document = host.CreateControl();
  ASSERT_NE(document, nullptr);
  HWND window = edit_control::WindowOf(*document);
  document->LoadText(u"first\nsecond");
  for (wchar_t unit : std::wstring(L"ab\rc")) SendMessageW(window, WM_CHAR, unit, 1);
  EXPECT_EQ(TextOf(*document), u"ab\ncfirst\nsecond");
  SendMessageW(window, WM_KEYDOWN, VK_DOWN, 1);
  SendMessageW(window, WM_KEYDOWN, VK_END, 1);
  SendMessageW(window, WM_CHAR, L'!', 1);
  SendMessageW(window, WM_CHAR, 8, 1);
  SendMessageW(window, WM_CHAR, 8, 1);
  EXPECT_EQ(TextOf(*document), u"ab\ncfirst\nsecon");
  const TextPosition caret = document->Selection().caret;
  EXPECT_EQ(caret.line, 2);
  EXPECT_EQ(caret.column, 5);
  POINT point;
  ASSERT_TRUE(GetCaretPos(&point));
  EXPECT_EQ(point.x, document->Layout().MarginWidth() + caret.x);
  EXPECT_EQ(point.y, 2 + 2 * host.Set().Metrics().LinePitch());
  EXPECT_TRUE(document->Editor().Modified());
}

TEST(EditControlInput, CopyAcrossALineEndAndPasteBack) {
  WinEditHost host;
  Document* document = host.CreateControl();
  ASSERT_NE(document, nullptr);
  document->LoadText(u"ab\ncd");
  DocumentEditor& editor = document->Editor();
  editor.Select(editor.At(0, 2), editor.At(1, 0));
  ASSERT_TRUE(document->Copy(false));
  EXPECT_EQ(ClipboardText(), u"\r\n");
  editor.CaretTo(editor.At(1, 2));
  ASSERT_TRUE(document->Paste());
  EXPECT_EQ(TextOf(*document), u"ab\ncd\n");
  EXPECT_EQ(document->Store().LineCount(), 3);

  editor.Select(editor.At(0, 0), editor.At(1, 1));
  ASSERT_TRUE(document->Copy(true));
  EXPECT_EQ(ClipboardText(), u"ab\r\nc");
  EXPECT_EQ(TextOf(*document), u"d\n");
}

TEST(EditControlInput, ClipboardHeldByAnotherThreadChangesNothing) {
  WinEditHost host;
  Document* document = host.CreateControl();
  ASSERT_NE(document, nullptr);
  document->LoadText(u"keep this");
  const char16_t text[] = u"pasted";
  PutClipboardBytes(text, sizeof text);
  DocumentEditor& editor = document->Editor();
  editor.Select(editor.At(0, 0), editor.At(0, 4));
  {
    ClipboardHolder holder;
    ASSERT_TRUE(holder.Held());
    EXPECT_FALSE(document->Paste());
    EXPECT_FALSE(document->Copy(true));
    EXPECT_EQ(TextOf(*document), u"keep this");
  }
  EXPECT_EQ(ClipboardText(), u"pasted");
  ASSERT_TRUE(document->Paste());
  EXPECT_EQ(TextOf(*document), u"pasted this");
}

TEST(EditControlInput, PasteStopsAtTheFirstNul) {
  WinEditHost host;
  Document* document = host.CreateControl();
  ASSERT_NE(document, nullptr);
  document->LoadText(u"");
  const char16_t text[] = {u'a', u'b', 0, u'c', u'd', 0};
  PutClipboardBytes(text, sizeof text);
  ASSERT_TRUE(document->Paste());
  EXPECT_EQ(TextOf(*document), u"ab");
}

}  // namespace
