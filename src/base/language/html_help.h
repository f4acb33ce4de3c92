#pragma once
// The HTML Help control, reached through its HtmlHelpW export.  The control
// is optional (it may be absent, as under Wine without it): when it cannot
// be loaded every call fails at once and help simply does nothing.
#include <cstdint>

namespace html_help {

// HtmlHelpW(owner, file, command, data); 0 when the control is unavailable.
// The library is looked for once, on the first call.
std::uintptr_t Call(void* owner, const char16_t* file, unsigned command, std::uintptr_t data);

// Start-up and exit of the help subsystem (the cookie is kept inside).
void Initialize();
void Uninitialize();

}  // namespace html_help
