#include <windows.h>
#include <shlwapi.h>

#include "platform/natural_order.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 names are passed to Windows as they are");

namespace natural_order {

int Compare(const char16_t* a, const char16_t* b) {
  return StrCmpLogicalW(reinterpret_cast<const wchar_t*>(a), reinterpret_cast<const wchar_t*>(b));
}

}  // namespace natural_order
