#pragma once
// The program's shortcut in the user's Send To folder, named after the
// program ("Vorndel.lnk").  Windows-only header.
#include <string_view>

namespace send_to {

bool Exists(std::u16string_view program_path);
// Makes the shortcut, or removes it; false when that failed.
bool Set(std::u16string_view program_path, bool wanted);

}  // namespace send_to
