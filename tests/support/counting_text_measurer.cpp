#include "support/counting_text_measurer.h"

void CountingTextMeasurer::ResetCounts() {
  unit_calls_.fill(0);
  total_unit_calls_ = 0;
  text_calls_ = 0;
}

std::unique_ptr<platform::Font> CountingTextMeasurer::MakeFont(const platform::FontRequest& request) {
  last_request_ = request;
  return inner_->MakeFont(request);
}

bool CountingTextMeasurer::UnitWidth(char16_t unit, std::int32_t& width) {
  ++unit_calls_[unit];
  ++total_unit_calls_;
  return inner_->UnitWidth(unit, width);
}

bool CountingTextMeasurer::TextWidth(const char16_t* units, std::int32_t count, std::int32_t& width) {
  ++text_calls_;
  return inner_->TextWidth(units, count, width);
}
