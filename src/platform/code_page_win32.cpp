#include "platform/code_page.h"

#include <windows.h>

#include <array>

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

namespace {

// Shift_JIS's lead bytes as the system names them, asked once: a call into
// the system for each character would cost a load one per Japanese
// character.
const std::array<bool, 256>& ShiftJisLeadBytes() {
  static const std::array<bool, 256> leads = [] {
    std::array<bool, 256> table{};
    CPINFO info = {};
    if (!GetCPInfo(kShiftJis, &info)) return table;
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
      for (unsigned byte = info.LeadByte[i]; byte <= info.LeadByte[i + 1]; ++byte) table[byte] = true;
    return table;
  }();
  return leads;
}

}  // namespace

const char* NextCharacter(unsigned code_page, const char* at, const char* end) {
  // CharNextExA looks at the second byte of a lead byte, so a lead byte in
  // the last position must not reach it: the data is not NUL-terminated.
  if (end - at < 2) return end;
  if (code_page == kShiftJis) return ShiftJisLeadBytes()[static_cast<unsigned char>(*at)] && at[1] != 0 ? at + 2 : at + 1;
  const char* next = CharNextExA(static_cast<WORD>(code_page), at, 0);
  return next > at ? next : at + 1;
}

}  // namespace code_page
