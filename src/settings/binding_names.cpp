#include "settings/binding_names.h"

#include <string>

#include "settings/key_bindings.h"

namespace binding_names {
namespace {

constexpr std::u16string_view kJoin = u" - ";

bool AppendNumbered(WideString& name, std::u16string_view label, std::u16string_view placeholder, int number) {
  if (!label.empty()) return name.Append(label);
  const std::string digits = std::to_string(number);
  if (!name.Append(placeholder) || !name.Append(u' ')) return false;
  for (char digit : digits)
    if (!name.Append(static_cast<char16_t>(digit))) return false;
  return name.Append(u')');
}

}  // namespace

bool DisplayName(int slot, const Settings& settings, const LanguageText& language, WideString& name) {
  name.Clear();
  const command_catalogue::Command& entry = command_catalogue::Slot(slot);
  if (entry.menu == 0) return name.Assign(language(entry.id));
  if (!name.Assign(language(entry.menu)) || !name.Append(kJoin)) return false;
  const int quick_tag = slot - key_bindings::kFirstQuickTagSlot;
  if (quick_tag >= 0 && quick_tag < key_bindings::kQuickTagSlots)
    return AppendNumbered(name, settings.quick_tags[quick_tag].label.View(), language(kUnnamedQuickTag),
                          quick_tag + 1);
  const int tool = slot - key_bindings::kFirstToolSlot;
  if (tool >= 0 && tool < key_bindings::kToolSlots)
    return AppendNumbered(name, settings.external_tools[tool].label.View(), language(kUnnamedTool), tool + 1);
  if (entry.submenu != 0 && (!name.Append(language(entry.submenu)) || !name.Append(kJoin))) return false;
  return name.Append(language(entry.id));
}

}  // namespace binding_names
