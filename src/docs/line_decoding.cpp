#include "docs/line_decoding.h"

namespace {
// How often the sink hears of progress: the decoded bytes' pages are let go
// of then, and at the peak of a large load each part holds up to this many.
constexpr std::int64_t kProgressBytes = 1 << 18;
}  // namespace

bool DecodeLines(TextFileReader& reader, LineSink& sink) {
  char16_t chunk[TextFileReader::kChunkUnits];
  const std::uint8_t* reported = reader.Position();
  for (;;) {
    std::int32_t count = reader.DecodeChunk(chunk);
    if (reader.Status() == kChunkLineBreak) {
      if (!sink.AppendAndEndLine(chunk, count)) return false;
    } else if (count > 0 && !sink.AppendToLine(chunk, count)) {
      return false;
    }
    if (reader.Status() == kChunkDataEnded) break;
    if (reader.Position() - reported >= kProgressBytes) {
      sink.Decoded(reported, reader.Position());
      reported = reader.Position();
    }
  }
  sink.Decoded(reported, reader.Position());
  return true;
}
