#pragma once
// The painter's view of the shared TextMetrics.
#include "editor/paint_metrics.h"
#include "editor/text_metrics.h"

class TextMetricsPaint final : public PaintMetrics {
 public:
  explicit TextMetricsPaint(TextMetrics& metrics) : metrics_(metrics) {}

  Measure MeasureUnit(char16_t unit, char16_t next) override {
    const UnitInfo info = metrics_.Measure(unit, next);
    // CharClass and UnitClass share their numbering.
    return {static_cast<std::uint16_t>(info.char_class), info.width};
  }
  std::int32_t TextHeight() const override { return metrics_.TextHeight(); }
  std::int32_t LinePitch() const override { return metrics_.LinePitch(); }
  std::int32_t AverageWidth() const override { return metrics_.AverageWidth(); }
  std::int32_t TabPixels() const override { return metrics_.TabPixels(); }

 private:
  TextMetrics& metrics_;
};

static_assert(static_cast<int>(CharClass::LineFeed) == PaintMetrics::kLineFeed &&
              static_cast<int>(CharClass::Tab) == PaintMetrics::kTab &&
              static_cast<int>(CharClass::FullWidthSpace) == PaintMetrics::kFullWidthSpace &&
              static_cast<int>(CharClass::Ordinary) == PaintMetrics::kOrdinary &&
              static_cast<int>(CharClass::HighSurrogate) == PaintMetrics::kHighSurrogate &&
              static_cast<int>(CharClass::LowSurrogate) == PaintMetrics::kLowSurrogate);
