#include "platform/fixed_text_measurer.h"

#include <new>

namespace platform {
namespace {

class FixedFont final : public Font {
 public:
  explicit FixedFont(std::int32_t height) : height_(height) {}
  void* NativeHandle() const override { return nullptr; }
  std::int32_t Height() const { return height_; }

 private:
  std::int32_t height_;
};

bool IsWide(std::uint32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || c >= 0x10000;
}

}  // namespace

std::int32_t FixedTextMeasurer::CodePointWidth(std::uint32_t code_point) const {
  return IsWide(code_point) ? metrics_.wide_width : metrics_.narrow_width;
}

std::unique_ptr<Font> FixedTextMeasurer::MakeFont(const FontRequest& request) {
  if (refuse_fonts_) return nullptr;
  std::int32_t height = request.height < 0 ? -request.height : request.height;
  return std::unique_ptr<Font>(new (std::nothrow) FixedFont(height + metrics_.extra_height));
}

void FixedTextMeasurer::Select(const Font* font) {
  selected_height_ = font ? static_cast<const FixedFont*>(font)->Height() : 16;
}

bool FixedTextMeasurer::UnitWidth(char16_t unit, std::int32_t& width) {
  width = CodePointWidth(unit);
  return true;
}

bool FixedTextMeasurer::TextWidth(const char16_t* units, std::int32_t count, std::int32_t& width) {
  width = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    std::uint32_t c = units[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
      ++i;
    }
    width += CodePointWidth(c);
  }
  return true;
}

bool FixedTextMeasurer::Measures(FontMeasures& measures) {
  measures.height = selected_height_;
  measures.average_width = metrics_.average_width;
  return true;
}

}  // namespace platform
