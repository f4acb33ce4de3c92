#pragma once
// The input-method context of one window: where the composition window
// stands, its font, cancelling, and the result string of a composition.
#include <cstdint>
#include <memory>

#include "platform/text_measurer.h"
#include "platform/wide_string.h"

namespace platform {

enum class CompositionStyle {
  Point,          // a suggested position
  ForcePosition,  // the composition window must stand there
};

class InputMethod {
 public:
  virtual ~InputMethod() = default;
  virtual void PlaceComposition(CompositionStyle style, std::int32_t x, std::int32_t y) = 0;
  virtual void SetCompositionFont(const Font& font) = 0;
  virtual void CancelComposition() = 0;
  // The finished text of the current composition; false when there is none
  // or it could not be read.
  virtual bool ResultString(WideString& result) = 0;
};

// The input method of a window (a native window handle). Windows only.
std::unique_ptr<InputMethod> CreateInputMethod(void* window);

}  // namespace platform
