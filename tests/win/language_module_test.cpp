// The language modules as the program loads them: as data only, by full
// path, with the signature checked, each carrying every text the program
// asks for; and Japanese.dll keeping step with every string and dialog of
// English.dll.
#include "base/language/language_module.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "commands/command_catalogue.h"
#include "base/language/dialog_template.h"
#include "base/language/language_dialog_win32.h"
#include "base/frame_state.h"
#include "support/program_folder.h"

namespace dialog_template {
// Controls by their fields, so that a difference between modules reads.
std::ostream& operator<<(std::ostream& out, const Control& control) {
  out << "{id " << static_cast<std::int32_t>(control.id) << std::hex << ", style 0x" << control.style
      << ", extended style 0x" << control.ex_style << std::dec << ", class ";
  if (control.class_name.empty()) out << "#0x" << std::hex << control.class_ordinal << std::dec;
  for (char16_t c : control.class_name) out << static_cast<char>(c);
  return out << "}";
}
}  // namespace dialog_template

namespace {

using test_support::ProgramFolder;
using test_support::U16;

// Every string id the program reads: command names and menu titles (every
// number of the command table),
// placeholders, pane and bar texts, dialog texts, interface and error texts.
std::vector<unsigned> NamedStringIds() {
  std::vector<unsigned> ids;
  auto range = [&](unsigned first, unsigned last) {
    for (unsigned id = first; id <= last; ++id) ids.push_back(id);
  };
  for (const command_catalogue::Command& command : command_catalogue::All()) ids.push_back(command.id);
  ids.insert(ids.end(), {402, 403, 412, 700, 701, 710, 711, 1100, 1101, 1102, 1103, 1532, 1560, 1561});
  ids.insert(ids.end(), {20000, 20010});
  range(20100, 20107);
  range(20110, 20112);
  ids.insert(ids.end(), {20200, 20220, 20300, 20301, 20400, 20500, 20502, 20504, 20505, 20506, 20508, 20509,
                         20510, 20520, 20521, 20530, 20531, 20600});
  range(20608, 20616);
  ids.insert(ids.end(), {21000, 21002, 21003, 21004, 21005, 21006, 21100, 21110, 21120, 21121});
  ids.insert(ids.end(), {30000, 30001, 30002, 30003, 30005, 30006, 30007, 30040, 30041, 30042, 30050});
  range(21200, 21210);  // find in files
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

struct ModuleCase {
  const char16_t* name;
  const char16_t* untitled;  // a text that shows the module's own language
};

std::string Narrow(const char16_t* text) {
  return std::string(text, text + std::char_traits<char16_t>::length(text));
}

std::ostream& operator<<(std::ostream& out, const ModuleCase& module) { return out << Narrow(module.name); }

class EveryModule : public testing::TestWithParam<ModuleCase> {
 protected:
  void TearDown() override { language_module::Unload(); }
};

TEST_P(EveryModule, CarriesEveryStringTheProgramNames) {
  ASSERT_TRUE(language_module::Load(GetParam().name, U16(ProgramFolder())));
  EXPECT_EQ(language_module::Name().View(), GetParam().name);
  for (unsigned id : NamedStringIds()) {
    WideString text;
    ASSERT_TRUE(language_module::String(id, text));
    EXPECT_FALSE(text.Empty()) << "string " << id << " is missing";
    // The program reads at most kStringLimit characters: a longer text
    // would show cut.
    WideString whole;
    ASSERT_TRUE(language_module::String(id, whole, 4 * language_module::kStringLimit));
    EXPECT_EQ(whole.View(), text.View()) << "string " << id << " is longer than the program reads";
  }
  EXPECT_EQ(language_module::StringView(20220), GetParam().untitled);
}

INSTANTIATE_TEST_SUITE_P(LanguageModule, EveryModule,
                         testing::Values(ModuleCase{u"English", u"Untitled"}, ModuleCase{u"Japanese", u"無題"}),
                         [](const testing::TestParamInfo<ModuleCase>& info) { return Narrow(info.param.name); });

TEST_F(LanguageModule, ReadsStringsWholeInPlaceOrCutToALimit) {
  ASSERT_TRUE(language_module::Load(u"English", U16(ProgramFolder())));
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
  ASSERT_TRUE(CopyFileW((ProgramFolder() + L"\\Japanese.dll").c_str(), folder.Add(L"Japanese.dll").c_str(), FALSE));
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
  EXPECT_EQ(language_module::StringView(20220), u"無題");

  EXPECT_FALSE(language_module::Probe(U16(folder.Path() + L"\\Wrong.dll").c_str()));
  EXPECT_FALSE(language_module::Probe(U16(folder.Path() + L"\\Short.dll").c_str()));
  EXPECT_FALSE(language_module::Probe(U16(folder.Path() + L"\\Absent.dll").c_str()));
  EXPECT_TRUE(language_module::Probe(U16(folder.Path() + L"\\Japanese.dll").c_str()));

  // Nothing usable at all: the loaded module stays readable, and without
  // one nothing is loaded.
  ScratchFolder empty_folder;
  const std::u16string nowhere = U16(empty_folder.Path() + L"x");
  EXPECT_FALSE(language_module::Load(u"", nowhere));
  EXPECT_EQ(language_module::StringView(20220), u"無題");
  language_module::Unload();
  EXPECT_FALSE(language_module::Load(u"", nowhere));
  EXPECT_FALSE(language_module::Loaded());
}

TEST_F(LanguageModule, SwitchingTakesOnlyTheNamedModuleAndKeepsTheOldOneOnFailure) {
  ScratchFolder folder;
  const std::u16string dir = U16(folder.Path());
  for (const wchar_t* name : {L"English.dll", L"Japanese.dll"})
    ASSERT_TRUE(CopyFileW((ProgramFolder() + L"\\" + name).c_str(), folder.Add(name).c_str(), FALSE));
  const char wrong[] = "Vorndex";
  CopyWithSignature(folder.Add(L"Wrong.dll"), wrong, sizeof wrong);
  ASSERT_TRUE(language_module::Load(u"Japanese", dir));

  // Missing, forged or outside the folder: no fallback, and the Japanese
  // texts stay readable.
  for (std::u16string_view name : {u"Absent", u"Wrong", u"..\\English", u""}) {
    EXPECT_FALSE(language_module::Switch(name, dir)) << std::string(name.begin(), name.end());
    EXPECT_EQ(language_module::Name().View(), u"Japanese");
    EXPECT_EQ(language_module::StringView(20220), u"無題");
  }
  ASSERT_TRUE(language_module::Switch(u"English", dir));
  EXPECT_EQ(language_module::StringView(20220), u"Untitled");
}

// A module file opened as data, as the program opens it, for reading its
// resources directly.
class ModuleFile {
 public:
  explicit ModuleFile(const std::wstring& name)
      : module_(LoadLibraryExW((ProgramFolder() + L"\\" + name + L".dll").c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~ModuleFile() {
    if (module_) FreeLibrary(module_);
  }
  ModuleFile(const ModuleFile&) = delete;
  ModuleFile& operator=(const ModuleFile&) = delete;

  bool Open() const { return module_ != nullptr; }

  std::vector<unsigned> Ids(const wchar_t* type) const {
    std::vector<unsigned> ids;
    EnumResourceNamesW(
        module_, type,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) -> BOOL {
          if (IS_INTRESOURCE(name))
            reinterpret_cast<std::vector<unsigned>*>(list)->push_back(static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
          return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&ids));
    return ids;
  }

  // The bytes of a resource; empty when it is missing.
  std::vector<std::uint8_t> Bytes(const wchar_t* type, unsigned id) const {
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
    HGLOBAL loaded = found ? LoadResource(module_, found) : nullptr;
    const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    return data ? std::vector<std::uint8_t>(data, data + SizeofResource(module_, found)) : std::vector<std::uint8_t>();
  }

  // Every non-empty string by id: block n holds the sixteen strings from
  // (n - 1) * 16, each a length and its units.
  std::map<unsigned, std::u16string> Strings() const {
    std::map<unsigned, std::u16string> strings;
    for (unsigned block : Ids(RT_STRING)) {
      const std::vector<std::uint8_t> bytes = Bytes(RT_STRING, block);
      std::size_t at = 0;
      for (unsigned i = 0; i < 16 && at + 2 <= bytes.size(); ++i) {
        const std::size_t length = bytes[at] | bytes[at + 1] << 8;
        at += 2;
        std::u16string text;
        for (std::size_t k = 0; k < length && at + 2 <= bytes.size(); ++k, at += 2)
          text.push_back(static_cast<char16_t>(bytes[at] | bytes[at + 1] << 8));
        if (!text.empty()) strings[(block - 1) * 16 + i] = text;
      }
    }
    return strings;
  }

 private:
  HMODULE module_;
};

// The format parts a translation must carry over unchanged, in order:
// "%" specifiers and tabs.
std::u16string FormatParts(const std::u16string& text) {
  std::u16string parts;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\t') parts += u'\t';
    if (text[i] == u'%' && i + 1 < text.size()) parts += text.substr(i++, 2);
  }
  return parts;
}

TEST(LanguageModules, JapaneseHasEveryStringOfEnglishAndOnlyMenuKeysBeyond) {
  const ModuleFile english(L"English"), japanese(L"Japanese");
  ASSERT_TRUE(english.Open());
  ASSERT_TRUE(japanese.Open());
  const auto english_strings = english.Strings();
  const auto japanese_strings = japanese.Strings();
  ASSERT_EQ(english_strings.at(20220), u"Untitled");  // the blocks are read as the program reads them
  for (const auto& [id, text] : english_strings) {
    const auto found = japanese_strings.find(id);
    if (found == japanese_strings.end()) {
      ADD_FAILURE() << "Japanese.dll lacks string " << id;
      continue;
    }
    EXPECT_EQ(FormatParts(found->second), FormatParts(text)) << "string " << id;
  }
  // A menu text's second part may be Japanese only; nothing else may.
  for (const auto& [id, text] : japanese_strings) {
    EXPECT_TRUE(english_strings.contains(id) || (id >= 10000 && english_strings.contains(id - 10000)))
        << "string " << id << " of Japanese.dll is not in English.dll";
  }
}

TEST(LanguageModules, JapaneseHasEveryDialogOfEnglishWithTheSameControls) {
  const ModuleFile english(L"English"), japanese(L"Japanese");
  ASSERT_TRUE(english.Open());
  ASSERT_TRUE(japanese.Open());
  // The go-to-line template as the resource compiler wrote it: label, field
  // and the two buttons, by their predefined classes.
  dialog_template::Controls go_to_line;
  const auto go_to_line_bytes = english.Bytes(RT_DIALOG, 2200);
  ASSERT_TRUE(dialog_template::ReadControls(go_to_line_bytes.data(), go_to_line_bytes.size(), go_to_line));
  std::vector<std::pair<std::uint32_t, std::uint16_t>> seen;
  for (const auto& control : go_to_line.items) seen.emplace_back(control.id, control.class_ordinal);
  EXPECT_EQ(seen, (std::vector<std::pair<std::uint32_t, std::uint16_t>>{
                      {0xFFFFFFFF, 0x82}, {2220, 0x81}, {IDOK, 0x80}, {IDCANCEL, 0x80}}));

  const std::vector<unsigned> ids = english.Ids(RT_DIALOG);
  EXPECT_FALSE(ids.empty());
  for (unsigned id : ids) {
    const auto english_bytes = english.Bytes(RT_DIALOG, id);
    const auto japanese_bytes = japanese.Bytes(RT_DIALOG, id);
    dialog_template::Controls english_controls, japanese_controls;
    ASSERT_TRUE(dialog_template::ReadControls(english_bytes.data(), english_bytes.size(), english_controls)) << id;
    if (!dialog_template::ReadControls(japanese_bytes.data(), japanese_bytes.size(), japanese_controls)) {
      ADD_FAILURE() << "Japanese.dll lacks dialog " << id << " or it is no extended template with a font";
      continue;
    }
    EXPECT_EQ(japanese_controls.style, english_controls.style) << "dialog " << id;
    EXPECT_EQ(japanese_controls.ex_style, english_controls.ex_style) << "dialog " << id;
    EXPECT_EQ(japanese_controls.items, english_controls.items) << "dialog " << id;
  }
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
