#pragma once
// What a key binding looks like to the user: key names (the punctuation of
// the Japanese layout), the Ctrl and Shift prefixes, and the keys the
// key-binding dialog offers.
#include <array>
#include <cstdint>
#include <string_view>

#include "platform/wide_string.h"
#include "settings/key_bindings.h"

namespace key_names {

inline constexpr int kDialogKeyCount = 91;

// Empty for a key without a name.
std::u16string_view KeyName(std::uint16_t key);
// "Shift+", "Ctrl+" or "Ctrl+Shift+"; empty for a plain key.
std::u16string_view Prefix(std::uint8_t modifiers);
// The keys of the dialog's key list, in its order.
const std::array<std::uint8_t, kDialogKeyCount>& DialogKeys();

// Prefix and key name, e.g. "Ctrl+Shift+Z"; empty for an unbound slot.
bool ShortcutText(const key_bindings::BindingSlot& slot, WideString& text);

}  // namespace key_names
