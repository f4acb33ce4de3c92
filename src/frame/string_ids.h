#pragma once
// Language string ids the frame reads itself.  Commands show their display
// name under their own id; these are the other texts.

namespace string_ids {

inline constexpr unsigned kUiFontFace = 20000;
inline constexpr unsigned kUntitled = 20220;
inline constexpr unsigned kErrorCaption = 30000;
inline constexpr unsigned kOutOfMemory = 30001;
inline constexpr unsigned kCannotMakeDocument = 30002;
inline constexpr unsigned kCannotOpen = 30003;

}  // namespace string_ids
