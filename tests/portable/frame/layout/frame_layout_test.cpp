// Where the frame's windows go and how far the splitters may be dragged.
#include <gtest/gtest.h>

#include "frame/layout/frame_geometry.h"
#include "frame/layout/window_placement.h"
#include "tools/panes/splitter_limits.h"

namespace {

using frame_geometry::Box;

TEST(FrameGeometry, TheDocumentAreaTakesWhatTheShownPanesLeave) {
  struct Case {
    std::int32_t width;
    frame_geometry::Panes panes;
    Box left, right, middle;
  };
  const Case cases[] = {
      {800, {200, 150, true, true}, {0, 0, 200, 600}, {650, 0, 150, 600}, {200, 0, 450, 600}},
      {800, {200, 150, false, true}, {0, 0, 0, 600}, {650, 0, 150, 600}, {0, 0, 650, 600}},
      {800, {200, 150, true, false}, {0, 0, 200, 600}, {800, 0, 0, 600}, {200, 0, 600, 600}},
      {300, {200, 150, true, true}, {0, 0, 200, 600}, {150, 0, 150, 600}, {200, 0, 0, 600}},  // too narrow
  };
  for (const Case& c : cases) {
    const auto layout = frame_geometry::LayOutClient(c.width, 600, c.panes);
    EXPECT_EQ(layout.left, c.left);
    EXPECT_EQ(layout.right, c.right);
    EXPECT_EQ(layout.middle, c.middle);
  }
  // Hidden panes still count for the smallest client.
  EXPECT_EQ(frame_geometry::MinimumClientWidth({200, 150, false, false}), 394);
}

TEST(FrameGeometry, StatusPartsNeverGoNegativeOrOutOfOrder) {
  using Edges = std::array<std::int32_t, 3>;
  EXPECT_EQ(frame_geometry::StatusPartEdges(800), (Edges{550, 690, 800}));
  EXPECT_EQ(frame_geometry::StatusPartEdges(200), (Edges{0, 90, 200}));
  EXPECT_EQ(frame_geometry::StatusPartEdges(100), (Edges{0, 0, 100}));
  EXPECT_EQ(frame_geometry::StatusPartEdges(-5), (Edges{0, 0, 0}));
}

TEST(SplitterLimits, APaneEndsBetween46AndWhatLeavesTheDocumentArea44) {
  struct Case {
    std::int32_t client, other, distance, width;
  };
  const Case cases[] = {
      {800, 150, -300, 46},  // dragged all the way out
      {800, 150, 300, 302},
      {800, 150, 700, 608},  // stops 44 short of the other pane
      {800, 0, 900, 758},
      {100, 150, 50, 46},    // no room at all: the minimum wins
  };
  for (const Case& c : cases) {
    const auto limit = splitter_limits::UpperLimit(c.client, c.other);
    EXPECT_EQ(splitter_limits::PaneWidthAfterDrag(splitter_limits::Clamp(c.distance, limit)), c.width)
        << c.client << " " << c.other << " " << c.distance;
  }
}

TEST(WindowPlacement, DamagedSavedRectanglesAreNotUsed) {
  using window_placement::Rect;
  EXPECT_TRUE(window_placement::Usable(Rect{10, 10, 800, 600}));
  EXPECT_TRUE(window_placement::Usable(Rect{-3000, -20, 800, 600}));  // off screen: fitted later
  EXPECT_FALSE(window_placement::Usable(Rect{10, 10, 0, 600}));
  EXPECT_FALSE(window_placement::Usable(Rect{10, 10, 800, -5}));
  EXPECT_FALSE(window_placement::Usable(Rect{INT32_MAX - 100, 10, 800, 600}));
}

}  // namespace
