#pragma once
// The system's own words for an error code (GetLastError on Windows, errno
// natively), for the messages that tell why something failed.
#include <cstdint>
#include <string>

namespace system_error {

// One line, without a trailing full stop or line break; empty for 0 or a
// code the system has no text for.
std::u16string Text(std::uint32_t code);

}  // namespace system_error
