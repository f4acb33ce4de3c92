#include <windows.h>

#include "platform/system_error.h"

namespace system_error {

std::u16string Text(std::uint32_t code) {
  if (code == 0) return {};
  wchar_t buffer[512];
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                                512, nullptr);
  while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n' || buffer[length - 1] == L' ' ||
                        buffer[length - 1] == L'.'))
    --length;
  return std::u16string(reinterpret_cast<const char16_t*>(buffer), length);
}

}  // namespace system_error
