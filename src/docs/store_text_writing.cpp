#include "docs/store_text_writing.h"

#include "platform/wide_string.h"

bool WriteStoreText(TextStore& store, TextFileWriter& writer) {
  WideString joined;
  LineRecord* line = store.Line(0);
  for (std::int32_t i = 0; i < store.LineCount() && line; ++i, line = line->Next()) {
    const std::int32_t text_length = line->TextLength();
    const LineRuns runs = line->Runs();
    const char16_t* text = runs.first;
    if (runs.second_count > 0 && text_length > runs.first_count) {
      if (!joined.Reserve(static_cast<std::uint32_t>(text_length)) ||
          !line->CopyUnits(0, text_length, joined.Data())) {
        return false;
      }
      text = joined.Data();
    }
    if (text_length > 0 && !writer.WriteRun(text, text_length)) return false;
    if (line->EndsWithLineFeed() && !writer.WriteLineBreak()) return false;
  }
  return true;
}
