#pragma once
// The read loop of a load: decodes every chunk a reader yields and hands the
// lines to a sink, so that the same loop fills a text store or anything else.
#include <cstdint>

#include "docs/text_file_reader.h"

class LineSink {
 public:
  virtual ~LineSink() = default;
  // Appends units, which hold no line break, to the current line.
  virtual bool AppendToLine(const char16_t* units, std::int32_t count) = 0;
  // Ends the current line with a line feed; the next line starts empty, so
  // data ending in a line break leaves an empty last line.
  virtual bool EndLine() = 0;
  // The last units of the current line, then its end.
  virtual bool AppendAndEndLine(const char16_t* units, std::int32_t count) {
    return (count == 0 || AppendToLine(units, count)) && EndLine();
  }
  // The bytes from .. end have been decoded and will not be read again.
  virtual void Decoded(const std::uint8_t* from, const std::uint8_t* end) {}
};

// False as soon as the sink refuses an append.
bool DecodeLines(TextFileReader& reader, LineSink& sink);
