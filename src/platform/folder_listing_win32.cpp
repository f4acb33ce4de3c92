#include <windows.h>

#include "platform/folder_listing.h"
#include "platform/wide_string.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 paths are passed to Windows as they are");

namespace {

std::u16string_view View(const wchar_t* text) {
  return std::u16string_view(reinterpret_cast<const char16_t*>(text));
}

// Closes the search however the listing ends.
class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

class Win32FolderListing : public FolderListing {
 public:
  bool List(std::u16string_view folder, const std::function<bool(const ListedEntry&)>& each) const override {
    WideString pattern;
    if (folder.empty() || !pattern.AssignJoined(folder, u"*")) return false;
    WIN32_FIND_DATAW found = {};
    // The standard information level is the one that fills the short alias.
    FindHandle search(FindFirstFileExW(reinterpret_cast<const wchar_t*>(pattern.Text()), FindExInfoStandard, &found,
                                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (search.Get() == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
      const std::u16string_view name = View(found.cFileName);
      if (name == u"." || name == u"..") continue;
      const ListedEntry entry{name, View(found.cAlternateFileName),
                              (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
      if (!each(entry)) break;
    } while (FindNextFileW(search.Get(), &found));
    return true;
  }
};

}  // namespace

const FolderListing& HostFolderListing() {
  static const Win32FolderListing listing;
  return listing;
}
