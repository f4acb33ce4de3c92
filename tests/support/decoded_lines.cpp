#include "support/decoded_lines.h"

#include <fstream>
#include <random>

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

ScratchFile::ScratchFile(std::string_view name, std::string_view bytes)
    // Test programs run in parallel, in more than one worktree.
    : path_(std::filesystem::temp_directory_path() /
            std::filesystem::path(std::to_string(std::random_device()()) + "_" + std::string(name))) {
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ScratchFile::~ScratchFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

}  // namespace test_support
