#pragma once
// The numbers of the document commands.
#include <cstdint>

namespace document_commands {

inline constexpr std::uint16_t kNew = 5010;
inline constexpr std::uint16_t kOpen = 5020;
inline constexpr std::uint16_t kClearRecent = 5022;
inline constexpr std::uint16_t kFirstRecent = 5024;  // + index, 20 of them
inline constexpr std::uint16_t kSave = 5050;
inline constexpr std::uint16_t kSaveAs = 5051;
inline constexpr std::uint16_t kSaveAll = 5052;
inline constexpr std::uint16_t kClose = 5080;
inline constexpr std::uint16_t kCloseAll = 5081;
inline constexpr std::uint16_t kCloseOthers = 5082;
inline constexpr std::uint16_t kCloseToTheRight = 5083;
inline constexpr std::uint16_t kToggleBookmark = 5310;
inline constexpr std::uint16_t kFirstBookmark = 5331;  // + index, 20 of them
inline constexpr std::uint16_t kListSlots = 20;

}  // namespace document_commands
