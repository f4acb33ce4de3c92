#pragma once
// Text measuring in a memory context compatible with the screen.  The
// editor reaches the font system only through this: the Windows build
// measures with GDI, headless tests with the fixed-width stand-in
// (fixed_text_measurer.h).
#include <cstdint>
#include <memory>

namespace platform {

// The fields of a logical font that the editor chooses; everything else
// (width, escapement, orientation, precisions, quality, italic, underline,
// strike-out) is zero.
struct FontRequest {
  std::int32_t height = 0;  // negative: the character height in pixels
  std::int32_t weight = 400;
  std::uint8_t pitch_and_family = 1;
  std::uint8_t char_set = 1;
  char16_t face[32] = {};  // NUL-terminated, at most 31 units
};

struct FontMeasures {
  std::int32_t height = 0;
  std::int32_t average_width = 0;
};

// An owned font; the native handle is for drawing code of the same platform.
class Font {
 public:
  virtual ~Font() = default;
  virtual void* NativeHandle() const = 0;
};

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  virtual std::int32_t PixelsPerInchY() const = 0;
  // Null when the font system refuses the request.
  virtual std::unique_ptr<Font> MakeFont(const FontRequest& request) = 0;
  // Selects the font for measuring; null selects the stock system font, so
  // that the previously selected font may be destroyed.  A selected font
  // must outlive its selection.
  virtual void Select(const Font* font) = 0;
  // Advance of one unit in the selected font; false when measuring failed.
  virtual bool UnitWidth(char16_t unit, std::int32_t& width) = 0;
  // Extent of a run of units measured as a whole (surrogate pairs as one
  // character); false when measuring failed.
  virtual bool TextWidth(const char16_t* units, std::int32_t count, std::int32_t& width) = 0;
  virtual bool Measures(FontMeasures& measures) = 0;
};

// The measurer of the running platform: GDI on Windows, the fixed-width
// stand-in natively.  Null when no measuring context can be made.
std::unique_ptr<TextMeasurer> CreateScreenTextMeasurer();

}  // namespace platform
