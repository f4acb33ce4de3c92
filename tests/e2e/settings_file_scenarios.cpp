// The settings file as bytes across real runs: what a first run writes, what
// a later run carries over untouched, damaged files met at start, and a kill
// while the file is being written at exit.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "e2e/driver.h"
#include "e2e/exit_kills.h"
#include "e2e/installed_program.h"
#include "e2e/settings_file.h"
#include "settings/settings_file.h"
#include "settings/settings_reader.h"

namespace e2e {
namespace {

constexpr std::uint32_t kEntries = settings_file::kEntryCount;
constexpr std::uint32_t kDataStart = settings_file::kDataStart;
constexpr std::uint32_t kLanguageName = 0;
constexpr std::uint32_t kDocumentExtensions = 13;
constexpr std::uint32_t kFontSize = 25;
constexpr std::int32_t kDefaultFontSize = 10;
constexpr std::uint32_t kFindHistory = 46;
constexpr std::uint32_t kReopen = 296;
// An inline entry written only while reopening is on: with it off, a data
// run planted there is one the program does not write.
constexpr std::uint32_t kActiveTab = 353;
constexpr std::size_t kPlantedBytes = 8 << 20;
constexpr int kKillSteps = 8;

struct Slot {
  std::uint32_t where;
  std::uint32_t value;
};

std::uint32_t Word(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int k = 3; k >= 0; --k) value = value << 8 | static_cast<unsigned char>(bytes[at + k]);
  return value;
}

Slot SlotOf(const std::string& file, std::uint32_t entry) {
  return {Word(file, 4 + 8 * entry), Word(file, 8 + 8 * entry)};
}

std::string Utf16(const std::wstring& text) {
  std::string bytes;
  for (wchar_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

// Why `file` is not whole as this program writes it (header, every slot
// absent, inline or a run inside the data area, the runs tiling the data
// area without gap, overlap or tail); empty when it is.
std::string WholeFileProblem(const std::string& file) {
  if (file.size() < kDataStart) return "shorter than its table (" + std::to_string(file.size()) + " bytes)";
  if (Word(file, 0) != settings_file::kHeader) return "header";
  std::vector<std::pair<std::uint64_t, std::uint64_t>> runs;
  for (std::uint32_t i = 0; i < kEntries; ++i) {
    const Slot slot = SlotOf(file, i);
    const std::string entry = "entry " + std::to_string(i);
    if (slot.where == 0 && slot.value != 0) return entry + ": absent with a value";
    if (slot.where <= 1) continue;
    if (slot.value == 0) return entry + ": empty run";
    if (slot.where < kDataStart || std::uint64_t{slot.where} + slot.value > file.size())
      return entry + ": run outside the data area";
    runs.emplace_back(slot.where, slot.value);
  }
  std::sort(runs.begin(), runs.end());
  std::uint64_t next = kDataStart;
  for (const auto& [where, length] : runs) {
    if (where != next) return "gap or overlap at " + std::to_string(where);
    next += length;
  }
  if (next != file.size()) return "bytes after the last run";
  return {};
}

// The program's own reader over the file: valid, the whole table, and the
// language module's name in entry 0.
bool ReaderAccepts(const std::wstring& path) {
  SettingsReader reader;
  if (!reader.Open(std::u16string(path.begin(), path.end())) || reader.Count() != kEntries || reader.Version() != 1102)
    return false;
  WideString language;
  return reader.ReadString(kLanguageName, language) == SettingsReader::kAvailable && language.View() == u"English";
}

// Starts the program, waits for its main window, closes it and expects a
// clean end.
void StartAndClose(const InstalledProgram& installed, const std::wstring& shot = {}) {
  Program program(installed.exe, {});
  HWND window = program.WaitMainWindow();
  ASSERT_NE(window, nullptr) << "no main window";
  if (!shot.empty()) Screenshot(shot);
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 99;
  ASSERT_TRUE(program.WaitExit(kExitTimeoutMs, code)) << "did not end";
  EXPECT_EQ(code, 0u);
}

TEST(SettingsFile, AFirstRunWritesTheHeaderTheLanguageNameFirstAndTheRunsInWriterOrder) {
  const std::wstring app_data = AppDataFolder();
  ASSERT_TRUE(DeleteTree(app_data));
  InstalledProgram installed(ScenarioName());
  StartAndClose(installed, ScenarioName());

  const std::wstring path = app_data + L"\\Vorndel.ini";
  const std::string file = ReadWholeFile(path);
  ASSERT_GE(file.size(), kDataStart + 14);
  const char header[4] = {static_cast<char>(kEntries & 0xFF), static_cast<char>(kEntries >> 8), 0x4E, 0x04};
  EXPECT_EQ(file.substr(0, 4), std::string(header, 4));
  const Slot language = SlotOf(file, kLanguageName);
  EXPECT_EQ(language.where, kDataStart);
  EXPECT_EQ(language.value, 14u);
  EXPECT_EQ(file.substr(kDataStart, 14), Utf16(L"English"));
  // The next run written is the document extensions a first run builds,
  // each followed by its terminator.
  const std::string extensions = Utf16(std::wstring(L".html\0.htm\0.xml\0.txt\0.css\0", 26));
  const Slot listed = SlotOf(file, kDocumentExtensions);
  EXPECT_EQ(listed.where, kDataStart + 14);
  EXPECT_EQ(listed.value, extensions.size());
  EXPECT_EQ(file.substr(kDataStart + 14, extensions.size()), extensions);
  EXPECT_EQ(WholeFileProblem(file), "");
  EXPECT_TRUE(ReaderAccepts(path));
  EXPECT_EQ(StrayFiles(app_data), std::vector<std::wstring>()) << "left beside the settings file";
  EXPECT_FALSE(Exists(installed.scratch.File(L"Vorndel.ini")));
}

TEST(SettingsFile, ADataRunTheProgramDoesNotWriteIsKeptByteForByteAfterItsOwnRuns) {
  InstalledProgram installed(ScenarioName());
  SettingsFile settings;
  settings.SetString(kLanguageName, L"English");
  settings.SetInt(kReopen, 0);
  std::string file = settings.Bytes();
  // An odd length, NULs and bytes no string would carry unchanged.
  const std::string planted("\x00\xFF\x7Fplanted\x00\x01\x80\xFE!", 15);
  AppendRun(file, kActiveTab, planted);
  ASSERT_TRUE(installed.scratch.Write(L"Vorndel.ini", file));

  // Kept by a run that read someone else's file, and again by one that
  // read its own.
  for (int run = 0; run < 2; ++run) {
    StartAndClose(installed, run == 0 ? ScenarioName() : std::wstring());
    const std::string written = ReadWholeFile(installed.scratch.File(L"Vorndel.ini"));
    ASSERT_EQ(WholeFileProblem(written), "") << "run " << run;
    const Slot slot = SlotOf(written, kActiveTab);
    EXPECT_EQ(slot.value, planted.size()) << "run " << run;
    EXPECT_EQ(std::uint64_t{slot.where} + slot.value, written.size()) << "not after the runs of this run";
    EXPECT_EQ(written.substr(slot.where, slot.value), planted) << "run " << run;
    EXPECT_EQ(SettingsFile().Parse(written), true);
  }
  EXPECT_EQ(StrayFiles(installed.scratch.Path()), std::vector<std::wstring>());
}

TEST(SettingsFile, ATruncatedFileStartsWithWhatCouldBeRead) {
  InstalledProgram installed(ScenarioName());
  const std::wstring ini = installed.scratch.File(L"Vorndel.ini");
  // A file of the program's own making, with an inline value and a string
  // run that are not the defaults.
  SettingsFile settings;
  settings.SetString(kLanguageName, L"English");
  settings.SetInt(kFontSize, 20);
  settings.SetString(kFindHistory, L"needle");
  ASSERT_TRUE(installed.scratch.Write(L"Vorndel.ini", settings.Bytes()));
  StartAndClose(installed);
  const std::string real = ReadWholeFile(ini);
  ASSERT_EQ(WholeFileProblem(real), "");
  const Slot needle = SlotOf(real, kFindHistory);
  ASSERT_GT(needle.where, 1u);
  const std::size_t needle_end = needle.where + needle.value;

  std::mt19937 random(20261207);
  auto between = [&](std::size_t low, std::size_t high) {
    return std::uniform_int_distribution<std::size_t>(low, high)(random);
  };
  // Inside the header, inside the table, one short of it, exactly it, cutting
  // the string run or keeping it, and anywhere in the data area.
  const std::vector<std::size_t> lengths = {0,
                                            3,
                                            between(4, kDataStart - 1),
                                            kDataStart - 1,
                                            kDataStart,
                                            needle_end - 1,
                                            needle_end,
                                            between(kDataStart + 1, real.size() - 1),
                                            between(kDataStart + 1, real.size() - 1)};
  for (std::size_t length : lengths) {
    SCOPED_TRACE("cut to " + std::to_string(length) + " of " + std::to_string(real.size()) + " bytes");
    ASSERT_TRUE(installed.scratch.Write(L"Vorndel.ini", real.substr(0, length)));
    StartAndClose(installed, length == needle_end - 1 ? ScenarioName() : std::wstring());
    if (HasFatalFailure()) return;
    const std::string written = ReadWholeFile(ini);
    EXPECT_EQ(WholeFileProblem(written), "");
    EXPECT_TRUE(ReaderAccepts(ini));
    SettingsFile read;
    ASSERT_TRUE(read.Parse(written));
    // Without the whole table nothing is read; with it, every run that lies
    // wholly inside the file.
    EXPECT_EQ(read.Int(kFontSize), length >= kDataStart ? 20 : kDefaultFontSize);
    EXPECT_EQ(read.String(kFindHistory), length >= needle_end ? L"needle" : L"");
  }
}

// Random bytes, or a sound header over a table of random slots whose runs
// point anywhere into random data.
std::string RandomSettings(std::mt19937& random, bool sound_table) {
  std::uniform_int_distribution<int> byte(0, 255);
  const std::size_t size = std::uniform_int_distribution<std::size_t>(sound_table ? kDataStart : 0, 12000)(random);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(byte(random));
  if (!sound_table) return bytes;
  auto put = [&](std::size_t at, std::uint32_t value) {
    for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>(value >> (8 * k));
  };
  put(0, settings_file::kHeader);
  std::uniform_int_distribution<std::uint32_t> anywhere(0, static_cast<std::uint32_t>(size));
  for (std::uint32_t i = 0; i < kEntries; ++i) {
    const std::uint32_t kind = anywhere(random) % 4;
    if (kind == 0) continue;  // random words
    const std::uint32_t where = kind == 1 ? 1 : anywhere(random);
    put(4 + 8 * i, where);
    put(8 + 8 * i, kind == 1 ? std::uniform_int_distribution<std::uint32_t>()(random)
                             : anywhere(random) % (size - std::min<std::size_t>(where, size) + 16));
  }
  return bytes;
}

TEST(SettingsFile, RandomBytesStartTheProgramAndAreReplacedByAWholeFile) {
  InstalledProgram installed(ScenarioName());
  const std::wstring ini = installed.scratch.File(L"Vorndel.ini");
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    ASSERT_TRUE(installed.scratch.Write(L"Vorndel.ini", RandomSettings(random, seed > 3)));
    StartAndClose(installed, seed == 4 ? ScenarioName() : std::wstring());
    if (HasFatalFailure()) return;
    EXPECT_EQ(WholeFileProblem(ReadWholeFile(ini)), "");
    EXPECT_TRUE(ReaderAccepts(ini));
  }
  EXPECT_EQ(StrayFiles(installed.scratch.Path()), std::vector<std::wstring>());
}

// An old file whose carried-over run is large enough that writing the new
// file takes a while, so that kills land before, during and after it.
std::string LargeOldFile() {
  SettingsFile settings;
  settings.SetString(kLanguageName, L"English");
  settings.SetInt(kReopen, 0);
  settings.SetInt(kFontSize, 20);
  std::string file = settings.Bytes();
  std::string planted(kPlantedBytes, '\0');
  std::mt19937 random(7);
  for (char& c : planted) c = static_cast<char>(random());
  AppendRun(file, kActiveTab, planted);
  return file;
}

TEST(SettingsFile, AKillDuringTheWriteAtExitLeavesTheOldFileOrTheNewOneWhole) {
  InstalledProgram installed(ScenarioName());
  const std::wstring ini = installed.scratch.File(L"Vorndel.ini");
  SweepKillsAtExit(installed, L"Vorndel.ini", LargeOldFile(), kKillSteps, [&](const std::string& left) {
    EXPECT_EQ(WholeFileProblem(left), "");
    EXPECT_TRUE(ReaderAccepts(ini));
  });
}

// A settings file with a second name is written in place, after a copy of
// the old one; a kill leaves the old file, the new one, or a cut one with
// the old one whole in its copy.
TEST(SettingsFile, AKillDuringTheWriteInPlaceAtExitLeavesTheOldFileWholeSomewhere) {
  InstalledProgram installed(ScenarioName());
  const Scratch links(ScenarioName() + L"_links");
  const std::wstring ini = installed.scratch.File(L"Vorndel.ini");
  SweepKillsAtExit(
      installed, L"Vorndel.ini", LargeOldFile(), kKillSteps,
      [&](const std::string& left) {
        EXPECT_EQ(WholeFileProblem(left), "");
        EXPECT_TRUE(ReaderAccepts(ini));
      },
      links.Path());
}

}  // namespace
}  // namespace e2e
