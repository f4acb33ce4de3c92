#pragma once
// Folders whose entries are set by hand, short aliases included: the file
// list's collection is tested against it.
#include <map>
#include <string>
#include <vector>

#include "platform/folder_listing.h"

class StandInFolderListing : public FolderListing {
 public:
  struct Entry {
    std::u16string name;
    std::u16string short_name;
    bool folder = false;
  };
  // A folder not in the map cannot be listed.
  std::map<std::u16string, std::vector<Entry>, std::less<>> folders;

  bool List(std::u16string_view folder, const std::function<bool(const ListedEntry&)>& each) const override {
    const auto found = folders.find(folder);
    if (found == folders.end()) return false;
    for (const Entry& entry : found->second)
      if (!each({entry.name, entry.short_name, entry.folder})) break;
    return true;
  }
};
