#include "support/recording_input_method.h"

bool RecordingSystemCaret::Create(std::int32_t height) {
  calls.push_back("create " + std::to_string(height));
  return !refuse_create;
}

void RecordingSystemCaret::MoveTo(std::int32_t x, std::int32_t y) {
  calls.push_back("move " + std::to_string(x) + "," + std::to_string(y));
}

void RecordingInputMethod::PlaceComposition(platform::CompositionStyle style, std::int32_t x, std::int32_t y) {
  calls.push_back(std::string(style == platform::CompositionStyle::Point ? "point " : "force ") + std::to_string(x) +
                  "," + std::to_string(y));
}

void RecordingInputMethod::SetCompositionFont(const platform::Font& font) {
  (void)font;
  calls.push_back("font");
}

bool RecordingInputMethod::ResultString(WideString& text) {
  calls.push_back("result");
  return !result.empty() && text.Assign(result);
}
