#pragma once
// Opening files named from outside the program: the command line, a second
// instance's hand-over and (later) dropped files.  A shell link opens its
// target and a folder is skipped.
#include <string_view>

#include "docs/document_opening.h"

namespace open_from_outside {

// A file newly opened goes to the front of the recent files and its caret
// to the line kept there.  A failure is shown to the user.
document_opening::Result OpenName(std::u16string_view name);
// Afterwards LastFolder follows the active document.
void Finish();

}  // namespace open_from_outside
