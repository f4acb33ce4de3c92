#pragma once
// Growable UTF-16 buffer for texts and paths.  Capacity is counted in bytes,
// length in UTF-16 units; the data, when present, is always NUL-terminated.
#include <cstdint>
#include <string_view>

class WideString {
 public:
  WideString() = default;
  WideString(const WideString&) = delete;
  WideString& operator=(const WideString&) = delete;
  WideString(WideString&& other) noexcept;
  WideString& operator=(WideString&& other) noexcept;
  ~WideString();

  // Makes room for n units plus the terminator.  Keeps the buffer when it
  // already holds 2n + 2 bytes; otherwise reallocates to 2n + 2 rounded up to
  // a multiple of 128.  On failure the old data is freed and the string is
  // left empty.
  bool Reserve(std::uint32_t units);
  bool Assign(const char16_t* text, std::uint32_t units);
  bool Assign(const char16_t* text);  // null assigns the empty string
  bool Assign(std::u16string_view text) { return Assign(text.data(), static_cast<std::uint32_t>(text.size())); }
  bool Append(const char16_t* text, std::uint32_t units);
  bool Append(std::u16string_view text) { return Append(text.data(), static_cast<std::uint32_t>(text.size())); }
  bool Append(char16_t unit) { return Append(&unit, 1); }
  // folder + "\" + name, the separator left out when folder already ends in one.
  bool AssignJoined(std::u16string_view folder, std::u16string_view name);
  // Sets the length after writing into Data() directly; must fit the capacity.
  void SetLength(std::uint32_t units);
  void Clear();

  const char16_t* Data() const { return data_; }
  char16_t* Data() { return data_; }
  // The text, or an empty literal when nothing is allocated.
  const char16_t* Text() const { return data_ ? data_ : u""; }
  std::u16string_view View() const { return {Text(), length_}; }
  std::uint32_t Length() const { return length_; }
  std::uint32_t CapacityBytes() const { return capacity_bytes_; }
  bool Empty() const { return length_ == 0; }

 private:
  void Release();

  char16_t* data_ = nullptr;
  std::uint32_t capacity_bytes_ = 0;
  std::uint32_t length_ = 0;
};
