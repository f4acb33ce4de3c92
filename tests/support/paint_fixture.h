#pragma once
// A document painted on a recording canvas with the fixed-width metrics
// (units 7 pixels, full-width and astral characters 14, text height 13,
// line pitch 14, tabs every 28) and colours whose values are their slot
// numbers, so that recorded colours read as slots: "0".."9", "a".."g".
#include <cstdint>
#include <memory>
#include <string>

#include "editor/paint/marked_lines.h"
#include "editor/paint/paint_highlights.h"
#include "editor/layout/metrics_line_layout.h"
#include "editor/layout/text_metrics.h"
#include "editor/paint/text_painter.h"
#include "editor/store/text_store.h"
#include "platform/recording_canvas.h"

EditorColours SlotColours();

struct PaintFixture {
  PaintFixture();
  static constexpr std::int32_t kUnit = 7;

  // Replaces the text; wrap_units > 0 wraps lines at that many units.
  void SetText(const std::u16string& text, std::int32_t wrap_units = 0);
  // Scrolls so that display row (or line, unwrapped) first is at the top.
  void ScrollTo(std::int32_t first);
  RecordingCanvas Paint(ColourCheckpoints* checkpoints = nullptr);
  // The y of the visible row n.
  static std::int32_t RowY(std::int32_t n) { return 2 + 14 * n; }
  // The units drawn by text runs on the row at top y, left to right, as the
  // slots of their text colour (or background colour), leaving out "[EOF]"
  // and the line numbers.
  std::string TextSlots(const RecordingCanvas& canvas, std::int32_t y) const;
  std::string BackgroundSlots(const RecordingCanvas& canvas, std::int32_t y) const;
  std::u16string DrawnUnits(const RecordingCanvas& canvas, std::int32_t y) const;

  std::unique_ptr<TextMetrics> metrics;
  MetricsLineLayout layout;
  TextStore store;
  SyntaxMode mode = kSyntaxHtml;
  LineBreakStyle line_break_style = kCrLf;
  MarkedLines marked;
  TagPairHighlight pair;
  PaintHighlights highlights;
  PaintStyle style;
  PaintView view;
};

