#include "editor/layout/text_metrics.h"

#include <algorithm>
#include <new>
#include <utility>

#include "editor/layout/font_request.h"

namespace {
constexpr std::int32_t kCacheEntries = 65536;
constexpr char16_t kFirstPrintable = u' ';
constexpr char16_t kLastPrintable = u'~';
}  // namespace

TextMetrics::TextMetrics(std::unique_ptr<platform::TextMeasurer> measurer)
    : measurer_(std::move(measurer)), cache_(new (std::nothrow) UnitInfo[kCacheEntries]) {}

TextMetrics::~TextMetrics() {
  // The fonts go before the measurer; neither may still be selected.
  if (measurer_) measurer_->Select(nullptr);
}

bool TextMetrics::SetFaceName(std::u16string_view face) { return face_.Assign(face); }
void TextMetrics::SetFontSize(std::int32_t points) { font_size_ = std::clamp(points, 8, 72); }
void TextMetrics::SetLineSpacing(std::int32_t pixels) { line_spacing_ = std::clamp(pixels, 0, 10); }
void TextMetrics::SetTabWidth(std::int32_t averages) { tab_width_ = std::clamp(averages, 1, 10); }

bool TextMetrics::RebuildFonts() {
  if (!measurer_ || !cache_) return false;
  platform::FontRequest request =
      editor_font::Request(face_.View(), font_size_, measurer_->PixelsPerInchY(), editor_font::kNormalWeight);
  std::unique_ptr<platform::Font> normal = measurer_->MakeFont(request);
  if (!normal) return false;
  measurer_->Select(nullptr);
  normal_font_ = std::move(normal);
  measurer_->Select(normal_font_.get());

  platform::FontMeasures measures;
  if (!measurer_->Measures(measures)) measures = {};
  text_height_ = measures.height;
  line_pitch_ = std::max(1, measures.height + line_spacing_);
  average_width_ = std::max(1, measures.average_width);
  tab_pixels_ = tab_width_ * average_width_;

  ClearCache();
  for (char16_t preset : {u'\t', u'\n', u'\u3000'}) Fill(preset, 0);
  printable_ascii_width_ = Fill(kFirstPrintable, 0).width;
  for (char16_t unit = kFirstPrintable + 1; unit <= kLastPrintable; ++unit) {
    if (Fill(unit, 0).width != printable_ascii_width_) printable_ascii_width_ = 0;
  }

  request.weight = editor_font::kBoldWeight;
  if (std::unique_ptr<platform::Font> bold = measurer_->MakeFont(request)) bold_font_ = std::move(bold);
  return true;
}

void TextMetrics::ClearCache() { std::fill_n(cache_.get(), kCacheEntries, UnitInfo{}); }

UnitInfo TextMetrics::Fill(char16_t unit, char16_t next) {
  UnitInfo entry;
  std::int32_t width = 0;
  if (unit == u'\t') {
    entry.char_class = CharClass::Tab;
  } else if (unit == u'\n') {
    entry.char_class = CharClass::LineFeed;
    width = kLineFeedMarkWidth;
  } else if (unit < 0xD800 || unit > 0xDFFF) {
    entry.char_class = unit == 0x3000 ? CharClass::FullWidthSpace : CharClass::Ordinary;
    if (measurer_) measurer_->UnitWidth(unit, width);
  } else if (unit < 0xDC00) {
    entry.char_class = CharClass::HighSurrogate;
    const char16_t pair[2] = {unit, next};
    if (measurer_) measurer_->TextWidth(pair, 2, width);
  } else {
    entry.char_class = CharClass::LowSurrogate;
  }
  entry.width = static_cast<std::uint16_t>(std::clamp(width, 0, 0xFFFF));
  // A load's worker may read the entry meanwhile (CachedShared).
  if (cache_) std::atomic_ref<UnitInfo>(cache_[unit]).store(entry, std::memory_order_relaxed);
  return entry;
}
