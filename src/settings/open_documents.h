#pragma once
// The open documents kept for the next run (entries 297 to 336 and 353):
// taken from the tabs at shutdown, handed back to start-up for reopening.
#include <cstdint>
#include <span>
#include <string_view>

#include "settings/settings.h"

// What the snapshot needs of one tab, in tab order.
struct TabForSnapshot {
  std::u16string_view path;  // empty for an untitled document
  std::int32_t caret_line = 0;
  std::uint64_t activation_stamp = 0;  // highest: the active tab
};

// Slot k describes tab k, for the first 20 tabs; the active tab is the one
// activated last.  Leaves `snapshot` untouched when the strings cannot be
// copied.
bool TakeOpenDocumentsSnapshot(std::span<const TabForSnapshot> tabs, OpenDocumentsSnapshot& snapshot);

// The tab to select after reopening: the stored active tab when it is one
// of the `tab_count` tabs, otherwise -1 (keep the selection as it is).
int ActiveTabToSelect(const OpenDocumentsSnapshot& snapshot, int tab_count);
