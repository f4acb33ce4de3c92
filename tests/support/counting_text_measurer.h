#pragma once
// Wraps a text measurer and counts what is asked of it, so that tests can
// see how often the font system is consulted.
#include <array>
#include <cstdint>
#include <memory>

#include "platform/text_measurer.h"

class CountingTextMeasurer final : public platform::TextMeasurer {
 public:
  explicit CountingTextMeasurer(std::unique_ptr<platform::TextMeasurer> inner) : inner_(std::move(inner)) {}

  int UnitWidthCalls(char16_t unit) const { return unit_calls_[unit]; }
  int TotalUnitWidthCalls() const { return total_unit_calls_; }
  int TextWidthCalls() const { return text_calls_; }
  void ResetCounts();

  std::int32_t PixelsPerInchY() const override { return inner_->PixelsPerInchY(); }
  std::unique_ptr<platform::Font> MakeFont(const platform::FontRequest& request) override;
  void Select(const platform::Font* font) override { inner_->Select(font); }
  bool UnitWidth(char16_t unit, std::int32_t& width) override;
  bool TextWidth(const char16_t* units, std::int32_t count, std::int32_t& width) override;
  bool Measures(platform::FontMeasures& measures) override { return inner_->Measures(measures); }

  const platform::FontRequest& LastFontRequest() const { return last_request_; }

 private:
  std::unique_ptr<platform::TextMeasurer> inner_;
  std::array<int, 65536> unit_calls_{};
  int total_unit_calls_ = 0;
  int text_calls_ = 0;
  platform::FontRequest last_request_;
};
