#include "platform/text_measurer.h"

#include <windows.h>

#include <new>

namespace platform {
namespace {

static_assert(sizeof(wchar_t) == 2, "UTF-16 units are passed to GDI as wchar_t");

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

class GdiFont final : public Font {
 public:
  explicit GdiFont(HFONT font) : font_(font) {}
  ~GdiFont() override { DeleteObject(font_); }
  GdiFont(const GdiFont&) = delete;
  GdiFont& operator=(const GdiFont&) = delete;
  void* NativeHandle() const override { return font_; }
  HFONT Handle() const { return font_; }

 private:
  HFONT font_;
};

// The screen's context, borrowed for as long as the scope lasts.
class ScreenContext {
 public:
  ScreenContext() : dc_(GetDC(nullptr)) {}
  ~ScreenContext() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenContext(const ScreenContext&) = delete;
  ScreenContext& operator=(const ScreenContext&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

class GdiTextMeasurer final : public TextMeasurer {
 public:
  // Takes ownership of a memory context.
  explicit GdiTextMeasurer(HDC dc) : dc_(dc), original_font_(GetCurrentObject(dc, OBJ_FONT)) {}
  ~GdiTextMeasurer() override {
    SelectObject(dc_, original_font_);
    DeleteDC(dc_);
  }
  GdiTextMeasurer(const GdiTextMeasurer&) = delete;
  GdiTextMeasurer& operator=(const GdiTextMeasurer&) = delete;

  std::int32_t PixelsPerInchY() const override { return GetDeviceCaps(dc_, LOGPIXELSY); }

  std::unique_ptr<Font> MakeFont(const FontRequest& request) override {
    LOGFONTW logical{};
    logical.lfHeight = request.height;
    logical.lfWeight = request.weight;
    logical.lfCharSet = request.char_set;
    logical.lfPitchAndFamily = request.pitch_and_family;
    static_assert(sizeof(logical.lfFaceName) == sizeof(request.face));
    for (int i = 0; i < LF_FACESIZE; ++i) logical.lfFaceName[i] = static_cast<wchar_t>(request.face[i]);
    logical.lfFaceName[LF_FACESIZE - 1] = 0;
    HFONT font = CreateFontIndirectW(&logical);
    if (!font) return nullptr;
    std::unique_ptr<Font> owned(new (std::nothrow) GdiFont(font));
    if (!owned) DeleteObject(font);
    return owned;
  }

  void Select(const Font* font) override {
    SelectObject(dc_, font ? static_cast<const GdiFont*>(font)->Handle() : GetStockObject(SYSTEM_FONT));
  }

  bool UnitWidth(char16_t unit, std::int32_t& width) override {
    INT advance = 0;
    if (!GetCharWidth32W(dc_, unit, unit, &advance)) return false;
    width = advance;
    return true;
  }

  bool TextWidth(const char16_t* units, std::int32_t count, std::int32_t& width) override {
    SIZE size{};
    if (!GetTextExtentPoint32W(dc_, Wide(units), count, &size)) return false;
    width = size.cx;
    return true;
  }

  bool Measures(FontMeasures& measures) override {
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc_, &metrics)) return false;
    measures.height = metrics.tmHeight;
    measures.average_width = metrics.tmAveCharWidth;
    return true;
  }

 private:
  HDC dc_;
  HGDIOBJ original_font_;
};

}  // namespace

std::unique_ptr<TextMeasurer> CreateScreenTextMeasurer() {
  HDC dc;
  {
    ScreenContext screen;
    if (!screen.Get()) return nullptr;
    dc = CreateCompatibleDC(screen.Get());
  }
  if (!dc) return nullptr;
  std::unique_ptr<TextMeasurer> measurer(new (std::nothrow) GdiTextMeasurer(dc));
  if (!measurer) DeleteDC(dc);
  return measurer;
}

}  // namespace platform
