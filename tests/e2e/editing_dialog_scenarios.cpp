// The editor font, colour, bookmark list and quick-tag dialogs opened by
// their commands: what OK took is in the settings file after exit, and a
// colour picked and then cancelled is gone from the editor and the file.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/settings_file.h"

namespace e2e {
namespace {

constexpr WORD kFontDialog = 5240;
constexpr WORD kColourDialog = 5250;
constexpr WORD kBookmarkDialog = 5320;
constexpr WORD kQuickTagDialog = 5450;
constexpr std::uint32_t kFontFace = 24;
constexpr std::uint32_t kFontSize = 25;
// A fixed-pitch TrueType face of the test prefix.
constexpr wchar_t kFace[] = L"Courier New";
constexpr std::uint32_t kFirstColours[] = {28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 351, 352, 354, 355};
constexpr std::uint32_t kBookmarkPath = 126;
constexpr std::uint32_t kBookmarkLine = 146;
constexpr std::uint32_t kBookmarkName = 166;
constexpr std::uint32_t kQuickTagLabel = 230;
constexpr std::uint32_t kQuickTagStart = 250;
constexpr std::uint32_t kQuickTagEnd = 270;
constexpr COLORREF kPicked = RGB(10, 200, 30);
// The red, green and blue fields of the system's colour chooser.
constexpr int kChooserRed = 706;
constexpr int kChooserGreen = 707;
constexpr int kChooserBlue = 708;

std::int32_t PreparedColour(std::size_t slot) { return static_cast<std::int32_t>(0x102030 + slot); }

void Press(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Type(HWND dialog, int id, const std::wstring& text) { SetWindowTextW(GetDlgItem(dialog, id), text.c_str()); }

// Share of the pixels in the window's top rows that have the colour.
double ShareOfTop(HWND window, COLORREF colour) {
  const ClientPicture picture(window);
  int matching = 0, all = 0;
  for (int y = 0; y < 4 && y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x, ++all) matching += picture.At(x, y) == colour;
  return all ? static_cast<double>(matching) / all : 0;
}

class EditingDialogs : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(MainWindows().empty()) << "a main window was left over"; }
  void TearDown() override {
    if (program_ && window_) EXPECT_TRUE(CloseDiscarding(*program_, window_));
  }

  void Start() {
    ASSERT_TRUE(installed_.scratch.Write(L"a.html", "one\r\ntwo\r\nthree\r\n"));
    SettingsFile settings;
    settings.SetString(kFontFace, kFace);
    for (std::size_t slot = 0; slot < std::size(kFirstColours); ++slot)
      settings.SetInt(kFirstColours[slot], PreparedColour(slot));
    ASSERT_TRUE(installed_.scratch.Write(L"Vorndel.ini", settings.Bytes()));
    program_ = std::make_unique<Program>(installed_.exe, std::vector<std::wstring>{installed_.scratch.File(L"a.html")});
    window_ = program_->WaitMainWindow();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(WaitForFiles(window_, 1));
  }
  HWND Open(WORD command, const std::wstring& caption) {
    PostMessageW(window_, WM_COMMAND, command, 0);
    return WaitDialog(program_->Id(), caption);
  }
  void Finish(HWND dialog, int button) {
    Press(dialog, button);
    EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(dialog); }));
  }
  SettingsFile Stopped() {
    EXPECT_TRUE(CloseDiscarding(*program_, window_));
    window_ = nullptr;
    SettingsFile written;
    EXPECT_TRUE(written.Parse(ReadWholeFile(installed_.scratch.File(L"Vorndel.ini"))));
    return written;
  }

  InstalledProgram installed_{ScenarioName()};
  std::unique_ptr<Program> program_;
  HWND window_ = nullptr;
};

TEST_F(EditingDialogs, OkKeepsTheirRowsAndFieldsAndCancelTakesAPickedColourBack) {
  Start();
  const std::wstring path = installed_.scratch.File(L"a.html");

  HWND colours = Open(kColourDialog, L"Colours");
  ASSERT_NE(colours, nullptr);
  // Out of the editor's way, so that its top rows show on the screen.
  SetWindowPos(colours, nullptr, 650, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Press(colours, 2412);  // the background
  HWND chooser = WaitOwnedDialog(colours);
  ASSERT_NE(chooser, nullptr);
  Type(chooser, kChooserRed, std::to_wstring(GetRValue(kPicked)));
  Type(chooser, kChooserGreen, std::to_wstring(GetGValue(kPicked)));
  Type(chooser, kChooserBlue, std::to_wstring(GetBValue(kPicked)));
  Finish(chooser, IDOK);
  HWND editor = ActiveEditor(window_);
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return ShareOfTop(editor, kPicked) > 0.5; }));
  EXPECT_GT(ShareOfTop(GetDlgItem(colours, 2411), kPicked), 0.5);
  // The script colours' swatches, after the fifteen.
  EXPECT_GT(ShareOfTop(GetDlgItem(colours, 2486), PreparedColour(15)), 0.5);
  EXPECT_GT(ShareOfTop(GetDlgItem(colours, 2491), PreparedColour(16)), 0.5);
  Screenshot(ScenarioName() + L"-colours");
  Finish(colours, IDCANCEL);
  EXPECT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return ShareOfTop(editor, PreparedColour(0)) > 0.5; }));

  HWND font = Open(kFontDialog, L"Editor font");
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(font, 2310)), kFace);
  EXPECT_EQ(WindowText(GetDlgItem(font, 2323)), L"(8-72)");
  Type(font, 2321, L"99");
  Screenshot(ScenarioName() + L"-font");
  Finish(font, IDOK);

  HWND bookmarks = Open(kBookmarkDialog, L"Bookmarks");
  ASSERT_NE(bookmarks, nullptr);
  Type(bookmarks, 2550, path);
  Type(bookmarks, 2580, L"2");
  Type(bookmarks, 2520, L"second");
  Screenshot(ScenarioName() + L"-bookmarks");
  Finish(bookmarks, IDOK);

  HWND quick_tags = Open(kQuickTagDialog, L"Quick tags");
  ASSERT_NE(quick_tags, nullptr);
  Type(quick_tags, 2740, L"Bold");
  Type(quick_tags, 2780, L"<b>");
  Type(quick_tags, 2800, L"</b>");
  Screenshot(ScenarioName() + L"-quick-tags");
  Finish(quick_tags, IDOK);

  const SettingsFile written = Stopped();
  EXPECT_EQ(written.String(kFontFace), kFace);
  EXPECT_EQ(written.Int(kFontSize), 72);
  for (std::size_t slot = 0; slot < std::size(kFirstColours); ++slot)
    EXPECT_EQ(written.Int(kFirstColours[slot]), PreparedColour(slot)) << "colour " << slot;
  EXPECT_EQ(written.String(kBookmarkPath), path);
  EXPECT_EQ(written.Int(kBookmarkLine), 1);
  EXPECT_EQ(written.String(kBookmarkName), L"second");
  EXPECT_EQ(written.String(kQuickTagLabel), L"Bold");
  EXPECT_EQ(written.String(kQuickTagStart), L"<b>");
  EXPECT_EQ(written.String(kQuickTagEnd), L"</b>");
}

}  // namespace
}  // namespace e2e
