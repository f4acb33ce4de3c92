#pragma once
// The settings file as bytes, for scenarios that prepare one or read what
// the program wrote: a 4-byte header (entry count, format version), a table
// of 8-byte slots (0 absent, 1 inline value, else offset and length of a
// data run), then the runs.
#include <cstdint>
#include <map>
#include <string>

namespace e2e {

class SettingsFile {
 public:
  void SetInt(std::uint32_t entry, std::int32_t value) { ints_[entry] = value; }
  void SetString(std::uint32_t entry, const std::wstring& text) { strings_[entry] = text; }
  std::string Bytes() const;

  // Reads a file's bytes; false when the header or table does not fit.
  bool Parse(const std::string& bytes);
  std::int32_t Int(std::uint32_t entry, std::int32_t fallback = 0) const;
  std::wstring String(std::uint32_t entry) const;

 private:
  std::map<std::uint32_t, std::int32_t> ints_;
  std::map<std::uint32_t, std::wstring> strings_;
};

// Appends `run` to a file made by Bytes() as the data run of `entry`.
void AppendRun(std::string& file, std::uint32_t entry, const std::string& run);

std::string ReadWholeFile(const std::wstring& path);

}  // namespace e2e
