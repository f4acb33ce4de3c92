#pragma once
// The program's command numbers: what menus, keys, toolbar buttons and
// mouse actions store.  A command's display name is the language string
// with its own number.
#include <cstdint>

namespace command_ids {

inline constexpr std::uint16_t kFirstMenuButton = 5000;
inline constexpr std::uint16_t kLastMenuButton = 5006;
inline constexpr std::uint16_t kExit = 5090;
inline constexpr std::uint16_t kGoToLine = 5140;
inline constexpr std::uint16_t kLeftPane = 5210;
inline constexpr std::uint16_t kRightPane = 5220;
inline constexpr std::uint16_t kEditorFont = 5240;
inline constexpr std::uint16_t kEditorColours = 5250;
inline constexpr std::uint16_t kBookmarkList = 5320;
inline constexpr std::uint16_t kFirstQuickTag = 5411;
inline constexpr std::uint16_t kLastQuickTag = 5430;
inline constexpr std::uint16_t kQuickTagEditor = 5450;
inline constexpr std::uint16_t kFirstTool = 5511;
inline constexpr std::uint16_t kLastTool = 5518;
inline constexpr std::uint16_t kSettings = 5550;

// Whether id is a command the dispatcher knows (menu-bar buttons and
// placeholders are not commands).
bool IsKnown(std::uint16_t id);

}  // namespace command_ids
