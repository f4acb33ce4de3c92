// Version classing and the settings file's location.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "frame/startup/os_version.h"
#include "base/settings_location.h"

namespace {

TEST(OsVersion, ClassesFollowTheReleases) {
  EXPECT_EQ(os_version::Classify(5, 0), 0);
  EXPECT_EQ(os_version::Classify(5, 1), 1);
  EXPECT_EQ(os_version::Classify(5, 2), 1);
  EXPECT_EQ(os_version::Classify(6, 0), 2);
  EXPECT_EQ(os_version::Classify(6, 1), 3);
  EXPECT_EQ(os_version::Classify(6, 2), 4);
  EXPECT_EQ(os_version::Classify(6, 3), 5);
  EXPECT_EQ(os_version::Classify(6, 9), 5);
  EXPECT_EQ(os_version::Classify(10, 0), 5);
  EXPECT_EQ(os_version::Classify(7, 0), 5);
  EXPECT_EQ(os_version::Classify(4, 10), 0);
  EXPECT_EQ(os_version::Classify(0, 0), 0);
}

// A file system in memory that records what the resolver asked for.
class FakeFolders : public settings_location::FolderQueries {
 public:
  std::set<std::u16string> files, folders;
  std::u16string app_data = u"C:\\Users\\ann\\AppData\\Roaming";
  bool app_data_available = true, creation_works = true;
  std::u16string current;
  std::vector<std::u16string> created;

  bool SetCurrentFolder(const char16_t* folder) override {
    current = folder;
    return true;
  }
  bool FileExists(const char16_t* path) override { return files.count(path) > 0; }
  bool IsFolder(const char16_t* path) override { return folders.count(path) > 0; }
  bool CreateFolder(const char16_t* path) override {
    if (!creation_works) return false;
    created.push_back(path);
    folders.insert(path);
    return true;
  }
  bool AppDataFolder(WideString& folder) override {
    return app_data_available && folder.Assign(std::u16string_view{app_data});
  }
};

std::u16string Resolved(FakeFolders& fs, std::u16string_view program, bool expect_ok = true) {
  WideString out;
  EXPECT_EQ(settings_location::Resolve(program, fs, out), expect_ok) << "program path length " << program.size();
  return std::u16string{out.View()};
}

TEST(SettingsLocation, OnlyTheProgramNameInAnyCaseAndExtensionStarts) {
  using settings_location::IsProgramPath;
  EXPECT_TRUE(IsProgramPath(u"C:\\Tools\\Vorndel.exe"));
  EXPECT_TRUE(IsProgramPath(u"C:\\Tools\\VORNDEL.EXE"));
  EXPECT_TRUE(IsProgramPath(u"C:\\Tools\\vorndel.bin"));
  EXPECT_TRUE(IsProgramPath(u"C:\\Tools\\vorndel"));
  EXPECT_TRUE(IsProgramPath(u"C:\\a.b\\Vorndel"));  // the dot of a folder is no extension
  EXPECT_FALSE(IsProgramPath(u"C:\\Tools\\Vorndel2.exe"));
  EXPECT_FALSE(IsProgramPath(u"C:\\Tools\\Vorndel.exe.bak"));
  EXPECT_FALSE(IsProgramPath(u"C:\\Vorndel\\editor.exe"));
  EXPECT_FALSE(IsProgramPath(u""));

  FakeFolders fs;
  Resolved(fs, u"C:\\Tools\\Editor.exe", false);
  EXPECT_TRUE(fs.created.empty());
}

TEST(SettingsLocation, AFileBesideTheProgramWinsAndNothingIsCreated) {
  FakeFolders fs;
  fs.files.insert(u"C:\\Tools\\Vorndel.ini");
  EXPECT_EQ(Resolved(fs, u"C:\\Tools\\vorndel.EXE"), u"C:\\Tools\\Vorndel.ini");
  EXPECT_EQ(fs.current, u"C:\\Tools");
  EXPECT_TRUE(fs.created.empty());

  // A program in a drive's root keeps the root as its folder.
  FakeFolders root;
  root.files.insert(u"D:\\Vorndel.ini");
  EXPECT_EQ(Resolved(root, u"D:\\Vorndel.exe"), u"D:\\Vorndel.ini");
  EXPECT_EQ(root.current, u"D:\\");
}

TEST(SettingsLocation, OtherwiseTheApplicationDataFolderIsUsedAndMadeWhenMissing) {
  FakeFolders fs;
  EXPECT_EQ(Resolved(fs, u"C:\\Tools\\Vorndel.exe"), u"C:\\Users\\ann\\AppData\\Roaming\\Vorndel\\Vorndel.ini");
  ASSERT_EQ(fs.created.size(), 1u);
  EXPECT_EQ(fs.created[0], u"C:\\Users\\ann\\AppData\\Roaming\\Vorndel");

  // An existing folder is not made again; a trailing "\" is not doubled.
  fs.created.clear();
  fs.app_data = u"E:\\Data\\";
  fs.folders.insert(u"E:\\Data\\Vorndel");
  EXPECT_EQ(Resolved(fs, u"C:\\Tools\\Vorndel.exe"), u"E:\\Data\\Vorndel\\Vorndel.ini");
  EXPECT_TRUE(fs.created.empty());
}

TEST(SettingsLocation, FailsWithoutAUsableApplicationDataFolder) {
  FakeFolders none;
  none.app_data_available = false;
  Resolved(none, u"C:\\Tools\\Vorndel.exe", false);

  FakeFolders read_only;
  read_only.creation_works = false;
  WideString out;
  ASSERT_TRUE(out.Assign(u"unchanged"));
  EXPECT_FALSE(settings_location::Resolve(u"C:\\Tools\\Vorndel.exe", read_only, out));
  EXPECT_EQ(out.View(), u"unchanged");
}

}  // namespace
