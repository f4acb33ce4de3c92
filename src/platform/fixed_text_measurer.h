#pragma once
// Headless stand-in for the screen's text measuring: every unit has one of
// two fixed advances, wide for East Asian characters and for characters
// outside the basic plane (measured as surrogate pairs), narrow otherwise.
#include <cstdint>

#include "platform/text_measurer.h"

namespace platform {

struct FixedMetrics {
  std::int32_t narrow_width = 7;
  std::int32_t wide_width = 14;
  std::int32_t average_width = 7;
  std::int32_t pixels_per_inch = 96;
  std::int32_t extra_height = 0;  // text height = |font height| + this
};

class FixedTextMeasurer final : public TextMeasurer {
 public:
  explicit FixedTextMeasurer(FixedMetrics metrics = {}) : metrics_(metrics) {}

  // Makes MakeFont fail, as a system out of font resources would.
  void RefuseFonts(bool refuse) { refuse_fonts_ = refuse; }
  const FixedMetrics& Metrics() const { return metrics_; }
  // The advance the stand-in gives one character (a code point).
  std::int32_t CodePointWidth(std::uint32_t code_point) const;

  std::int32_t PixelsPerInchY() const override { return metrics_.pixels_per_inch; }
  std::unique_ptr<Font> MakeFont(const FontRequest& request) override;
  void Select(const Font* font) override;
  bool UnitWidth(char16_t unit, std::int32_t& width) override;
  bool TextWidth(const char16_t* units, std::int32_t count, std::int32_t& width) override;
  bool Measures(FontMeasures& measures) override;

 private:
  FixedMetrics metrics_;
  bool refuse_fonts_ = false;
  std::int32_t selected_height_ = 16;  // the stock font's
};

}  // namespace platform
