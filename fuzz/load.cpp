// Detection and decoding of arbitrary bytes into a text store.  The first
// byte picks the encoding choice (0..6, or 7 for detection); the rest is the
// file.  Traps when a decoded run holds a line break, a chunk overflows, or
// the store's line count disagrees with the line breaks decoded, or the data
// cut in two parts decodes otherwise than in one pass.  The parts are laid
// out by the editor's layout over a fresh width cache, the one pass over
// another, so that the tail's lines meeting units the head has not measured
// are checked too.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "docs/encoding_detection.h"
#include "docs/line_decoding.h"
#include "docs/parted_decoding.h"
#include "editor/layout/metrics_line_layout.h"
#include "editor/layout/text_metrics.h"
#include "editor/store/line_record.h"
#include "editor/store/text_store.h"
#include "platform/fixed_text_measurer.h"

namespace {

class CheckingSink : public LineSink {
 public:
  explicit CheckingSink(TextStore& store) : store_(store) {}
  bool AppendToLine(const char16_t* units, std::int32_t count) override {
    if (count <= 0 || count > TextFileReader::kChunkUnits) __builtin_trap();
    for (std::int32_t i = 0; i < count; ++i) {
      if (units[i] == u'\r' || units[i] == u'\n') __builtin_trap();
    }
    return store_.AppendToLastLine(units, count);
  }
  bool EndLine() override {
    ++line_breaks;
    return store_.EndLastLine();
  }
  std::int32_t line_breaks = 0;

 private:
  TextStore& store_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int choice = data[0] % 8;
  const std::uint8_t* file = data + 1;
  const auto file_size = static_cast<std::uint32_t>(size - 1);
  int encoding = encoding_detection::ChooseEncoding(file, file_size, choice);
  if (encoding < 0) return 0;

  TextMetrics metrics(std::make_unique<platform::FixedTextMeasurer>());
  TextMetrics parted_metrics(std::make_unique<platform::FixedTextMeasurer>());
  if (!metrics.RebuildFonts() || !parted_metrics.RebuildFonts()) return 0;
  MetricsLineLayout layout(metrics);
  MetricsLineLayout parted_layout(parted_metrics);
  TextStore store(layout, 0);
  if (!store.Valid()) return 0;
  TextFileReader reader(file, file_size, static_cast<EncodingId>(encoding));
  CheckingSink sink(store);
  if (!DecodeLines(reader, sink)) __builtin_trap();
  store.FinishLoading();
  if (store.LineCount() != sink.line_breaks + 1) __builtin_trap();
  if (reader.CrCount() + reader.LfCount() < sink.line_breaks) __builtin_trap();

  TextStore parted(parted_layout, 0);
  if (!parted.Valid()) return 0;
  TextFileReader head(file, file_size, static_cast<EncodingId>(encoding));
  const std::uint8_t* cut = parted_decoding::CutAfterLineFeed(head, head.Position() + (head.End() - head.Position()) / 2);
  if (!parted_decoding::Decode(head, parted, nullptr, cut)) __builtin_trap();
  if (parted.LineCount() != store.LineCount() || head.CrCount() != reader.CrCount() ||
      head.LfCount() != reader.LfCount() || parted.LongestWidth() != store.LongestWidth() ||
      parted.TotalRows() != store.TotalRows()) {
    __builtin_trap();
  }
  for (std::int32_t i = 0; i < store.LineCount(); ++i) {
    LineRecord* line = store.Line(i);
    LineRecord* other = parted.Line(i);
    if (line->Length() != other->Length() || line->Width() != other->Width()) __builtin_trap();
    for (std::int32_t j = 0; j < line->Length(); ++j) {
      if (line->UnitAt(j) != other->UnitAt(j)) __builtin_trap();
    }
  }
  return 0;
}
