#pragma once
// Entry 20 by hand: accelerator records as the settings file stores them.
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace accelerator_bytes {

using Bytes = std::vector<std::uint8_t>;

// Flags, a zero pad byte, key and command little-endian.
Bytes Record(std::uint8_t flags, std::uint16_t key, std::uint16_t command);
Bytes Join(std::initializer_list<Bytes> parts);

}  // namespace accelerator_bytes
