#include "e2e/settings_file.h"

#include <fstream>
#include <iterator>

namespace e2e {
namespace {

constexpr std::uint32_t kEntries = 357;
constexpr std::uint32_t kVersion = 1102;
constexpr std::uint32_t kDataStart = 4 + 8 * kEntries;

void Put32(std::string& out, std::size_t at, std::uint32_t value) {
  for (int k = 0; k < 4; ++k) out[at + k] = static_cast<char>(value >> (8 * k));
}

std::uint32_t Get32(const std::string& in, std::size_t at) {
  std::uint32_t value = 0;
  for (int k = 3; k >= 0; --k) value = value << 8 | static_cast<unsigned char>(in[at + k]);
  return value;
}

}  // namespace

std::string SettingsFile::Bytes() const {
  std::string out(kDataStart, '\0');
  Put32(out, 0, kEntries | kVersion << 16);
  for (const auto& [entry, value] : ints_) {
    Put32(out, 4 + 8 * entry, 1);
    Put32(out, 8 + 8 * entry, static_cast<std::uint32_t>(value));
  }
  for (const auto& [entry, text] : strings_) {
    Put32(out, 4 + 8 * entry, static_cast<std::uint32_t>(out.size()));
    Put32(out, 8 + 8 * entry, static_cast<std::uint32_t>(text.size() * 2));
    for (wchar_t c : text) {
      out.push_back(static_cast<char>(c & 0xFF));
      out.push_back(static_cast<char>(c >> 8));
    }
  }
  return out;
}

bool SettingsFile::Parse(const std::string& bytes) {
  ints_.clear();
  strings_.clear();
  if (bytes.size() < 4) return false;
  const std::uint32_t count = Get32(bytes, 0) & 0xFFFF;
  if (bytes.size() < 4 + 8ull * count) return false;
  for (std::uint32_t entry = 0; entry < count; ++entry) {
    const std::uint32_t where = Get32(bytes, 4 + 8 * entry), value = Get32(bytes, 8 + 8 * entry);
    if (where == 1) {
      ints_[entry] = static_cast<std::int32_t>(value);
    } else if (where > 1 && where + std::uint64_t{value} <= bytes.size()) {
      std::wstring text;
      for (std::uint32_t k = 0; k + 1 < value; k += 2)
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[where + k]) |
                                            static_cast<unsigned char>(bytes[where + k + 1]) << 8));
      strings_[entry] = text;
    }
  }
  return true;
}

std::int32_t SettingsFile::Int(std::uint32_t entry, std::int32_t fallback) const {
  const auto found = ints_.find(entry);
  return found == ints_.end() ? fallback : found->second;
}

std::wstring SettingsFile::String(std::uint32_t entry) const {
  const auto found = strings_.find(entry);
  return found == strings_.end() ? std::wstring() : found->second;
}

void AppendRun(std::string& file, std::uint32_t entry, const std::string& run) {
  Put32(file, 4 + 8 * entry, static_cast<std::uint32_t>(file.size()));
  Put32(file, 8 + 8 * entry, static_cast<std::uint32_t>(run.size()));
  file += run;
}

std::string ReadWholeFile(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace e2e
