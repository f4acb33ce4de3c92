#pragma once
// The process-wide font set and per-unit width cache shared by every editor
// control: each unit value is measured once per font, so that layout, hit
// testing and painting never ask the font system twice for one character.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>

#include "editor/layout/char_class.h"
#include "platform/text_measurer.h"
#include "platform/wide_string.h"

class TextMetrics {
 public:
  static constexpr std::int32_t kLineFeedMarkWidth = 8;

  explicit TextMetrics(std::unique_ptr<platform::TextMeasurer> measurer);
  ~TextMetrics();
  TextMetrics(const TextMetrics&) = delete;
  TextMetrics& operator=(const TextMetrics&) = delete;

  // Settings, clamped to their ranges; they take effect at the next rebuild.
  bool SetFaceName(std::u16string_view face);
  void SetFontSize(std::int32_t points);      // 8..72
  void SetLineSpacing(std::int32_t pixels);   // 0..10
  void SetTabWidth(std::int32_t averages);    // 1..10
  void SetCaseSensitiveSearch(bool on) { case_sensitive_search_ = on; }

  // Creates the fonts from the settings and empties the width cache.  False
  // when the normal font cannot be made; the old fonts and cache then stay.
  bool RebuildFonts();

  // Class and advance of a unit, measured on first use.  next is the unit
  // after it in the line (0 at the end), used only to measure a surrogate
  // pair the first time its high surrogate is met.
  UnitInfo Measure(char16_t unit, char16_t next) {
    UnitInfo entry = cache_ ? cache_[unit] : UnitInfo{};
    if (entry.char_class == CharClass::Unmeasured ||
        (entry.char_class == CharClass::HighSurrogate && entry.width == 0)) {
      entry = Fill(unit, next);
    }
    return entry;
  }
  // The cache entry of a unit as it stands, possibly not yet measured; for
  // loops that take already measured ordinary units without a call.
  UnitInfo Cached(char16_t unit) const { return cache_ ? cache_[unit] : UnitInfo{}; }
  // The same, safe to call from a load's worker thread while this thread
  // measures: an entry is either unmeasured or whole.
  UnitInfo CachedShared(char16_t unit) const {
    return cache_ ? std::atomic_ref<UnitInfo>(cache_[unit]).load(std::memory_order_relaxed) : UnitInfo{};
  }
  // The pen position after unit i of units (count of them) drawn at x.
  std::int32_t Advance(const char16_t* units, std::int32_t count, std::int32_t i, std::int32_t x) {
    return text_advance::After(Measure(units[i], i + 1 < count ? units[i + 1] : 0), x, tab_pixels_);
  }

  std::int32_t TextHeight() const { return text_height_; }
  std::int32_t LinePitch() const { return line_pitch_; }
  std::int32_t AverageWidth() const { return average_width_; }
  std::int32_t TabPixels() const { return tab_pixels_; }
  // The width every printable ASCII unit (space to tilde) shares, as a
  // fixed-pitch font gives; 0 when their widths differ.
  std::int32_t PrintableAsciiWidth() const { return printable_ascii_width_; }
  std::u16string_view FaceName() const { return face_.View(); }
  std::int32_t FontSize() const { return font_size_; }
  std::int32_t LineSpacing() const { return line_spacing_; }
  std::int32_t TabWidth() const { return tab_width_; }
  bool CaseSensitiveSearch() const { return case_sensitive_search_; }
  const platform::Font* NormalFont() const { return normal_font_.get(); }
  const platform::Font* BoldFont() const { return bold_font_.get(); }

 private:
  UnitInfo Fill(char16_t unit, char16_t next);
  void ClearCache();

  std::unique_ptr<platform::TextMeasurer> measurer_;
  std::unique_ptr<platform::Font> normal_font_;
  std::unique_ptr<platform::Font> bold_font_;
  std::unique_ptr<UnitInfo[]> cache_;
  std::int32_t text_height_ = 0;
  std::int32_t line_pitch_ = 1;
  std::int32_t average_width_ = 1;
  WideString face_;
  std::int32_t line_spacing_ = 1;
  std::int32_t font_size_ = 10;
  std::int32_t tab_width_ = 4;
  bool case_sensitive_search_ = false;
  std::int32_t tab_pixels_ = 4;
  std::int32_t printable_ascii_width_ = 0;
};
