// Arbitrary UTF-16 text written as EUC-JP and as ISO-2022-JP in one run.
// The bytes are read as little-endian units (an odd last byte dropped); ESC
// becomes "e", since ISO-2022-JP would read the text's own escapes as its
// own.  Traps when the output breaks the encoding's rules or holds other
// NULs, line feeds or carriage returns than the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "../tests/support/japanese_byte_rules.h"
#include "docs/text_file_writer.h"

namespace {

class StringSink final : public ByteSink {
 public:
  bool Write(const void* bytes, std::size_t count) override {
    bytes_.append(static_cast<const char*>(bytes), count);
    return true;
  }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    const auto unit = static_cast<char16_t>(data[i] | data[i + 1] << 8);
    text.push_back(unit == 0x1B ? u'e' : unit);
  }
  for (const int encoding : {kEucJp, kIso2022Jp}) {
    StringSink sink;
    TextFileWriter writer(encoding, kLf, sink);
    if (!writer.WritePrefix()) __builtin_trap();
    if (!text.empty() && !writer.WriteRun(text.data(), static_cast<std::int32_t>(text.size()))) __builtin_trap();
    const std::string& bytes = sink.Bytes();
    const std::int64_t fault = encoding == kEucJp ? japanese_byte_rules::EucJpFault(bytes)
                                                  : japanese_byte_rules::Iso2022JpFault(bytes);
    if (fault != -1) __builtin_trap();
    if (japanese_byte_rules::BreakingUnits<char>(bytes) !=
        japanese_byte_rules::BreakingUnits<char16_t>(text))
      __builtin_trap();
  }
  return 0;
}
