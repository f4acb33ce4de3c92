#pragma once
// Decodes a file's bytes, chunk by chunk, into lines of UTF-16 units.  Each
// call fills at most one chunk and stops at a line break, which it consumes
// and counts but does not write.
#include <algorithm>
#include <cstdint>

#include "platform/encoding.h"

enum ChunkStatus : int {
  kChunkDataEnded = 0,  // the data ended without a line break
  kChunkLineBreak = 1,  // a line break was consumed
  kChunkLineGoesOn = 2,  // the chunk or the input window is full
};

class TextFileReader {
 public:
  static constexpr std::int32_t kChunkUnits = 1024;
  // Byte decoders look at no more than this many bytes per chunk.
  static constexpr std::int32_t kInputWindow = kChunkUnits / 2;

  // Reads data of size bytes (which must stay valid) in the given encoding
  // (0..6), skipping its byte-order mark.
  TextFileReader(const std::uint8_t* data, std::uint32_t size, EncodingId encoding);

  // Ends this reader at cut, which must follow a line break at or after
  // Position(), and returns a reader of the bytes from cut on, which decodes
  // them as this one would have (no byte-order mark is looked for there).
  // Not for ISO-2022-JP, whose shift state runs on from line to line.
  TextFileReader SplitOffAt(const std::uint8_t* cut);
  // Adds the line breaks a reader split off from this one counted.
  void AddBreakCounts(const TextFileReader& part) {
    cr_count_ += part.cr_count_;
    lf_count_ += part.lf_count_;
  }
  const std::uint8_t* End() const { return end_; }

  // Writes the next units of the current line into chunk (kChunkUnits
  // long) and returns how many; Status() tells what ended them.
  std::int32_t DecodeChunk(char16_t* chunk);
  ChunkStatus Status() const { return status_; }
  // The bytes before Position() have been decoded.
  const std::uint8_t* Position() const { return at_; }

  EncodingId Encoding() const { return encoding_; }
  // A CR LF pair counts once in each.
  std::int64_t CrCount() const { return cr_count_; }
  std::int64_t LfCount() const { return lf_count_; }
  // CR when CRs outnumber LFs more than twice, LF the other way round,
  // otherwise CR LF.
  LineBreakStyle LineBreaks() const;

 private:
  enum class Iso2022Set { kAscii, kKatakana, kJisX0208 };

  TextFileReader() = default;

  void TakeLineBreak();
  std::int32_t DecodeSingleByte(char16_t* chunk);
  std::int32_t DecodeUtf16(char16_t* chunk, bool big_endian);
  std::int32_t DecodeMultiByteRuns(char16_t* chunk);
  std::int32_t DecodeEucJp(char16_t* chunk);
  std::int32_t DecodeIso2022Jp(char16_t* chunk);
  // The end of the bytes one chunk of a byte encoding may look at.
  const std::uint8_t* InputWindowEnd() const { return at_ + std::min<std::ptrdiff_t>(end_ - at_, kInputWindow); }
  void FinishByteChunk(const std::uint8_t* window_end);

  const std::uint8_t* at_ = nullptr;
  const std::uint8_t* end_ = nullptr;
  EncodingId encoding_ = kSingleByte;
  ChunkStatus status_ = kChunkLineGoesOn;
  std::int64_t cr_count_ = 0;
  std::int64_t lf_count_ = 0;
  Iso2022Set designated_ = Iso2022Set::kAscii;
  bool shifted_out_ = false;
};
