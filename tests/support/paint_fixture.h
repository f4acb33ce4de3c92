#pragma once
// A document painted on a recording canvas with fixed-width metrics and
// colours whose values are their slot numbers, so that recorded colours
// read as slots: "0".."9", "a".."e".
#include <cstdint>
#include <string>

#include "editor/marked_lines.h"
#include "editor/paint_highlights.h"
#include "editor/paint_metrics.h"
#include "editor/text_painter.h"
#include "editor/text_store.h"
#include "platform/recording_canvas.h"
#include "support/fixed_width_layout.h"

// Ordinary units 7 pixels, full-width spaces and surrogate pairs 14, text
// height 13 with one pixel of line spacing, tabs every 28 pixels.
class FixedWidthPaintMetrics : public PaintMetrics {
 public:
  static constexpr std::int32_t kUnit = 7;
  Measure MeasureUnit(char16_t unit, char16_t next) override;
  std::int32_t TextHeight() const override { return 13; }
  std::int32_t LinePitch() const override { return 14; }
  std::int32_t AverageWidth() const override { return kUnit; }
  std::int32_t TabPixels() const override { return 4 * kUnit; }
};

EditorColours SlotColours();

struct PaintFixture {
  PaintFixture();
  // Replaces the text; wrap_units > 0 wraps lines into rows of that many units.
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

  FixedWidthLayout layout{FixedWidthPaintMetrics::kUnit};
  TextStore store{layout, 0};
  SyntaxMode mode = kSyntaxHtml;
  LineBreakStyle line_break_style = kCrLf;
  MarkedLines marked;
  TagPairHighlight pair;
  PaintHighlights highlights;
  PaintStyle style;
  FixedWidthPaintMetrics metrics;
  PaintView view;
};

