#include "settings/binding_slot_table.h"

#include <array>
#include <utility>

#include "settings/key_bindings.h"

namespace binding_slot_table {
namespace {

constexpr std::uint16_t kFile = 5000;
constexpr std::uint16_t kEdit = 5001;
constexpr std::uint16_t kView = 5002;
constexpr std::uint16_t kBookmarks = 5003;
constexpr std::uint16_t kQuickTags = 5004;
constexpr std::uint16_t kTools = 5005;
constexpr std::uint16_t kHelp = 5006;
constexpr std::uint16_t kRecentFiles = 5021;
constexpr std::uint16_t kConvert = 5150;

constexpr std::uint8_t kPlain = key_bindings::kVirtualKey;
constexpr std::uint8_t kShift = key_bindings::kVirtualKey | key_bindings::kShift;
constexpr std::uint8_t kCtrl = key_bindings::kVirtualKey | key_bindings::kControl;
constexpr std::uint8_t kCtrlShift = kCtrl | key_bindings::kShift;

// Virtual keys of the defaults.
constexpr std::uint8_t kEnter = 13;
constexpr std::uint8_t kSpace = 32;
constexpr std::uint8_t kEnd = 35;
constexpr std::uint8_t kHome = 36;
constexpr std::uint8_t kLeft = 37;
constexpr std::uint8_t kUp = 38;
constexpr std::uint8_t kRight = 39;
constexpr std::uint8_t kDown = 40;
constexpr std::uint8_t kInsert = 45;
constexpr std::uint8_t kDelete = 46;
constexpr std::uint8_t kF3 = 114;

constexpr Entry Command(std::uint16_t command, std::uint16_t menu, std::uint16_t submenu = 0,
                       std::uint8_t modifiers = kPlain, std::uint8_t key = 0) {
  return {command, menu, submenu, modifiers, key};
}
constexpr Entry Keyed(std::uint16_t command, std::uint16_t menu, std::uint8_t modifiers, std::uint8_t key) {
  return {command, menu, 0, modifiers, key};
}

// The first-run quick tags' keys; the other ten have none.
constexpr std::array<std::pair<std::uint8_t, std::uint8_t>, 10> kQuickTagKeys = {{
    {kPlain, kF3 + 2},
    {kPlain, kF3 + 3},
    {kPlain, kF3 + 4},
    {kPlain, kF3 + 5},
    {kShift, kEnter},
    {kCtrl, kSpace},
    {kCtrl, kUp},
    {kCtrl, kLeft},
    {kCtrl, kDown},
    {kCtrl, kRight},
}};

constexpr std::array<Entry, key_bindings::kSlotCount> Build() {
  std::array<Entry, key_bindings::kSlotCount> t = {};
  const Entry first[] = {
      Keyed(5010, kFile, kCtrl, 'N'),
      Keyed(5020, kFile, kCtrl, 'O'),
      Command(5022, kFile, kRecentFiles),
      Keyed(5050, kFile, kCtrl, 'S'),
      Command(5051, kFile),
      Command(5052, kFile),
      Keyed(5080, kFile, kCtrl, 'W'),
      Command(5081, kFile),
      Command(5082, kFile),
      Command(5083, kFile),
      Command(5090, kFile),
      Keyed(5110, kEdit, kCtrl, 'Z'),
      Keyed(5111, kEdit, kCtrlShift, 'Z'),
      Keyed(5120, kEdit, kCtrl, 'X'),
      Keyed(5121, kEdit, kCtrl, 'C'),
      Keyed(5122, kEdit, kCtrl, 'V'),
      Keyed(5123, kEdit, kPlain, kDelete),
      Keyed(5124, kEdit, kCtrl, 'A'),
      Keyed(5125, kEdit, kCtrl, kEnter),
      Keyed(5130, kEdit, kCtrl, 'F'),
      Keyed(5140, kEdit, kCtrl, 'J'),
      Command(5151, kEdit, kConvert, kCtrl, 'U'),
      Command(5152, kEdit, kConvert, kCtrl, 'L'),
      Command(5153, kEdit, kConvert),
      Command(5154, kEdit, kConvert),
      Command(5155, kEdit, kConvert),
      Command(5156, kEdit, kConvert),
      Command(5160, kEdit),
      Command(5161, kEdit),
      Keyed(5170, kEdit, kPlain, static_cast<std::uint8_t>(key_bindings::kCapsLock)),
      Keyed(5180, kEdit, kShift, kInsert),
      Keyed(5181, kEdit, kPlain, kInsert),
      Command(5210, kView),
      Command(5220, kView),
      Command(5230, kView),
      Command(5260, kView),
      Command(5251, kView),
      Command(5252, kView),
      Command(5240, kView),
      Command(5250, kView),
      Keyed(5310, kBookmarks, kCtrl, 'B'),
      Command(5320, kBookmarks),
  };
  int slot = 0;
  for (const Entry& entry : first) t[slot++] = entry;
  for (int k = 0; k < key_bindings::kQuickTagSlots; ++k, ++slot) {
    t[slot] = Command(static_cast<std::uint16_t>(5411 + k), kQuickTags);
    if (k < static_cast<int>(kQuickTagKeys.size())) {
      t[slot].default_modifiers = kQuickTagKeys[k].first;
      t[slot].default_key = kQuickTagKeys[k].second;
    }
  }
  t[slot++] = Command(5450, kQuickTags);
  for (int k = 0; k < key_bindings::kToolSlots; ++k) t[slot++] = Command(static_cast<std::uint16_t>(5511 + k), kTools);
  const Entry last[] = {
      Command(5550, kTools),
      Command(5610, kHelp),
      Command(5620, kHelp),
      Keyed(5900, 0, kPlain, kF3),
      Keyed(5901, 0, kPlain, kF3 + 1),
      Command(5902, 0),
      Keyed(5910, 0, kCtrl, 'R'),
      Keyed(5911, 0, kCtrlShift, 'R'),
      Command(5920, 0),
      Keyed(6000, 0, kCtrl, kHome),
      Keyed(6001, 0, kCtrl, kEnd),
  };
  for (const Entry& entry : last) t[slot++] = entry;
  return t;
}

constexpr std::array<Entry, key_bindings::kSlotCount> kTable = Build();
static_assert(kTable[key_bindings::kFirstQuickTagSlot].command == 5411);
static_assert(kTable[key_bindings::kFirstToolSlot].command == 5511);
static_assert(kTable[key_bindings::kSlotCount - 1].command == 6001);

}  // namespace

const Entry& At(int slot) { return kTable[slot]; }

}  // namespace binding_slot_table
