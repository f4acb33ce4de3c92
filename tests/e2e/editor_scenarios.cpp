// The editor in the main window as a user meets it: files from the command
// line painted in their colours, typing, the mouse, the clipboard, and
// wrapped text.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/real_input.h"
#include "e2e/settings_file.h"

namespace e2e {
namespace {

// The default colours, as COLORREF values.
constexpr COLORREF kTag = 0xDC3C00;
constexpr COLORREF kAttribute = 0x786400;
constexpr COLORREF kValue = 0x402080;
constexpr COLORREF kComment = 0x649696;
constexpr COLORREF kEntity = 0x307260;
constexpr COLORREF kCssProperty = 0xAA4058;
constexpr COLORREF kCssValue = 0x00508C;
constexpr COLORREF kText = 0x000000;
constexpr COLORREF kSelection = 0x808080;
constexpr COLORREF kScriptKeyword = RGB(175, 0, 175);
constexpr COLORREF kScriptNumber = RGB(0, 128, 128);

constexpr WORD kUndo = 5110;
constexpr WORD kCut = 5120;
constexpr WORD kPaste = 5122;
constexpr WORD kDelete = 5123;
constexpr WORD kSelectAll = 5124;
constexpr WORD kDocumentStart = 6000;
constexpr WORD kDocumentEnd = 6001;
constexpr std::uint32_t kWrapEntry = 295;

// Rows start 2 pixels below the top; the first row's glyphs lie within the
// next 11 pixels whatever the line spacing, and the second row's below them.
constexpr int kFirstRowTop = 2;
constexpr int kFirstRowProbe = 11;

// Where pixels of exactly one colour lie in a band of rows.
struct Span {
  int first = INT_MAX;
  int last = -1;
  int count = 0;
};

Span Find(const ClientPicture& picture, COLORREF colour, int top, int bottom) {
  Span span;
  for (int y = top; y < bottom && y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if (picture.At(x, y) != colour) continue;
      span.first = std::min(span.first, x);
      span.last = std::max(span.last, x);
      ++span.count;
    }
  }
  return span;
}

Span FirstRow(const ClientPicture& picture, COLORREF colour) {
  return Find(picture, colour, kFirstRowTop, kFirstRowTop + kFirstRowProbe);
}

class Editor : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(MainWindows().empty()) << "a main window was left over"; }

  // Starts the program with one file of the scratch folder and waits for its
  // editor.
  void Start(const std::wstring& name, const std::string& bytes) {
    // Settings of the scenario's own: no recent-file line of an earlier run
    // moves the caret.
    if (!Exists(installed_.scratch.File(L"Vorndel.ini"))) ASSERT_TRUE(installed_.scratch.Write(L"Vorndel.ini", ""));
    ASSERT_TRUE(installed_.scratch.Write(name, bytes));
    program_ = std::make_unique<Program>(installed_.exe, std::vector<std::wstring>{installed_.scratch.File(name)});
    window_ = program_->WaitMainWindow();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return ActiveEditor(window_) != nullptr; }));
    editor_ = ActiveEditor(window_);
    ASSERT_EQ(OpenedFiles(window_), std::vector<std::wstring>{installed_.scratch.File(name)});
  }

  void TearDown() override {
    if (!program_ || !window_) return;
    EXPECT_TRUE(CloseDiscarding(*program_, window_));
  }

  // Starts on the file and gives the first row's span of each colour, every
  // one at least three pixels; the screenshot is taken.
  std::vector<Span> StartAndShow(const std::wstring& name, const std::string& bytes,
                                 std::initializer_list<COLORREF> colours) {
    Start(name, bytes);
    std::vector<Span> spans;
    if (HasFatalFailure()) return std::vector<Span>(colours.size());
    const ClientPicture picture(editor_);
    for (COLORREF colour : colours) {
      spans.push_back(FirstRow(picture, colour));
      EXPECT_GE(spans.back().count, 3) << std::hex << colour;
    }
    Screenshot(ScenarioName());
    return spans;
  }

  std::wstring Copied() { return CopiedSelection(window_); }

  std::wstring SelectedByShift(UINT key, int times, const std::wstring& expected) {
    EXPECT_TRUE(PressWithShift(window_, key, times));
    return WaitForSelection(window_, expected);
  }

  InstalledProgram installed_{ScenarioName()};
  std::unique_ptr<Program> program_;
  HWND window_ = nullptr;
  HWND editor_ = nullptr;
};

TEST_F(Editor, AnHtmlFileFromTheCommandLineIsShownInItsColours) {
  // Long enough for the view to scroll.
  std::string filler;
  for (int i = 0; i < 80; ++i) filler += "<br>\n";
  Start(L"colours.html",
        "<p class=\"intro\">a &amp; b</p>\n"
        "<!-- note -->\n"
        "<h1>Title</h1>\n"
        "<a href=\"index.html\">home</a>\n" +
            filler);
  {
    // First row: tag, attribute, value, text, entity and the end tag, left
    // to right; no comment.
    const ClientPicture picture(editor_);
    const Span tag = FirstRow(picture, kTag), attribute = FirstRow(picture, kAttribute);
    const Span value = FirstRow(picture, kValue), entity = FirstRow(picture, kEntity);
    const Span text = FirstRow(picture, kText);
    EXPECT_GE(tag.count, 3);
    EXPECT_GE(attribute.count, 3);
    EXPECT_GE(value.count, 3);
    EXPECT_GE(entity.count, 3);
    EXPECT_GE(text.count, 3);
    EXPECT_LT(tag.first, attribute.first);
    EXPECT_LT(attribute.last, value.first);
    EXPECT_LT(value.last, entity.first);
    EXPECT_LT(entity.last, tag.last);
    EXPECT_EQ(FirstRow(picture, kComment).count, 0);
  }
  // One line down the comment is at the top, in its colour alone.
  SendMessageW(editor_, WM_VSCROLL, SB_LINEDOWN, 0);
  {
    const ClientPicture picture(editor_);
    EXPECT_GE(FirstRow(picture, kComment).count, 3);
    EXPECT_EQ(FirstRow(picture, kTag).count, 0);
    EXPECT_EQ(FirstRow(picture, kText).count, 0);
  }
  SendMessageW(editor_, WM_VSCROLL, SB_LINEUP, 0);

  // A selection by keys, as a user makes it: "index" in the last line.
  SendKey(editor_, VK_DOWN);
  SendKey(editor_, VK_DOWN);
  SendKey(editor_, VK_DOWN);
  for (int i = 0; i < 9; ++i) SendKey(editor_, VK_RIGHT);
  EXPECT_EQ(SelectedByShift(VK_RIGHT, 5, L"index"), L"index");
  const ClientPicture picture(editor_);
  EXPECT_GT(Find(picture, kSelection, 0, picture.Height()).count, 0);
  EXPECT_EQ(Find(picture, kSelection, kFirstRowTop, kFirstRowTop + kFirstRowProbe).count, 0);
  Screenshot(ScenarioName());
}

TEST_F(Editor, KeysAndCharactersChangeTheTextAsTyping) {
  Start(L"typed.txt", "one\ntwo");
  SendKey(editor_, VK_END);
  SendCharacters(editor_, L"!");
  SendKey(editor_, VK_DOWN);
  SendKey(editor_, VK_HOME);
  SendCharacters(editor_, L"2");
  SendCommand(window_, kDelete);  // the Delete key's command
  SendCharacters(editor_, L"\r");
  SendCharacters(editor_, L"x\b");
  Screenshot(ScenarioName());
  EXPECT_EQ(DocumentText(window_), L"one!\r\n2\r\nwo");
  // Every change can be taken back.
  for (int i = 0; i < 20; ++i) SendCommand(window_, kUndo);
  EXPECT_EQ(DocumentText(window_), L"one\r\ntwo");
}

TEST_F(Editor, CopyAcrossALineEndGivesCrLfAndPastingItBackStoresALineFeed) {
  Start(L"lines.txt", "ab\ncd");
  // The line end alone, selected with Shift+Right at the end of the line.
  SendKey(editor_, VK_END);
  EXPECT_EQ(SelectedByShift(VK_RIGHT, 1, L"\r\n"), L"\r\n");
  EXPECT_EQ(DocumentText(window_), L"ab\r\ncd");
  // Pasted at the end: one line feed each, no carriage return kept (a kept
  // one would come back doubled as "\r\r\n").
  SendCommand(window_, kDocumentStart);
  SendCommand(window_, kDocumentEnd);
  SendCommand(window_, kPaste);
  Screenshot(ScenarioName());
  EXPECT_EQ(DocumentText(window_), L"ab\r\ncdab\r\ncd");
}

TEST_F(Editor, WhileAnotherProgramHoldsTheClipboardCutAndPasteChangeNothing) {
  Start(L"held.txt", "keep\nthis");
  ASSERT_TRUE(SetClipboardText(L"outside"));
  SendCommand(window_, kSelectAll);
  ASSERT_TRUE(OpenClipboard(nullptr));
  SendCommand(window_, kCut);
  SendCommand(window_, kPaste);
  Screenshot(ScenarioName());
  CloseClipboard();
  std::wstring clipboard;
  ASSERT_TRUE(ClipboardText(clipboard));
  EXPECT_EQ(clipboard, L"outside");
  EXPECT_EQ(DocumentText(window_), L"keep\r\nthis");
}

TEST_F(Editor, ACssFileIsShownInItsColours) {
  Start(L"style.css", "p { color: red; }\n/* note */\nh1 { margin: 0; }\n");
  const ClientPicture picture(editor_);
  const Span property = FirstRow(picture, kCssProperty), value = FirstRow(picture, kCssValue);
  EXPECT_GE(property.count, 3);
  EXPECT_GE(value.count, 3);
  EXPECT_LT(property.last, value.first);
  EXPECT_EQ(FirstRow(picture, kTag).count, 0);

  SendKey(editor_, VK_DOWN);
  SendKey(editor_, VK_DOWN);
  EXPECT_EQ(SelectedByShift(VK_RIGHT, 2, L"h1"), L"h1");
  Screenshot(ScenarioName());
}

TEST_F(Editor, AScriptFileIsShownInItsColours) {
  const std::vector<Span> shown = StartAndShow(L"app.js", "const n = 42; // note\nlet s = `a${n}`;\n",
                                               {kScriptKeyword, kScriptNumber, kComment});
  EXPECT_LT(shown[0].last, shown[1].first);
  EXPECT_LT(shown[1].last, shown[2].first);
}

TEST_F(Editor, AScriptElementOfAPageIsShownAsAScript) {
  const std::vector<Span> shown = StartAndShow(L"page.html", "<script>if (a) return 7;</script><p>if</p>\n",
                                               {kTag, kScriptKeyword, kScriptNumber, kText});
  const Span &tag = shown[0], &keyword = shown[1], &number = shown[2], &text = shown[3];
  // Keywords lie between the start tag and the end tag; the "if" of the
  // paragraph after the element is plain text.
  EXPECT_LT(tag.first, keyword.first);
  EXPECT_LT(keyword.last, number.first);
  EXPECT_LT(number.last, tag.last);
  EXPECT_GT(text.last, number.last);
}

TEST_F(Editor, AMarginClickSelectsALineThatTheMouseDragsToTheEnd) {
  // A button left down by an earlier scenario's real input would let the
  // editor's auto-scroll follow the real pointer instead of these messages.
  MouseAt(0, 0, MOUSEEVENTF_LEFTUP);
  Start(L"mouse.txt", "abcdef\nghijkl");
  const auto send = [&](UINT message, WPARAM keys, int x, int y) {
    SendMessageW(editor_, message, keys, MAKELPARAM(x, y));
  };
  const int row_y = kFirstRowTop + 4;
  // In the line-number margin, beside the first line.
  send(WM_MOUSEMOVE, 0, 3, row_y);
  send(WM_LBUTTONDOWN, MK_LBUTTON, 3, row_y);
  send(WM_LBUTTONUP, 0, 3, row_y);
  EXPECT_EQ(Copied(), L"abcdef\r\n");

  // Pressed on the shown selection and released below the end of the text.
  const ClientPicture picture(editor_);
  const Span selected = FirstRow(picture, kSelection);
  ASSERT_GT(selected.count, 0);
  const int x = selected.first + 3;
  RECT client;
  GetClientRect(editor_, &client);
  send(WM_MOUSEMOVE, 0, x, row_y);
  send(WM_LBUTTONDOWN, MK_LBUTTON, x, row_y);
  send(WM_MOUSEMOVE, MK_LBUTTON, x + 4, row_y);
  send(WM_MOUSEMOVE, MK_LBUTTON, client.right - 20, client.bottom - 10);
  send(WM_LBUTTONUP, 0, client.right - 20, client.bottom - 10);
  Screenshot(ScenarioName());
  EXPECT_EQ(DocumentText(window_), L"ghijklabcdef\r\n");
  // One undo puts it back.
  SendCommand(window_, kUndo);
  EXPECT_EQ(DocumentText(window_), L"abcdef\r\nghijkl");
}

TEST_F(Editor, JapaneseTextIsWrappedWhenTheSettingsSaySo) {
  SettingsFile settings;
  settings.SetInt(kWrapEntry, 1);
  ASSERT_TRUE(installed_.scratch.Write(L"Vorndel.ini", settings.Bytes()));
  // One line of about 400 wide characters (UTF-8).
  std::string line;
  for (int i = 0; i < 40; ++i) line += "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE6\x96\x87\xE7\xAB\xA0\xE3\x80\x82";
  Start(L"japanese.txt", line);
  const ClientPicture picture(editor_);
  // Text far below the first row: the one line goes on in further rows.
  EXPECT_GT(Find(picture, kText, 60, 120).count, 0);

  SendKey(editor_, VK_RIGHT);
  EXPECT_EQ(SelectedByShift(VK_RIGHT, 3, L"\x672C\x8A9E\x306E"), L"\x672C\x8A9E\x306E");
  Screenshot(ScenarioName());
}

}  // namespace
}  // namespace e2e
