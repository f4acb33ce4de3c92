#include "tools/file_browser/tree_commands.h"

#include "settings/menus/menu_tables.h"
#include "tools/file_browser/favourites.h"

namespace tree_commands {
namespace {

using namespace tree_rules;

int Allowed(bool allowed) { return allowed ? menu_tables::kEnabled : menu_tables::kGreyed; }

// The switch for reading (const settings) or toggling.
template <typename SettingsRecord>
auto FlagOf(const Target& target, SettingsRecord& settings) -> decltype(&settings.expand_desktop_root) {
  if (!target.exists) return nullptr;
  switch (target.type) {
    case kDesktopRoot:
      return &settings.expand_desktop_root;
    case kFavouritesRoot:
      return &settings.expand_favourites_root;
    case kFavourite: {
      const std::size_t index = favourites::IndexOf(settings.favourite_folders, target.path);
      return index == favourites::kNone ? nullptr : &settings.favourite_folders[index].expand_at_start;
    }
    default:
      return nullptr;
  }
}

}  // namespace

std::array<int, kCount> States(const Target& target, const Settings& settings) {
  if (!target.exists) return {menu_tables::kGreyed, menu_tables::kGreyed, menu_tables::kGreyed, menu_tables::kGreyed,
                              menu_tables::kGreyed};
  const bool file_system_folder =
      target.type != kFavouritesRoot && target.kind == kFileSystemFolder && !target.path.empty();
  const bool favourite = target.type == kFavourite ||
                         (!target.path.empty() && favourites::IndexOf(settings.favourite_folders, target.path) !=
                                                      favourites::kNone);
  const bool* flag = FlagOf(target, settings);
  int expand = Allowed(flag != nullptr);
  if (flag && *flag) expand |= menu_tables::kChecked;
  return {Allowed(file_system_folder && !favourite), Allowed(target.type == kFavourite), expand,
          Allowed(file_system_folder), Allowed(target.type != kFavouritesRoot)};
}

bool* ExpandAtStart(const Target& target, Settings& settings) { return FlagOf(target, settings); }

}  // namespace tree_commands
