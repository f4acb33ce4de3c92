#pragma once
// The numbers typed into the dialogs' number fields.  What is no number
// reads as 0, and every field is held to its range whenever it is read,
// not only when it loses the focus: Enter in a field never stores a value
// out of range.
#include <cstdint>
#include <string_view>

namespace number_field {

// Leading spaces skipped, then the decimal digits up to the first other
// character; 0 when there are none.  Too many digits saturate.
std::int32_t Read(std::u16string_view text);
std::int32_t ReadClamped(std::u16string_view text, std::int32_t low, std::int32_t high);

}  // namespace number_field
