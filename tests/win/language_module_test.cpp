// The language module as the program loads it: as data only, by full path,
// with the signature checked, and English.dll carrying every text the
// program asks for.
#include "frame/language/language_module.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/language/language_dialog.h"
#include "frame/frame_state.h"

namespace {

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, n);
  return folder.substr(0, folder.rfind(L'\\'));
}

std::u16string U16(const std::wstring& text) { return {text.begin(), text.end()}; }

// Every string id the program reads: command names, menu titles,
// placeholders, pane and bar texts, dialog texts, interface and error texts.
std::vector<unsigned> NamedStringIds() {
  std::vector<unsigned> ids;
  auto range = [&](unsigned first, unsigned last) {
    for (unsigned id = first; id <= last; ++id) ids.push_back(id);
  };
  range(5000, 5006);
  ids.insert(ids.end(), {5010, 5020, 5021, 5022, 5023});
  range(5024, 5043);
  ids.insert(ids.end(), {5050, 5051, 5052, 5080, 5081, 5082, 5083, 5090, 5110, 5111, 5120, 5121, 5122, 5123,
                         5124, 5125, 5130, 5140, 5150});
  range(5151, 5156);
  ids.insert(ids.end(), {5160, 5161, 5170, 5180, 5181, 5210, 5220, 5230, 5240, 5250, 5251, 5252, 5260, 5310,
                         5320, 5330});
  range(5331, 5350);
  range(5410, 5430);
  ids.push_back(5450);
  range(5510, 5518);
  ids.insert(ids.end(), {5550, 5610, 5620});
  range(5700, 5704);
  range(5800, 5803);
  ids.insert(ids.end(), {5810, 5811, 5900, 5901, 5902, 5910, 5911, 5920, 6000, 6001});
  ids.insert(ids.end(), {402, 403, 412, 700, 701, 710, 711, 1100, 1101, 1102, 1103, 1532, 1560, 1561});
  ids.insert(ids.end(), {20000, 20010});
  range(20100, 20107);
  range(20110, 20112);
  ids.insert(ids.end(), {20200, 20220, 20300, 20301, 20400, 20500, 20502, 20504, 20505, 20506, 20508, 20509,
                         20510, 20520, 20521, 20530, 20531, 20600});
  range(20608, 20616);
  ids.insert(ids.end(), {21000, 21002, 21003, 21004, 21005, 21100, 21110, 21120, 21121});
  ids.insert(ids.end(), {30000, 30001, 30002, 30003, 30005, 30006, 30007});
  return ids;
}

// A scratch folder removed with its files at the end of the test.
class ScratchFolder {
 public:
  ScratchFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"vorndel_lang_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~ScratchFolder() {
    for (const auto& file : files_) DeleteFileW(file.c_str());
    RemoveDirectoryW(path_.c_str());
  }
  std::wstring Add(const std::wstring& name) {
    files_.push_back(path_ + L"\\" + name);
    return files_.back();
  }
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
  std::vector<std::wstring> files_;
};

// A copy of English.dll whose signature resource is replaced by data.
void CopyWithSignature(const std::wstring& target, const void* data, DWORD bytes) {
  ASSERT_TRUE(CopyFileW((ProgramFolder() + L"\\English.dll").c_str(), target.c_str(), FALSE));
  HANDLE update = BeginUpdateResourceW(target.c_str(), FALSE);
  ASSERT_NE(update, nullptr);
  ASSERT_TRUE(UpdateResourceW(update, MAKEINTRESOURCEW(10), MAKEINTRESOURCEW(1),
                              MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), const_cast<void*>(data), bytes));
  ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
}

class LanguageModule : public testing::Test {
 protected:
  void TearDown() override { language_module::Unload(); }
};

TEST_F(LanguageModule, EnglishCarriesEveryStringTheProgramNames) {
  ASSERT_TRUE(language_module::Load(u"English", U16(ProgramFolder())));
  EXPECT_EQ(language_module::Name().View(), u"English");
  for (unsigned id : NamedStringIds()) {
    WideString text;
    ASSERT_TRUE(language_module::String(id, text));
    EXPECT_FALSE(text.Empty()) << "string " << id << " is missing";
  }
  WideString caption;
  language_module::String(30000, caption);
  EXPECT_EQ(caption.View(), u"Error");
  // Read in place, as the settings take the default editor face.
  EXPECT_EQ(language_module::StringView(20010), u"Courier New");
  EXPECT_TRUE(language_module::StringView(29999).empty());
  // A missing string reads as empty; a limit cuts the text.
  WideString text;
  ASSERT_TRUE(language_module::String(29999, text));
  EXPECT_TRUE(text.Empty());
  ASSERT_TRUE(language_module::String(21110, text, 4));
  EXPECT_EQ(text.View(), u"This");
}

TEST_F(LanguageModule, FallsBackInOrderAndChecksTheSignatureOfWhatLoaded) {
  ScratchFolder folder;
  const std::u16string dir = U16(folder.Path());
  // Only a Japanese module: the stored name and English are missing.
  ASSERT_TRUE(CopyFileW((ProgramFolder() + L"\\English.dll").c_str(), folder.Add(L"Japanese.dll").c_str(), FALSE));
  ASSERT_TRUE(language_module::Load(u"Klingon", dir));
  EXPECT_EQ(language_module::Name().View(), u"Japanese");

  // A module with a wrong or a too short signature fails, and no other is
  // tried even though Japanese.dll is there; the loaded one stays.
  const char wrong[] = "Vorndex";
  CopyWithSignature(folder.Add(L"Wrong.dll"), wrong, sizeof wrong);
  const char short_one[] = "Vor";
  CopyWithSignature(folder.Add(L"Short.dll"), short_one, sizeof short_one);
  EXPECT_FALSE(language_module::Load(u"Wrong", dir));
  EXPECT_FALSE(language_module::Load(u"Short", dir));
  EXPECT_EQ(language_module::Name().View(), u"Japanese");
  EXPECT_TRUE(language_module::Loaded());

  EXPECT_FALSE(language_module::Probe(U16(folder.Path() + L"\\Wrong.dll").c_str()));
  EXPECT_FALSE(language_module::Probe(U16(folder.Path() + L"\\Short.dll").c_str()));
  EXPECT_FALSE(language_module::Probe(U16(folder.Path() + L"\\Absent.dll").c_str()));
  EXPECT_TRUE(language_module::Probe(U16(folder.Path() + L"\\Japanese.dll").c_str()));

  // Nothing usable at all.
  language_module::Unload();
  ScratchFolder empty_folder;
  EXPECT_FALSE(language_module::Load(u"", U16(empty_folder.Path() + L"x")));
  EXPECT_FALSE(language_module::Loaded());
}

// An extended template with DS_SETFONT at 8 points and no controls.
std::vector<WORD> SmallTemplate() {
  std::vector<WORD> t = {1, 0xFFFF, 0, 0, 0, 0};
  const DWORD style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION;
  t.push_back(LOWORD(style));
  t.push_back(HIWORD(style));
  t.insert(t.end(), {0, 10, 10, 100, 50, 0, 0, 'T', 0, 8, FW_NORMAL, 0x0100});
  for (wchar_t c : std::wstring(L"Tahoma")) t.push_back(c);
  t.push_back(0);
  return t;
}

INT_PTR CALLBACK ReportFontHeight(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  LOGFONTW font = {};
  HFONT handle = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  GetObjectW(handle, sizeof font, &font);
  EndDialog(dialog, 1000 + (font.lfHeight < 0 ? -font.lfHeight : font.lfHeight));
  return TRUE;
}

TEST(LanguageDialog, TheFontSizeFollowsTheInterfaceFont) {
  Frame().program_module = GetModuleHandleW(nullptr);
  const auto t = SmallTemplate();
  const INT_PTR large = language_dialog::RunModalFrom(t.data(), t.size() * 2, nullptr, ReportFontHeight, 0, -14);
  const INT_PTR normal = language_dialog::RunModalFrom(t.data(), t.size() * 2, nullptr, ReportFontHeight, 0, -12);
  ASSERT_GT(large, 1000);
  ASSERT_GT(normal, 1000);
  EXPECT_GT(large, normal);  // 11 points is taller than 9
  // The template in hand is not touched: copies are patched.
  EXPECT_EQ(t[t.size() - 10], 8);
  // Not an extended template with a font: no dialog.
  auto broken = t;
  broken[1] = 0;
  EXPECT_EQ(language_dialog::RunModalFrom(broken.data(), broken.size() * 2, nullptr, ReportFontHeight, 0, -12), -1);
  EXPECT_EQ(language_dialog::RunModalFrom(t.data(), 20, nullptr, ReportFontHeight, 0, -12), -1);
}

}  // namespace
