#include "platform/fixed_text_measurer.h"
#include "platform/text_measurer.h"

#include <new>

namespace platform {

std::unique_ptr<TextMeasurer> CreateScreenTextMeasurer() {
  return std::unique_ptr<TextMeasurer>(new (std::nothrow) FixedTextMeasurer());
}

}  // namespace platform
