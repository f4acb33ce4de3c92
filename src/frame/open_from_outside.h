#pragma once
// Opening files named from outside the program: the command line, a second
// instance's hand-over and (later) dropped files.  A shell link opens its
// target and a folder is skipped.
#include <string_view>

namespace open_from_outside {

void OpenName(std::u16string_view name);
// Afterwards LastFolder follows the active file.
void Finish();

}  // namespace open_from_outside
