#include "support/accelerator_bytes.h"

namespace accelerator_bytes {

Bytes Record(std::uint8_t flags, std::uint16_t key, std::uint16_t command) {
  return {flags, 0, static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(key >> 8),
          static_cast<std::uint8_t>(command), static_cast<std::uint8_t>(command >> 8)};
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace accelerator_bytes
