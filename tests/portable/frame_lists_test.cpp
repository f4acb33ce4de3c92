// The frame's small lists and the main window's opening rectangle.
#include <gtest/gtest.h>

#include <string>

#include "frame/opened_files.h"
#include "support/fixed_width_layout.h"
#include "support/scratch_file.h"
#include "frame/recent_files.h"
#include "frame/window_placement.h"

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

TEST(OpenedFiles, AFileIsLoadedOnceAndAskingAgainActivatesIt) {
  test_support::ScratchFile a("vorndel_opened_a.html", "<p>\r\n</p>\r\n");
  test_support::ScratchFile b("vorndel_opened_b.css", "\xEF\xBB\xBFp {}\n");
  FixedWidthLayout layout;
  OpenedFiles files;
  EXPECT_EQ(files.Active(), -1);
  EXPECT_EQ(files.Open(a.Path(), layout), OpenedFiles::kOpened);
  EXPECT_EQ(files.Open(b.Path(), layout), OpenedFiles::kOpened);
  EXPECT_EQ(files.Active(), 1);
  EXPECT_EQ(files.At(0).store.LineCount(), 3);
  EXPECT_EQ(files.At(0).line_breaks, kCrLf);
  EXPECT_EQ(files.At(1).line_breaks, kLf);
  EXPECT_EQ(files.At(1).encoding, kUtf8);

  std::u16string a_upper = a.Path();
  for (char16_t& unit : a_upper)
    if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
  EXPECT_EQ(files.Open(a_upper, layout), OpenedFiles::kActivated);
  EXPECT_EQ(files.Active(), 0);
  EXPECT_EQ(files.Count(), 2u);
  EXPECT_EQ(files.Find(b.Path()), 1);
  EXPECT_TRUE(files.Select(1));
  EXPECT_FALSE(files.Select(2));
  EXPECT_FALSE(files.Select(-1));
  EXPECT_EQ(files.Active(), 1);
  files.Clear();
  EXPECT_EQ(files.Count(), 0u);
  EXPECT_EQ(files.Active(), -1);
}

TEST(OpenedFiles, MissingFilesAndEmptyPathsFailWithoutChangingTheList) {
  test_support::ScratchFile empty("vorndel_opened_empty.txt", "");
  FixedWidthLayout layout;
  OpenedFiles files;
  EXPECT_EQ(files.Open(empty.Path(), layout), OpenedFiles::kOpened);  // there, just empty
  EXPECT_EQ(files.Open(empty.Path() + u"-gone", layout), OpenedFiles::kFailed);
  EXPECT_EQ(files.Open(u"", layout), OpenedFiles::kFailed);
  EXPECT_EQ(files.Count(), 1u);
  EXPECT_EQ(files.Active(), 0);
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
