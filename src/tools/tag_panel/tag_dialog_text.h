#pragma once
// Tag texts as the dialog's edit controls show them and give them back:
// the library holds line breaks as LF, the controls as CR LF.
#include <cstdint>
#include <string_view>

#include "platform/wide_string.h"

namespace tag_dialog_text {

inline constexpr std::int32_t kMoveLimit = 999;
// Characters the start and end fields take, as shown (CR LF counting two).
inline constexpr std::uint32_t kTextLimit = 259;

// Every LF shown as CR LF; false when memory runs out.
bool ToShown(std::u16string_view text, WideString& shown);
// Every CR LF back to one LF; a CR on its own stays.  Any length.
bool FromShown(std::u16string_view shown, WideString& text);

}  // namespace tag_dialog_text
