#pragma once
// Encodes a document's text for a file: the byte prefix of the encoding,
// runs of UTF-16 units, and line breaks in the chosen style, each handed to
// a byte sink as it is encoded.
#include <cstdint>

#include "platform/encoding.h"
#include "platform/byte_sink.h"

class TextFileWriter {
 public:
  // encoding is an EncodingId (0..6) and line_breaks a LineBreakStyle;
  // anything else leaves the writer invalid, refusing every write.
  TextFileWriter(int encoding, int line_breaks, ByteSink& out);
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;
  ~TextFileWriter();

  bool Valid() const { return valid_; }
  // The encoding's byte-order mark or escape, if it has one.
  bool WritePrefix();
  // Units the encoding lacks come out as its replacement ("?" for the
  // single-byte encoding).  ISO-2022-JP ends every run in ASCII.
  bool WriteRun(const char16_t* units, std::int32_t count);
  // CR LF, LF or CR, encoded like the text.
  bool WriteLineBreak();

 private:
  // Room for at least bytes in the conversion buffer.
  bool Reserve(std::size_t bytes);
  // Converts through code page 932 or 65001 into the buffer; the byte count
  // or -1.
  std::int32_t Convert(unsigned code_page, const char16_t* units, std::int32_t count);
  bool WriteMultiByte(unsigned code_page, const char16_t* units, std::int32_t count);
  bool WriteUtf16(const char16_t* units, std::int32_t count, bool big_endian);
  bool WriteSingleByte(const char16_t* units, std::int32_t count);
  bool WriteEucJp(const char16_t* units, std::int32_t count);
  bool WriteIso2022Jp(const char16_t* units, std::int32_t count);

  ByteSink& out_;
  EncodingId encoding_ = kUtf8;
  LineBreakStyle line_breaks_ = kCrLf;
  bool valid_ = false;
  // Zero-filled, reused for every run, grown when a run needs more.
  unsigned char* buffer_ = nullptr;
  std::size_t buffer_bytes_ = 0;
};
