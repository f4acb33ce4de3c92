#pragma once
// Decoding bytes into a list of lines, for tests of the loader's decoders.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/encoding.h"
#include "docs/line_decoding.h"

namespace test_support {

// Lines as a text store would hold them, line feeds included.
class LineCollector : public LineSink {
 public:
  bool AppendToLine(const char16_t* units, std::int32_t count) override;
  bool EndLine() override;
  std::vector<std::u16string> lines{std::u16string()};
  // Sizes of the chunks the decoder produced, in order.
  std::vector<std::int32_t> chunk_sizes;
};

std::vector<std::u16string> DecodeAll(std::string_view bytes, EncodingId encoding);

}  // namespace test_support
