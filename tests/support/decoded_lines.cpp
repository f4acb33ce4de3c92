#include "support/decoded_lines.h"

namespace test_support {

bool LineCollector::AppendToLine(const char16_t* units, std::int32_t count) {
  lines.back().append(units, static_cast<std::size_t>(count));
  chunk_sizes.push_back(count);
  return true;
}

bool LineCollector::EndLine() {
  lines.back() += u'\n';
  lines.emplace_back();
  return true;
}

std::vector<std::u16string> DecodeAll(std::string_view bytes, EncodingId encoding) {
  TextFileReader reader(reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::uint32_t>(bytes.size()),
                        encoding);
  LineCollector collector;
  DecodeLines(reader, collector);
  return collector.lines;
}

}  // namespace test_support
