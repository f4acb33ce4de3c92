#pragma once
// The shell's namespace as the folder tree meets it (Windows only): item
// identifier lists and their paths, names, attributes, icons and order,
// the folders inside a folder, and change notifications.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <functional>
#include <string_view>

#include "platform/wide_string.h"

namespace shell_namespace {

// An absolute item identifier list, freed with its owner.
class ItemList {
 public:
  ItemList() = default;
  explicit ItemList(PIDLIST_ABSOLUTE owned) : list_(owned) {}
  ~ItemList() { Reset(); }
  ItemList(ItemList&& other) noexcept : list_(other.Release()) {}
  ItemList& operator=(ItemList&& other) noexcept;
  ItemList(const ItemList&) = delete;
  ItemList& operator=(const ItemList&) = delete;

  static ItemList Copy(PCIDLIST_ABSOLUTE list);
  static ItemList Desktop();
  static ItemList OfSpecialFolder(int csidl);
  static ItemList OfPath(std::u16string_view path);
  // A copy without the last item: the folder that holds this one.
  ItemList Parent() const;

  PCIDLIST_ABSOLUTE Get() const { return list_; }
  bool Valid() const { return list_ != nullptr; }
  PIDLIST_ABSOLUTE Release();
  void Reset(PIDLIST_ABSOLUTE owned = nullptr);

 private:
  PIDLIST_ABSOLUTE list_ = nullptr;
};

// The desktop folder's own judgement of equal items.
bool Equal(PCIDLIST_ABSOLUTE a, PCIDLIST_ABSOLUTE b);

// The order a folder gives its own items, the folder bound once for all
// the comparisons of a sort.
class FolderOrder {
 public:
  explicit FolderOrder(PCIDLIST_ABSOLUTE folder);
  ~FolderOrder();
  FolderOrder(const FolderOrder&) = delete;
  FolderOrder& operator=(const FolderOrder&) = delete;
  // a and b are items of the folder.
  int Compare(PCIDLIST_ABSOLUTE a, PCIDLIST_ABSOLUTE b) const;

 private:
  IShellFolder* folder_ = nullptr;
};

// The item's file-system path; false (path empty) when it has none.
bool PathOf(PCIDLIST_ABSOLUTE item, WideString& path);
bool DisplayName(PCIDLIST_ABSOLUTE item, WideString& name);
// The attributes of mask that the item's folder grants it.
SFGAOF Attributes(PCIDLIST_ABSOLUTE item, SFGAOF mask);

// What a folder's enumeration gives for each of its folders.
inline constexpr SFGAOF kChildAttributes = SFGAO_FILESYSTEM | SFGAO_FOLDER | SFGAO_STREAM | SFGAO_SHARE | SFGAO_GHOSTED;
struct Child {
  PCUITEMID_CHILD relative = nullptr;
  SFGAOF attributes = 0;
  WideString name;          // the name in its folder, as parsed (extension included)
  WideString display_name;  // only when asked for
};
// Calls each for every folder the shell shows in folder (each returns false
// to stop); false when the folder cannot be bound or enumerated.  The
// child's identifier lives only during the call; Combined makes it whole.
bool ForEachFolder(PCIDLIST_ABSOLUTE folder, bool display_names, const std::function<bool(const Child&)>& each);
ItemList Combined(PCIDLIST_ABSOLUTE folder, PCUITEMID_CHILD child);

// The system's small-icon list and indexes into it.
HIMAGELIST SmallIcons();
int SmallIconIndex(PCIDLIST_ABSOLUTE item, bool open);
// The icon files of an extension get, without touching the disk.
int ExtensionIconIndex(std::u16string_view extension);

// Shell-level change events of the whole namespace, delivered to window
// as message; 0 when the registration failed.
ULONG RegisterChanges(HWND window, UINT message, LONG events);
void DeregisterChanges(ULONG registration);
// One delivered change: the event and copies of its two items (either may
// be missing), the shell's memory given back at once.
struct Change {
  LONG event = 0;
  ItemList first;
  ItemList second;
};
bool TakeChange(WPARAM wparam, LPARAM lparam, Change& change);

}  // namespace shell_namespace
