// Keyboard shortcuts as a user meets them: real key presses with Ctrl held
// run their commands, a first run keeps the default keys in the settings
// file, and an overlong entry from an edited file is cut, not trusted.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/settings_file.h"
#include "settings/key_bindings.h"
#include "settings/settings_reader.h"

namespace e2e {
namespace {

constexpr std::uint32_t kKeyBindings = 20;
constexpr WORD kSelectAll = 5124;
constexpr WORD kCopy = 5121;
constexpr std::size_t kLongestEntry = key_bindings::kSlotCount * key_bindings::kRecordBytes;
const wchar_t kNothingCopied[] = L"\x1F(nothing copied)";

// Entry 20 of the settings file the program wrote.
std::string KeyBindingRecords(const std::wstring& path) {
  SettingsReader reader;
  if (!reader.Open(std::u16string(path.begin(), path.end()))) return {};
  std::string bytes(reader.ReadBytes(kKeyBindings, nullptr, 0), '\0');
  reader.ReadBytes(kKeyBindings, reinterpret_cast<std::uint8_t*>(bytes.data()), static_cast<std::uint32_t>(bytes.size()));
  return bytes;
}

std::string Record(unsigned char flags, unsigned char key, WORD command) {
  return {static_cast<char>(flags), 0, static_cast<char>(key), 0, static_cast<char>(command & 0xFF),
          static_cast<char>(command >> 8)};
}

class Keys : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(MainWindows().empty()) << "a main window was left over"; }

  // Starts the program on its settings file in the scratch folder, with an
  // untitled document holding typed text.
  void Start(const std::string& settings_bytes) {
    ASSERT_TRUE(installed_.scratch.Write(L"Vorndel.ini", settings_bytes));
    program_ = std::make_unique<Program>(installed_.exe, std::vector<std::wstring>{});
    window_ = program_->WaitMainWindow();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(WaitUntil(kStartTimeoutMs, [&] { return ActiveEditor(window_) != nullptr; }));
    SendCharacters(ActiveEditor(window_), L"abc");
  }

  // Ctrl with a key through the input queue; true once `done` holds.
  template <typename Done>
  bool PressCtrl(UINT key, Done done, int times = 1) {
    EXPECT_TRUE(PressWithModifier(window_, VK_CONTROL, key, times));
    return WaitUntil(kStartTimeoutMs, done);
  }

  std::wstring Clipboard() {
    std::wstring text;
    ClipboardText(text);
    return text;
  }

  void Close() {
    ASSERT_TRUE(CloseDiscarding(*program_, window_));
    window_ = nullptr;
  }

  void TearDown() override {
    if (program_ && window_) EXPECT_TRUE(CloseDiscarding(*program_, window_));
  }

  InstalledProgram installed_{ScenarioName()};
  std::unique_ptr<Program> program_;
  HWND window_ = nullptr;
};

TEST_F(Keys, CtrlKeysSelectCopyAndUndoAndAFirstRunKeepsTheDefaults) {
  Start("");  // unreadable: a first run
  // Ctrl+A alone changes nothing the clipboard shows: the copy is the proof.
  SetClipboardText(kNothingCopied);
  ASSERT_TRUE(PressCtrl('A', [] { return true; }));
  EXPECT_TRUE(PressCtrl('C', [&] { return Clipboard() == L"abc"; }));
  Screenshot(ScenarioName());
  // Each typed character is a step of its own; an empty text copies nothing.
  EXPECT_TRUE(PressCtrl('Z', [&] { return DocumentText(window_) == kNothingCopied; }, 3))
      << "the typing was not taken back";
  Close();

  const std::string records = KeyBindingRecords(installed_.scratch.File(L"Vorndel.ini"));
  EXPECT_EQ(records.size(), 222u);
  EXPECT_EQ(records.substr(0, 6), std::string("\x09\x00\x4E\x00\x92\x13", 6));
}

TEST_F(Keys, AnOverlongEntryIsCutToItsFirstRecordsAndItsKeysStillWork) {
  // 100 records: Ctrl+A first, then commands no slot knows.
  std::string run = Record(9, 'A', kSelectAll);
  for (int i = 1; i < 100; ++i) run += Record(9, static_cast<unsigned char>('0' + i % 10), static_cast<WORD>(4000 + i));
  std::string file = SettingsFile().Bytes();
  AppendRun(file, kKeyBindings, run);
  Start(file);
  EXPECT_TRUE(PressCtrl('A', [&] {
    SetClipboardText(kNothingCopied);
    SendCommand(window_, kCopy);
    return Clipboard() == L"abc";
  })) << "Ctrl+A selected nothing";
  Close();

  const std::string records = KeyBindingRecords(installed_.scratch.File(L"Vorndel.ini"));
  EXPECT_LE(records.size(), kLongestEntry);
  EXPECT_EQ(records.substr(0, 6), run.substr(0, 6));
}

}  // namespace
}  // namespace e2e
