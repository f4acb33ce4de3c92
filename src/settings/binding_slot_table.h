#pragma once
// The fixed table behind the binding slots: each slot's command, the menu
// titles its name in the key-binding dialog starts with, and its default
// key.
#include <cstdint>

namespace binding_slot_table {

struct Entry {
  std::uint16_t command = 0;
  std::uint16_t menu = 0;     // title string of its top-level menu; 0: in no menu
  std::uint16_t submenu = 0;  // title string of its submenu; 0: none
  std::uint8_t default_modifiers = 1;
  std::uint8_t default_key = 0;  // 0: no key by default
};

// slot must be 0 .. 81.
const Entry& At(int slot);

}  // namespace binding_slot_table
