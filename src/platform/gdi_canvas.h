#pragma once
// A Canvas drawing with GDI on a device context (Windows only): opaque text
// runs with explicit advances, filled rectangles and one-pixel lines. The
// context's state is restored when the canvas goes.
#include <cstdint>

#include "platform/canvas.h"
#include "platform/text_measurer.h"

namespace platform {

class GdiCanvas final : public Canvas {
 public:
  // device_context is an HDC; bold may be null (the normal font then draws
  // bold runs too).
  GdiCanvas(void* device_context, const Font& normal, const Font* bold, std::int32_t text_height);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  void DrawText(std::int32_t x, std::int32_t y, const char16_t* units, std::int32_t count,
                const std::int32_t* advances, const TextStyle& style) override;
  void FillRect(const CanvasRect& rect, Colour colour) override;
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colour colour) override;

 private:
  void* device_context_;
  void* normal_font_;
  void* bold_font_;
  std::int32_t text_height_;
  int saved_state_;
};

}  // namespace platform
