#include <cstring>

#include "platform/system_error.h"

namespace system_error {

std::u16string Text(std::uint32_t code) {
  if (code == 0) return {};
  const char* text = std::strerror(static_cast<int>(code));
  return std::u16string(text, text + std::strlen(text));
}

}  // namespace system_error
