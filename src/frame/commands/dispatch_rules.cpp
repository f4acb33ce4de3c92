#include "frame/commands/dispatch_rules.h"

#include "commands/command_catalogue.h"

namespace dispatch_rules {

bool Ignored(std::uint16_t source, bool mouse_busy) { return source == kFromAccelerator && mouse_busy; }

std::uint16_t MouseActionCommand(const std::array<std::int32_t, Settings::kMouseActions>& actions,
                                 std::uintptr_t index) {
  if (index >= actions.size()) return 0;
  const std::int32_t command = actions[index];
  if (command <= 0 || command > 0xFFFF || !command_catalogue::IsKnown(static_cast<std::uint16_t>(command))) return 0;
  return static_cast<std::uint16_t>(command);
}

bool GestureFeedback(const Settings& settings, std::uintptr_t index,
                     const std::function<std::u16string_view(unsigned)>& string, WideString& text) {
  text.Clear();
  if (index < kFirstGesture || index > kLastGesture) return false;
  const std::uint16_t command = MouseActionCommand(settings.mouse_actions, index);
  if (command == 0) return false;
  if (command >= command_ids::kFirstQuickTag && command <= command_ids::kLastQuickTag)
    return text.Assign(settings.quick_tags[command - command_ids::kFirstQuickTag].label.View());
  if (command >= command_ids::kFirstTool && command <= command_ids::kLastTool)
    return text.Assign(settings.external_tools[command - command_ids::kFirstTool].label.View());
  return text.Assign(string(command));
}

}  // namespace dispatch_rules
