#include "platform/code_page.h"

#include <windows.h>

static_assert(sizeof(wchar_t) == 2, "UTF-16 units are passed to Win32 as wchar_t");

namespace code_page {

bool IsAvailable(unsigned code_page) { return IsValidCodePage(code_page) != FALSE; }

std::int32_t ToUtf16(unsigned code_page, const char* bytes, std::int32_t count, char16_t* destination,
                     std::int32_t capacity) {
  if (count <= 0 || capacity <= 0) return 0;
  return MultiByteToWideChar(code_page, 0, bytes, count, reinterpret_cast<wchar_t*>(destination), capacity);
}

std::int32_t FromUtf16(unsigned code_page, const char16_t* units, std::int32_t count, char* destination,
                       std::int32_t capacity) {
  if (count <= 0 || capacity < 0) return 0;
  const int written = WideCharToMultiByte(code_page, 0, reinterpret_cast<const wchar_t*>(units), count, destination,
                                          capacity, nullptr, nullptr);
  if (written == 0 && capacity > 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) return -1;
  return written;
}

char16_t DefaultCharacter(unsigned code_page) {
  CPINFOEXW info = {};
  if (!GetCPInfoExW(code_page, 0, &info)) return u'\uFFFD';
  return static_cast<char16_t>(info.UnicodeDefaultChar);
}

const char* NextCharacter(unsigned code_page, const char* at, const char* end) {
  // CharNextExA looks at the second byte of a lead byte, so a lead byte in
  // the last position must not reach it: the data is not NUL-terminated.
  if (end - at < 2) return end;
  const char* next = CharNextExA(static_cast<WORD>(code_page), at, 0);
  return next > at ? next : at + 1;
}

}  // namespace code_page
