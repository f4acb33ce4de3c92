#include "support/settings_bytes.h"

#include <memory>

namespace settings_bytes {

namespace {
void Put(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  for (int k = 0; k < 4; ++k) bytes[offset + k] = static_cast<std::uint8_t>(value >> (8 * k));
}
}  // namespace

FileBuilder::FileBuilder(std::uint32_t count, std::uint16_t version) : bytes_(4 + 8 * count) {
  Put(bytes_, 0, count | (std::uint32_t{version} << 16));
}

FileBuilder& FileBuilder::Slot(std::uint32_t i, std::uint32_t where, std::uint32_t value) {
  Put(bytes_, 4 + 8 * i, where);
  Put(bytes_, 8 + 8 * i, value);
  return *this;
}

FileBuilder& FileBuilder::Run(std::uint32_t i, const Bytes& run) {
  Slot(i, static_cast<std::uint32_t>(bytes_.size()), static_cast<std::uint32_t>(run.size()));
  bytes_.insert(bytes_.end(), run.begin(), run.end());
  return *this;
}

FileBuilder& FileBuilder::String(std::uint32_t i, std::u16string_view text) { return Run(i, Utf16(text)); }

FileBuilder& FileBuilder::Tail(const Bytes& tail) {
  bytes_.insert(bytes_.end(), tail.begin(), tail.end());
  return *this;
}

Bytes Utf16(std::u16string_view text) {
  Bytes bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return bytes;
}

std::uint32_t U32At(const Bytes& file, std::size_t offset) {
  if (offset + 4 > file.size()) return 0xDEADBEEF;
  return settings_file::LoadU32(file.data() + offset);
}

std::pair<std::uint32_t, std::uint32_t> SlotOf(const Bytes& file, std::uint32_t i) {
  return {U32At(file, 4 + 8 * i), U32At(file, 8 + 8 * i)};
}

Bytes RunOf(const Bytes& file, std::uint32_t i) {
  const auto [where, length] = SlotOf(file, i);
  if (where < 2 || std::uint64_t{where} + length > file.size()) return {};
  return Bytes(file.begin() + where, file.begin() + where + length);
}

bool OpenReader(SettingsReader& reader, const Bytes& file) {
  return reader.Open(std::make_unique<byte_file::MemorySource>(file));
}

WriteResult Write(const Bytes* old_file, const std::function<void(SettingsWriter&)>& write, std::uint64_t fail_from) {
  byte_file::MemoryFile file;
  file.fail_from = fail_from;
  std::unique_ptr<byte_file::Source> old;
  if (old_file) old = std::make_unique<byte_file::MemorySource>(*old_file);

  WriteResult result;
  {
    SettingsWriter writer;
    result.valid = writer.Create(std::move(old), std::make_unique<byte_file::MemoryTarget>(file), settings_file::kHeader);
    if (result.valid) write(writer);
    result.committed = writer.Close();
  }
  result.bytes = std::move(file.bytes);
  return result;
}

}  // namespace settings_bytes
