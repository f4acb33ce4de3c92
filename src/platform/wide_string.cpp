#include "platform/wide_string.h"

#include <cstring>
#include <utility>

#include "platform/heap.h"

WideString::WideString(WideString&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      capacity_bytes_(std::exchange(other.capacity_bytes_, 0)),
      length_(std::exchange(other.length_, 0)) {}

WideString& WideString::operator=(WideString&& other) noexcept {
  if (this != &other) {
    Release();
    data_ = std::exchange(other.data_, nullptr);
    capacity_bytes_ = std::exchange(other.capacity_bytes_, 0);
    length_ = std::exchange(other.length_, 0);
  }
  return *this;
}

WideString::~WideString() { Release(); }

void WideString::Release() {
  heap::Free(heap::Kind::Process, data_);
  data_ = nullptr;
  capacity_bytes_ = 0;
  length_ = 0;
}

bool WideString::Reserve(std::uint32_t units) {
  const std::uint64_t needed = 2ull * units + 2;
  if (data_ && capacity_bytes_ >= needed) return true;
  const std::uint64_t rounded = (needed + 127) / 128 * 128;
  void* grown = rounded > UINT32_MAX
                    ? nullptr
                    : heap::Reallocate(heap::Kind::Process, data_, capacity_bytes_, static_cast<std::size_t>(rounded));
  if (!grown) {
    Release();
    return false;
  }
  data_ = static_cast<char16_t*>(grown);
  capacity_bytes_ = static_cast<std::uint32_t>(rounded);
  return true;
}

bool WideString::Assign(const char16_t* text, std::uint32_t units) {
  if (!text) units = 0;
  // The source may lie inside this string's own buffer.
  if (text && data_ && text >= data_ && text < data_ + capacity_bytes_ / 2) {
    std::memmove(data_, text, units * sizeof(char16_t));
    SetLength(units);
    return true;
  }
  if (!Reserve(units)) return false;
  if (units) std::memcpy(data_, text, units * sizeof(char16_t));
  SetLength(units);
  return true;
}

bool WideString::Assign(const char16_t* text) {
  std::uint32_t units = 0;
  if (text)
    while (text[units]) ++units;
  return Assign(text, units);
}

bool WideString::Append(const char16_t* text, std::uint32_t units) {
  if (!text || units == 0) return Reserve(length_);
  const std::uint64_t total = std::uint64_t{length_} + units;
  if (total >= UINT32_MAX / 2) return false;
  // Appending a piece of itself: keep the offset across reallocation.
  const bool inside = data_ && text >= data_ && text < data_ + capacity_bytes_ / 2;
  const std::ptrdiff_t offset = inside ? text - data_ : 0;
  const std::uint32_t old_length = length_;
  if (!Reserve(static_cast<std::uint32_t>(total))) return false;
  if (inside) text = data_ + offset;
  std::memmove(data_ + old_length, text, units * sizeof(char16_t));
  SetLength(static_cast<std::uint32_t>(total));
  return true;
}

bool WideString::AssignJoined(std::u16string_view folder, std::u16string_view name) {
  WideString joined;
  if (!joined.Assign(folder)) return false;
  if (folder.empty() || folder.back() != u'\\') {
    if (!joined.Append(u'\\')) return false;
  }
  if (!joined.Append(name)) return false;
  *this = std::move(joined);
  return true;
}

void WideString::SetLength(std::uint32_t units) {
  length_ = units;
  if (data_) data_[units] = 0;
}

void WideString::Clear() {
  if (data_) SetLength(0);
}
