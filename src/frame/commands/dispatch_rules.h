#pragma once
// The decisions of command dispatch that need no window: when a command is
// ignored, which command a mouse action or gesture stands for, and what
// the status bar says about a gesture.
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/wide_string.h"
#include "settings/settings.h"

namespace dispatch_rules {

// The high word of WM_COMMAND's wParam for accelerators.
inline constexpr std::uint16_t kFromAccelerator = 1;
inline constexpr std::uintptr_t kFirstGesture = 5;
inline constexpr std::uintptr_t kLastGesture = 8;

// A key pressed while the mouse is dragging or gesturing in the editor
// would act in the middle of that work.
bool Ignored(std::uint16_t source, bool mouse_busy);

// The command of mouse action index (0 .. 8, from a message, so checked);
// 0 when there is none or the table names no known command.
std::uint16_t MouseActionCommand(const std::array<std::int32_t, Settings::kMouseActions>& actions,
                                 std::uintptr_t index);

// The status text while gesture index is held: the name of its command
// (a quick tag's or tool's own label for those); empty for cancelled
// gestures, unbound ones and indexes that are no gestures.
bool GestureFeedback(const Settings& settings, std::uintptr_t index,
                     const std::function<std::u16string_view(unsigned)>& string, WideString& text);

}  // namespace dispatch_rules
