#pragma once
// The folder tree's context-menu commands as far as they need
// no window: which of them a node allows, and which switch "expand at
// start" stands for on each kind of node.
#include <array>
#include <cstdint>
#include <string_view>

#include "commands/command_ids.h"
#include "settings/settings.h"
#include "tools/file_browser/tree_rules.h"

namespace tree_commands {

inline constexpr int kCount = command_ids::kExplore - command_ids::kAddFavourite + 1;

// The node a command is for; path empty when it has none in the file
// system.
struct Target {
  bool exists = false;
  tree_rules::NodeType type = tree_rules::kOtherNode;
  tree_rules::NodeKind kind = tree_rules::kFileSystemFolder;
  std::u16string_view path;
};

// The menu states of 5700..5704 in order (menu_tables' enabled, greyed and
// checked bits).
std::array<int, kCount> States(const Target& target, const Settings& settings);

// The expand-at-start switch of the node: entry 11, entry 12 or the
// favourite's own flag; null for other nodes.
bool* ExpandAtStart(const Target& target, Settings& settings);

}  // namespace tree_commands
