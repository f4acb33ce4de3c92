// The frame's small lists and the main window's opening rectangle.
#include <gtest/gtest.h>

#include <string>

#include "frame/documents/recent_files.h"
#include "frame/layout/window_placement.h"

namespace {

std::u16string Path(int i) { return u"C:\\site\\page" + std::u16string(1, static_cast<char16_t>(u'a' + i)) + u".html"; }

TEST(RecentFiles, NewPathsGoFirstAndTheOldestFallsOutAtTwenty) {
  std::vector<RecentFile> list;
  for (int i = 0; i < 21; ++i) ASSERT_TRUE(recent_files::Add(list, Path(i)));
  ASSERT_EQ(list.size(), recent_files::kCapacity);
  EXPECT_EQ(list.front().path.View(), Path(20));
  EXPECT_EQ(list.back().path.View(), Path(1));  // Path(0) was pushed out
  EXPECT_EQ(list.front().line, 0);
}

TEST(RecentFiles, AKnownPathMovesToTheFrontWithItsLineInAnyLetterCase) {
  std::vector<RecentFile> list;
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(recent_files::Add(list, Path(i)));
  list[2].line = 41;  // Path(0)
  std::u16string upper = Path(0);
  upper[3] = u'S';
  ASSERT_TRUE(recent_files::Add(list, upper));
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].path.View(), Path(0));  // the stored spelling stays
  EXPECT_EQ(list[0].line, 41);
  EXPECT_EQ(list[1].path.View(), Path(2));
  EXPECT_EQ(list[2].path.View(), Path(1));
}

TEST(RecentFiles, TheLineOfAPathIsFoundAndKeptInAnyLetterCase) {
  std::vector<RecentFile> list;
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(recent_files::Add(list, Path(i)));
  std::u16string upper = Path(1);
  upper[0] = u'c';
  recent_files::KeepLine(list, upper, 17);
  EXPECT_EQ(recent_files::LineOf(list, Path(1)), 17);
  EXPECT_EQ(recent_files::LineOf(list, Path(0)), 0);
  // A path not in the list has line 0 and is not added by keeping a line.
  recent_files::KeepLine(list, Path(5), 9);
  EXPECT_EQ(recent_files::LineOf(list, Path(5)), 0);
  EXPECT_EQ(list.size(), 3u);
}

TEST(RecentFiles, AnEntrysFolderIsItsPathUpToTheLastBackslash) {
  const std::pair<std::u16string_view, std::u16string_view> cases[] = {
      {u"C:\\site\\a\\index.html", u"C:\\site\\a"},
      {u"index.html", u"index.html"},
      {u"", u""},
  };
  for (const auto& [path, folder] : cases) EXPECT_EQ(recent_files::FolderOfEntry(path), folder);
}

TEST(WindowPlacement, SavedRectanglesAreFittedIntoTheWorkArea) {
  using window_placement::FitSaved;
  using window_placement::Rect;
  auto same = [](const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
  };
  // Inside: unchanged.
  EXPECT_TRUE(same(FitSaved({100, 50, 800, 600}, 0, 0, 1280, 760), {100, 50, 800, 600}));
  // Off to the left and above a monitor whose work area starts at (0, 40).
  EXPECT_TRUE(same(FitSaved({-3000, 0, 800, 600}, 0, 40, 1280, 800), {0, 40, 800, 600}));
  // Past the right and bottom edges: moved back in.
  EXPECT_TRUE(same(FitSaved({1000, 700, 800, 600}, 0, 0, 1280, 800), {480, 200, 800, 600}));
  // Larger than the work area: shrunk to it.
  EXPECT_TRUE(same(FitSaved({10, 10, 5000, 4000}, 0, 0, 1280, 800), {0, 0, 1280, 800}));
}

TEST(WindowPlacement, WithoutSettingsTheWindowIsCentred) {
  const auto wide = window_placement::Centred(1280, 760);
  EXPECT_EQ(wide.left, 240);
  EXPECT_EQ(wide.top, 80);
  EXPECT_EQ(wide.width, 800);
  EXPECT_EQ(wide.height, 600);
  const auto small = window_placement::Centred(640, 481);
  EXPECT_EQ(small.left, 0);
  EXPECT_EQ(small.top, 0);
  EXPECT_EQ(small.width, 640);
  EXPECT_EQ(small.height, 481);
}

}  // namespace
