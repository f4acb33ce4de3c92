#pragma once
// Comparison and splitting of paths, names and extensions as the program
// does everywhere: only ASCII letters are compared without case, so that
// results never depend on the user's locale.
#include <array>
#include <cstdint>
#include <string_view>

namespace path_text {

// Equal length and equal unit by unit, ASCII letters without case.
bool SameName(std::u16string_view a, std::u16string_view b);

// The text from the last "." after the last "\", dot included; empty when
// the last component has no dot.
std::u16string_view ExtensionOf(std::u16string_view path);

// The last component: "C:\site\index.html" gives "index.html".
std::u16string_view FileName(std::u16string_view path);

// The last component without its extension: "C:\a.b\prog.exe" gives "prog".
std::u16string_view BaseName(std::u16string_view path);

// 0x00BBGGRR as "#rrggbb" in lower-case hexadecimal (no allocation).
std::array<char16_t, 7> ColourText(std::uint32_t colour);

}  // namespace path_text
