#pragma once
// The entries of one folder as the file system lists them, in its own
// order: each entry's long name, its short (8.3) alias when the system
// keeps one, and whether it is a folder.
#include <functional>
#include <string_view>

struct ListedEntry {
  std::u16string_view name;
  std::u16string_view short_name;  // empty when there is none
  bool folder = false;
};

class FolderListing {
 public:
  virtual ~FolderListing() = default;
  // Calls each for every entry of folder but "." and ".."; each returns
  // false to stop early.  False when the folder cannot be listed.
  virtual bool List(std::u16string_view folder, const std::function<bool(const ListedEntry&)>& each) const = 0;
};

// The running system's file system.
const FolderListing& HostFolderListing();
