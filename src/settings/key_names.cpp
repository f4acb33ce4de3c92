#include "settings/key_names.h"

namespace key_names {
namespace {

using Names = std::array<std::u16string_view, 256>;

constexpr std::u16string_view kDigitsAndLetters = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

constexpr Names Build() {
  Names n = {};
  n[8] = u"BackSpace";
  n[9] = u"Tab";
  n[13] = u"Enter";
  n[27] = u"Esc";
  n[32] = u"Space";
  const std::u16string_view navigation[] = {u"PageUp", u"PageDown", u"End",   u"Home",
                                            u"Left",   u"Up",       u"Right", u"Down"};
  for (int k = 0; k < 8; ++k) n[33 + k] = navigation[k];
  n[45] = u"Insert";
  n[46] = u"Delete";
  for (int k = 0; k < 10; ++k) n[48 + k] = kDigitsAndLetters.substr(k, 1);
  for (int k = 0; k < 26; ++k) n[65 + k] = kDigitsAndLetters.substr(10 + k, 1);
  // The trailing space of "[Num] 0 " is the layout's own.
  const std::u16string_view keypad[] = {u"[Num] 0 ", u"[Num] 1", u"[Num] 2", u"[Num] 3", u"[Num] 4", u"[Num] 5",
                                        u"[Num] 6",  u"[Num] 7", u"[Num] 8", u"[Num] 9", u"[Num] *", u"[Num] +",
                                        u"",         u"[Num] -", u"[Num] .", u"[Num] /"};
  for (int k = 0; k < 16; ++k) n[96 + k] = keypad[k];
  const std::u16string_view functions[] = {u"F1", u"F2", u"F3", u"F4",  u"F5",  u"F6",
                                           u"F7", u"F8", u"F9", u"F10", u"F11", u"F12"};
  for (int k = 0; k < 12; ++k) n[112 + k] = functions[k];
  const std::u16string_view punctuation[] = {u":", u";", u",", u"-", u".", u"/", u"@"};
  for (int k = 0; k < 7; ++k) n[186 + k] = punctuation[k];
  n[219] = u"[";
  n[220] = u"\\";
  n[221] = u"]";
  n[222] = u"^";
  n[226] = u"_";
  n[key_bindings::kCapsLock] = u"CapsLock";
  return n;
}

constexpr Names kNames = Build();

constexpr std::array<std::uint8_t, kDialogKeyCount> BuildDialogKeys() {
  std::array<std::uint8_t, kDialogKeyCount> keys = {};
  const std::uint8_t named_first[] = {8,  9,  13, 27,  32,  33,  34,  35,  36,  37,  38,  39,  40,  45,
                                      46, 240, 186, 187, 188, 189, 190, 191, 192, 219, 220, 221, 222, 226};
  int i = 0;
  for (std::uint8_t key : named_first) keys[i++] = key;
  for (int key = 48; key <= 57; ++key) keys[i++] = static_cast<std::uint8_t>(key);
  for (int key = 65; key <= 90; ++key) keys[i++] = static_cast<std::uint8_t>(key);
  for (int key = 112; key <= 123; ++key) keys[i++] = static_cast<std::uint8_t>(key);
  for (int key = 96; key <= 111; ++key)
    if (key != 108) keys[i++] = static_cast<std::uint8_t>(key);
  return keys;
}

constexpr std::array<std::uint8_t, kDialogKeyCount> kDialogKeys = BuildDialogKeys();
static_assert(kDialogKeys[kDialogKeyCount - 1] == 111);

}  // namespace

std::u16string_view KeyName(std::uint16_t key) { return key < kNames.size() ? kNames[key] : std::u16string_view(); }

std::u16string_view Prefix(std::uint8_t modifiers) {
  switch (modifiers) {
    case key_bindings::kVirtualKey | key_bindings::kShift:
      return u"Shift+";
    case key_bindings::kVirtualKey | key_bindings::kControl:
      return u"Ctrl+";
    case key_bindings::kVirtualKey | key_bindings::kControl | key_bindings::kShift:
      return u"Ctrl+Shift+";
    default:
      return {};
  }
}

const std::array<std::uint8_t, kDialogKeyCount>& DialogKeys() { return kDialogKeys; }

bool ShortcutText(const key_bindings::BindingSlot& slot, WideString& text) {
  text.Clear();
  if (!slot.Bound()) return true;
  return text.Assign(Prefix(slot.modifiers)) && text.Append(KeyName(slot.key));
}

}  // namespace key_names
