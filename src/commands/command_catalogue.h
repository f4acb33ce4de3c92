#pragma once
// The one table of the program's commands: for each its number, the room
// that carries it out, where the key-binding list places its name, its
// default key, and whether it is a switch.  Menus, key-binding slots, the
// known-command check, tooltips and the dispatcher all read it.  Adding a
// command: its number in command_ids.h, its row here (bindable rows keep
// their order, since the settings file stores keys by slot), and its case in
// its owner's handler.
#include <cstdint>
#include <span>

#include "commands/command_ids.h"

namespace command_catalogue {

// Who carries a command out.  kNone: a number that is no command (menu-bar
// buttons, submenus, placeholders).  The panes' context-menu commands are
// run by their panes, not by the dispatcher.
enum class Owner : std::uint8_t {
  kNone,
  kFrame,
  kDocuments,
  kEditor,
  kFind,
  kQuickTags,
  kTools,
  kFolderTree,
  kTagPanel,
  kCount
};

// Accelerator flags of a default key; a key always carries kVirtualKey.
inline constexpr std::uint8_t kVirtualKey = 1;
inline constexpr std::uint8_t kShift = 4;
inline constexpr std::uint8_t kControl = 8;
// The caps-lock key, which the system's accelerators do not know by itself.
inline constexpr std::uint16_t kCapsLock = 240;

struct Command {
  std::uint16_t id = 0;
  Owner owner = Owner::kNone;
  bool bindable = false;
  bool toggle = false;    // drawn checked in menus and on buttons while on
  bool ellipsis = false;  // its menu text ends in "..."
  std::uint16_t menu = 0;     // top-level menu its key-binding name starts with; 0: none
  std::uint16_t submenu = 0;  // its submenu in that name; 0: none
  std::uint8_t default_modifiers = kVirtualKey;
  std::uint16_t default_key = 0;  // 0: no key by default
};

std::span<const Command> All();
// nullptr for a number the table does not hold.
const Command* Find(std::uint16_t id);
Owner OwnerOf(std::uint16_t id);
// Whether the dispatcher carries id out.
bool IsKnown(std::uint16_t id);
bool HasEllipsis(std::uint16_t id);

// The bindable commands in their fixed order: slot n of the key bindings is
// the n-th of them.
inline constexpr int kSlotCount = 84;
const Command& Slot(int slot);
inline constexpr int kFirstQuickTagSlot = 42;
inline constexpr int kFirstToolSlot = 63;

}  // namespace command_catalogue
