#include "docs/text_file_writer.h"

#include "docs/jis_conversion.h"
#include "platform/code_page.h"
#include "platform/heap.h"

namespace {

constexpr std::size_t kFirstBufferBytes = 1024;
constexpr std::uint8_t kEscape = 0x1B;

bool IsKatakana(std::uint8_t byte) { return byte >= 0xA1 && byte <= 0xDF; }
bool IsShiftJisLead(std::uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// Small pieces of output, one character's bytes each (the sink gathers
// them); after the first short write nothing more is written.
class Pieces {
 public:
  explicit Pieces(ByteSink& out) : out_(out) {}
  void Put(const std::uint8_t* bytes, std::size_t count) {
    if (ok_) ok_ = out_.Write(bytes, count);
  }
  void Put(std::uint8_t byte) { Put(&byte, 1); }
  bool Finish() const { return ok_; }

 private:
  ByteSink& out_;
  bool ok_ = true;
};

}  // namespace

TextFileWriter::TextFileWriter(int encoding, int line_breaks, ByteSink& out) : out_(out) {
  if (encoding < kUtf8 || encoding > kSingleByte || line_breaks < kCrLf || line_breaks > kCr) return;
  encoding_ = static_cast<EncodingId>(encoding);
  line_breaks_ = static_cast<LineBreakStyle>(line_breaks);
  valid_ = Reserve(kFirstBufferBytes);
}

TextFileWriter::~TextFileWriter() { heap::Free(heap::Kind::Private, buffer_); }

bool TextFileWriter::Reserve(std::size_t bytes) {
  if (bytes <= buffer_bytes_) return true;
  heap::Free(heap::Kind::Private, buffer_);
  buffer_bytes_ = 0;
  buffer_ = static_cast<unsigned char*>(heap::Allocate(heap::Kind::Private, bytes));
  if (!buffer_) return false;
  buffer_bytes_ = bytes;
  return true;
}

bool TextFileWriter::WritePrefix() {
  if (!valid_) return false;
  static constexpr std::uint8_t kLittleEndianMark[] = {0xFF, 0xFE};
  static constexpr std::uint8_t kBigEndianMark[] = {0xFE, 0xFF};
  static constexpr std::uint8_t kAscii[] = {kEscape, '(', 'B'};
  switch (encoding_) {
    case kUtf16Le: return out_.Write(kLittleEndianMark, sizeof kLittleEndianMark);
    case kUtf16Be: return out_.Write(kBigEndianMark, sizeof kBigEndianMark);
    case kIso2022Jp: return out_.Write(kAscii, sizeof kAscii);
    default: return true;
  }
}

bool TextFileWriter::WriteLineBreak() {
  static constexpr char16_t kBreaks[3][2] = {{u'\r', u'\n'}, {u'\n', 0}, {u'\r', 0}};
  return WriteRun(kBreaks[line_breaks_], line_breaks_ == kCrLf ? 2 : 1);
}

bool TextFileWriter::WriteRun(const char16_t* units, std::int32_t count) {
  if (!valid_ || count <= 0 || !units) return false;
  switch (encoding_) {
    case kUtf8: return WriteMultiByte(code_page::kUtf8, units, count);
    case kUtf16Le: return WriteUtf16(units, count, false);
    case kUtf16Be: return WriteUtf16(units, count, true);
    case kShiftJis: return WriteMultiByte(code_page::kShiftJis, units, count);
    case kEucJp: return WriteEucJp(units, count);
    case kIso2022Jp: return WriteIso2022Jp(units, count);
    default: return WriteSingleByte(units, count);
  }
}

std::int32_t TextFileWriter::Convert(unsigned code_page, const char16_t* units, std::int32_t count) {
  std::int32_t bytes = code_page::FromUtf16(code_page, units, count, reinterpret_cast<char*>(buffer_),
                                            static_cast<std::int32_t>(buffer_bytes_));
  if (bytes >= 0) return bytes > 0 ? bytes : -1;
  // Too small: ask for the size and make room for it with some to spare.
  const std::int32_t needed = code_page::FromUtf16(code_page, units, count, nullptr, 0);
  if (needed <= 0 || !Reserve(static_cast<std::size_t>(needed) + kFirstBufferBytes)) return -1;
  bytes = code_page::FromUtf16(code_page, units, count, reinterpret_cast<char*>(buffer_),
                               static_cast<std::int32_t>(buffer_bytes_));
  return bytes > 0 ? bytes : -1;
}

bool TextFileWriter::WriteMultiByte(unsigned code_page, const char16_t* units, std::int32_t count) {
  const std::int32_t bytes = Convert(code_page, units, count);
  return bytes > 0 && out_.Write(buffer_, static_cast<std::size_t>(bytes));
}

bool TextFileWriter::WriteUtf16(const char16_t* units, std::int32_t count, bool big_endian) {
  Pieces pieces(out_);
  for (std::int32_t i = 0; i < count; ++i) {
    const auto low = static_cast<std::uint8_t>(units[i] & 0xFF);
    const auto high = static_cast<std::uint8_t>(units[i] >> 8);
    const std::uint8_t pair[2] = {big_endian ? high : low, big_endian ? low : high};
    pieces.Put(pair, 2);
  }
  return pieces.Finish();
}

bool TextFileWriter::WriteSingleByte(const char16_t* units, std::int32_t count) {
  Pieces pieces(out_);
  for (std::int32_t i = 0; i < count; ++i) pieces.Put(units[i] < 256 ? static_cast<std::uint8_t>(units[i]) : '?');
  return pieces.Finish();
}

// A byte of code page 932 output that is neither ASCII, katakana nor a lead
// byte (from U+0080, U+F8F0..U+F8F3) has no EUC-JP or ISO-2022-JP form:
// it becomes "?" rather than swallowing the next character as its trail.
// So does a pair outside the JIS rows (the user-defined area U+E000..U+E757
// as 0xF040..0xF9FC), whose arithmetic would give line feeds, NULs and
// other control bytes.
bool TextFileWriter::WriteEucJp(const char16_t* units, std::int32_t count) {
  const std::int32_t bytes = Convert(code_page::kShiftJis, units, count);
  if (bytes <= 0) return false;
  Pieces pieces(out_);
  for (std::int32_t i = 0; i < bytes; ++i) {
    const std::uint8_t byte = buffer_[i];
    std::uint8_t jis[2];
    if (byte < 0x80) {
      pieces.Put(byte);
    } else if (IsKatakana(byte)) {
      const std::uint8_t kana[2] = {0x8E, byte};
      pieces.Put(kana, 2);
    } else if (!IsShiftJisLead(byte) || !jis::FromShiftJis(byte, i + 1 < bytes ? buffer_[++i] : 0, jis)) {
      pieces.Put('?');
    } else {
      const std::uint8_t euc[2] = {static_cast<std::uint8_t>(jis[0] + 0x80), static_cast<std::uint8_t>(jis[1] + 0x80)};
      pieces.Put(euc, 2);
    }
  }
  return pieces.Finish();
}

bool TextFileWriter::WriteIso2022Jp(const char16_t* units, std::int32_t count) {
  const std::int32_t bytes = Convert(code_page::kShiftJis, units, count);
  if (bytes <= 0) return false;
  enum class Mode { kAscii, kKanji, kKatakana };
  static constexpr std::uint8_t kToAscii[] = {kEscape, '(', 'B'};
  static constexpr std::uint8_t kToKanji[] = {kEscape, '$', 'B'};
  static constexpr std::uint8_t kToKatakana[] = {kEscape, '(', 'I'};
  Mode mode = Mode::kAscii;
  Pieces pieces(out_);
  auto enter = [&](Mode wanted, const std::uint8_t* escape) {
    if (mode != wanted) pieces.Put(escape, 3);
    mode = wanted;
  };
  for (std::int32_t i = 0; i < bytes; ++i) {
    const std::uint8_t byte = buffer_[i];
    if (IsShiftJisLead(byte)) {
      std::uint8_t jis[2];
      if (jis::FromShiftJis(byte, i + 1 < bytes ? buffer_[++i] : 0, jis)) {
        enter(Mode::kKanji, kToKanji);
        pieces.Put(jis, 2);
      } else {
        enter(Mode::kAscii, kToAscii);
        pieces.Put('?');
      }
    } else if (IsKatakana(byte)) {
      enter(Mode::kKatakana, kToKatakana);
      pieces.Put(static_cast<std::uint8_t>(byte & 0x7F));
    } else {
      enter(Mode::kAscii, kToAscii);
      pieces.Put(byte < 0x80 ? byte : '?');
    }
  }
  enter(Mode::kAscii, kToAscii);
  return pieces.Finish();
}
