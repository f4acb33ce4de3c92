#include "commands/command_catalogue.h"

#include <array>
#include <utility>

namespace command_catalogue {
namespace {

using namespace command_ids;

constexpr std::uint8_t kPlain = kVirtualKey;
constexpr std::uint8_t kShiftKey = kVirtualKey | kShift;
constexpr std::uint8_t kCtrl = kVirtualKey | kControl;
constexpr std::uint8_t kCtrlShift = kCtrl | kShift;

// Virtual keys of the defaults.
constexpr std::uint16_t kEnter = 13;
constexpr std::uint16_t kSpace = 32;
constexpr std::uint16_t kEnd = 35;
constexpr std::uint16_t kHome = 36;
constexpr std::uint16_t kLeft = 37;
constexpr std::uint16_t kUp = 38;
constexpr std::uint16_t kRight = 39;
constexpr std::uint16_t kDown = 40;
constexpr std::uint16_t kInsert = 45;
constexpr std::uint16_t kDeleteKey = 46;
constexpr std::uint16_t kF3 = 114;

// The first ten quick tags' keys; the other ten have none.
constexpr std::array<std::pair<std::uint8_t, std::uint16_t>, 10> kQuickTagKeys = {{
    {kPlain, kF3 + 2}, {kPlain, kF3 + 3}, {kPlain, kF3 + 4}, {kPlain, kF3 + 5}, {kShiftKey, kEnter},
    {kCtrl, kSpace}, {kCtrl, kUp}, {kCtrl, kLeft}, {kCtrl, kDown}, {kCtrl, kRight},
}};

struct Row {
  std::uint16_t id;
  Owner owner;
  std::uint16_t menu;
  std::uint16_t submenu = 0;
  std::uint8_t modifiers = kPlain;
  std::uint16_t key = 0;
};

// The bindable commands, in slot order (the list items are added apart).
constexpr Row kBindableHead[] = {
    {kNew, Owner::kDocuments, kFileMenu, 0, kCtrl, 'N'},
    {kOpen, Owner::kDocuments, kFileMenu, 0, kCtrl, 'O'},
    {kClearRecent, Owner::kDocuments, kFileMenu, kRecentFilesMenu},
    {kSave, Owner::kDocuments, kFileMenu, 0, kCtrl, 'S'},
    {kSaveAs, Owner::kDocuments, kFileMenu},
    {kSaveAll, Owner::kDocuments, kFileMenu},
    {kClose, Owner::kDocuments, kFileMenu, 0, kCtrl, 'W'},
    {kCloseAll, Owner::kDocuments, kFileMenu},
    {kCloseOthers, Owner::kDocuments, kFileMenu},
    {kCloseToTheRight, Owner::kDocuments, kFileMenu},
    {kExit, Owner::kFrame, kFileMenu},
    {kUndo, Owner::kEditor, kEditMenu, 0, kCtrl, 'Z'},
    {kRedo, Owner::kEditor, kEditMenu, 0, kCtrlShift, 'Z'},
    {kCut, Owner::kEditor, kEditMenu, 0, kCtrl, 'X'},
    {kCopy, Owner::kEditor, kEditMenu, 0, kCtrl, 'C'},
    {kPaste, Owner::kEditor, kEditMenu, 0, kCtrl, 'V'},
    {kDelete, Owner::kEditor, kEditMenu, 0, kPlain, kDeleteKey},
    {kSelectAll, Owner::kEditor, kEditMenu, 0, kCtrl, 'A'},
    {kSelectConstruct, Owner::kEditor, kEditMenu, 0, kCtrl, kEnter},
    {kFind, Owner::kFrame, kEditMenu, 0, kCtrl, 'F'},
    {kGoToLine, Owner::kFrame, kEditMenu, 0, kCtrl, 'J'},
    {kUpperCase, Owner::kEditor, kEditMenu, kConvertMenu, kCtrl, 'U'},
    {kLowerCase, Owner::kEditor, kEditMenu, kConvertMenu, kCtrl, 'L'},
    {kFullWidth, Owner::kEditor, kEditMenu, kConvertMenu},
    {kHalfWidth, Owner::kEditor, kEditMenu, kConvertMenu},
    {kHiragana, Owner::kEditor, kEditMenu, kConvertMenu},
    {kKatakana, Owner::kEditor, kEditMenu, kConvertMenu},
    {kIndent, Owner::kEditor, kEditMenu},
    {kUnindent, Owner::kEditor, kEditMenu},
    {kComment, Owner::kTools, kEditMenu, 0, kPlain, kCapsLock},
    {kColour, Owner::kTools, kEditMenu, 0, kShiftKey, kInsert},
    {kDate, Owner::kTools, kEditMenu, 0, kPlain, kInsert},
    {kLeftPane, Owner::kFrame, kViewMenu},
    {kRightPane, Owner::kFrame, kViewMenu},
    {kFindBar, Owner::kFrame, kViewMenu},
    {kWrap, Owner::kEditor, kViewMenu},
    {kBoldTags, Owner::kEditor, kViewMenu},
    {kTagPairHighlighting, Owner::kEditor, kViewMenu},
    {kEditorFont, Owner::kFrame, kViewMenu},
    {kEditorColours, Owner::kFrame, kViewMenu},
    {kToggleBookmark, Owner::kDocuments, kBookmarksMenu, 0, kCtrl, 'B'},
    {kBookmarkList, Owner::kFrame, kBookmarksMenu},
};
constexpr Row kBindableTail[] = {
    {kSettings, Owner::kFrame, kToolsMenu},
    {kHelp, Owner::kTools, kHelpMenu},
    {kAbout, Owner::kTools, kHelpMenu},
    {kFindNext, Owner::kFind, 0, 0, kPlain, kF3},
    {kFindPrevious, Owner::kFind, 0, 0, kPlain, kF3 + 1},
    {kHighlightAll, Owner::kFind, 0},
    {kReplace, Owner::kFind, 0, 0, kCtrl, 'R'},
    {kReplaceAll, Owner::kFind, 0, 0, kCtrlShift, 'R'},
    {kMatchCase, Owner::kEditor, 0},
    {kDocumentStart, Owner::kEditor, 0, 0, kCtrl, kHome},
    {kDocumentEnd, Owner::kEditor, 0, 0, kCtrl, kEnd},
    {kRegexSearch, Owner::kFind, 0},
    {kFindInFiles, Owner::kFrame, kEditMenu, 0, kCtrlShift, 'F'},
};
// Numbers that no key can be bound to.
constexpr std::pair<std::uint16_t, Owner> kUnbindable[] = {
    {kFileMenu, Owner::kNone},          {kEditMenu, Owner::kNone},
    {kViewMenu, Owner::kNone},          {kBookmarksMenu, Owner::kNone},
    {kQuickTagsMenu, Owner::kNone},     {kToolsMenu, Owner::kNone},
    {kHelpMenu, Owner::kNone},          {kRecentFilesMenu, Owner::kNone},
    {kNoRecentFiles, Owner::kNone},     {kConvertMenu, Owner::kNone},
    {kNoBookmarks, Owner::kNone},       {kNoQuickTags, Owner::kNone},
    {kNoTools, Owner::kNone},           {kAddFavourite, Owner::kFolderTree},
    {kRemoveFavourite, Owner::kFolderTree}, {kExpandAtStart, Owner::kFolderTree},
    {kOpenFolder, Owner::kFolderTree},  {kExplore, Owner::kFolderTree},
    {kNewTagFolder, Owner::kTagPanel},  {kNewTag, Owner::kTagPanel},
    {kDeleteTag, Owner::kTagPanel},     {kEditTag, Owner::kTagPanel},
    {kExpandAllTags, Owner::kTagPanel}, {kCollapseAllTags, Owner::kTagPanel},
};
constexpr std::uint16_t kToggles[] = {kLeftPane, kRightPane, kFindBar, kWrap, kBoldTags, kTagPairHighlighting,
                                      kMatchCase, kRegexSearch};
constexpr std::uint16_t kEllipsis[] = {kOpen,           kSaveAs,        kFind,       kGoToLine,
                                       kEditorFont,     kEditorColours, kBookmarkList, kQuickTagEditor,
                                       kSettings,       kOpenFolder,    kDeleteTag,  kEditTag,
                                       kFindInFiles};

constexpr std::size_t kRowCount = std::size(kBindableHead) + kQuickTagSlots + 1 + kToolSlots +
                                  std::size(kBindableTail) + kRecentSlots + kBookmarkSlots + std::size(kUnbindable);
using Table = std::array<Command, kRowCount>;

constexpr bool Contains(std::span<const std::uint16_t> ids, std::uint16_t id) {
  for (std::uint16_t each : ids)
    if (each == id) return true;
  return false;
}

constexpr Command Bindable(const Row& row) {
  Command command;
  command.id = row.id;
  command.owner = row.owner;
  command.bindable = true;
  command.menu = row.menu;
  command.submenu = row.submenu;
  command.default_modifiers = row.modifiers;
  command.default_key = row.key;
  return command;
}

constexpr Table Build() {
  Table t = {};
  std::size_t n = 0;
  for (const Row& row : kBindableHead) t[n++] = Bindable(row);
  for (std::uint16_t k = 0; k < kQuickTagSlots; ++k) {
    Row row{static_cast<std::uint16_t>(kFirstQuickTag + k), Owner::kQuickTags, kQuickTagsMenu};
    if (k < kQuickTagKeys.size()) {
      row.modifiers = kQuickTagKeys[k].first;
      row.key = kQuickTagKeys[k].second;
    }
    t[n++] = Bindable(row);
  }
  t[n++] = Bindable({kQuickTagEditor, Owner::kFrame, kQuickTagsMenu});
  for (std::uint16_t k = 0; k < kToolSlots; ++k)
    t[n++] = Bindable({static_cast<std::uint16_t>(kFirstTool + k), Owner::kTools, kToolsMenu});
  for (const Row& row : kBindableTail) t[n++] = Bindable(row);
  for (std::uint16_t k = 0; k < kRecentSlots; ++k)
    t[n++] = {.id = static_cast<std::uint16_t>(kFirstRecent + k), .owner = Owner::kDocuments};
  for (std::uint16_t k = 0; k < kBookmarkSlots; ++k)
    t[n++] = {.id = static_cast<std::uint16_t>(kFirstBookmark + k), .owner = Owner::kDocuments};
  for (const auto& [id, owner] : kUnbindable) t[n++] = {.id = id, .owner = owner};
  for (Command& command : t) {
    command.toggle = Contains(kToggles, command.id);
    command.ellipsis = Contains(kEllipsis, command.id);
  }
  return t;
}

constexpr Table kTable = Build();

constexpr int CountBindable() {
  int count = 0;
  for (const Command& command : kTable) count += command.bindable ? 1 : 0;
  return count;
}
static_assert(CountBindable() == kSlotCount);
static_assert(kTable[kFirstQuickTagSlot].id == kFirstQuickTag);
static_assert(kTable[kFirstToolSlot].id == kFirstTool);
static_assert(kTable[kSlotCount - 1].id == kFindInFiles);

}  // namespace

std::span<const Command> All() { return kTable; }

const Command* Find(std::uint16_t id) {
  for (const Command& command : kTable)
    if (command.id == id) return &command;
  return nullptr;
}

Owner OwnerOf(std::uint16_t id) {
  const Command* command = Find(id);
  return command ? command->owner : Owner::kNone;
}

bool IsKnown(std::uint16_t id) {
  switch (OwnerOf(id)) {
    case Owner::kNone:
    case Owner::kFolderTree:
    case Owner::kTagPanel:
    case Owner::kCount:
      return false;
    default:
      return true;
  }
}

bool HasEllipsis(std::uint16_t id) {
  const Command* command = Find(id);
  return command && command->ellipsis;
}

// The bindable rows come first in the table, in slot order.
const Command& Slot(int slot) { return kTable[static_cast<std::size_t>(slot)]; }

}  // namespace command_catalogue
