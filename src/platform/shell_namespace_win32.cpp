#include "platform/shell_namespace_win32.h"

#include <shlwapi.h>

#include "platform/com_pointer.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 names are passed to Windows as they are");

namespace shell_namespace {
namespace {

bool Assign(WideString& out, const wchar_t* text) { return out.Assign(reinterpret_cast<const char16_t*>(text)); }

bool NameIn(IShellFolder* folder, PCUITEMID_CHILD child, SHGDNF flags, WideString& name) {
  name.Clear();
  STRRET answer = {};
  if (FAILED(folder->GetDisplayNameOf(child, flags, &answer))) return false;
  wchar_t* text = nullptr;
  if (FAILED(StrRetToStrW(&answer, child, &text))) return false;
  const bool assigned = Assign(name, text);
  CoTaskMemFree(text);
  return assigned;
}

// The folder an identifier list names, bound on the calling thread.
bool Bind(PCIDLIST_ABSOLUTE list, ComPointer<IShellFolder>& folder) {
  ComPointer<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(desktop.Out()))) return false;
  if (ILIsEmpty(list)) return SUCCEEDED(desktop->QueryInterface(IID_IShellFolder, folder.OutVoid()));
  return SUCCEEDED(desktop->BindToObject(list, nullptr, IID_IShellFolder, folder.OutVoid()));
}

int IconIndex(LPCWSTR what, DWORD attributes, UINT flags) {
  SHFILEINFOW info = {};
  if (!SHGetFileInfoW(what, attributes, &info, sizeof info, flags | SHGFI_SYSICONINDEX | SHGFI_SMALLICON)) return 0;
  return info.iIcon;
}

}  // namespace

ItemList& ItemList::operator=(ItemList&& other) noexcept {
  if (this != &other) Reset(other.Release());
  return *this;
}

ItemList ItemList::Copy(PCIDLIST_ABSOLUTE list) { return ItemList(list ? ILCloneFull(list) : nullptr); }

ItemList ItemList::Desktop() { return OfSpecialFolder(CSIDL_DESKTOP); }

ItemList ItemList::OfSpecialFolder(int csidl) {
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list))) return ItemList();
  return ItemList(list);
}

ItemList ItemList::OfPath(std::u16string_view path) {
  WideString terminated;
  if (path.empty() || !terminated.Assign(path)) return ItemList();
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(SHParseDisplayName(reinterpret_cast<const wchar_t*>(terminated.Text()), nullptr, &list, 0, nullptr)))
    return ItemList();
  return ItemList(list);
}

ItemList ItemList::Parent() const {
  ItemList parent = Copy(list_);
  if (parent.Valid()) ILRemoveLastID(reinterpret_cast<PUIDLIST_RELATIVE>(parent.list_));
  return parent;
}

PIDLIST_ABSOLUTE ItemList::Release() {
  PIDLIST_ABSOLUTE list = list_;
  list_ = nullptr;
  return list;
}

void ItemList::Reset(PIDLIST_ABSOLUTE owned) {
  if (list_) ILFree(list_);
  list_ = owned;
}

bool Equal(PCIDLIST_ABSOLUTE a, PCIDLIST_ABSOLUTE b) { return a && b && ILIsEqual(a, b); }

FolderOrder::FolderOrder(PCIDLIST_ABSOLUTE folder) {
  ComPointer<IShellFolder> bound;
  if (folder && Bind(folder, bound)) bound->QueryInterface(IID_IShellFolder, reinterpret_cast<void**>(&folder_));
}

FolderOrder::~FolderOrder() {
  if (folder_) folder_->Release();
}

int FolderOrder::Compare(PCIDLIST_ABSOLUTE a, PCIDLIST_ABSOLUTE b) const {
  if (!folder_) return 0;
  const HRESULT result = folder_->CompareIDs(0, ILFindLastID(a), ILFindLastID(b));
  return FAILED(result) ? 0 : static_cast<short>(HRESULT_CODE(result));
}

bool PathOf(PCIDLIST_ABSOLUTE item, WideString& path) {
  path.Clear();
  wchar_t buffer[MAX_PATH] = {};
  return item && SHGetPathFromIDListW(item, buffer) && buffer[0] && Assign(path, buffer);
}

bool DisplayName(PCIDLIST_ABSOLUTE item, WideString& name) {
  name.Clear();
  ComPointer<IShellFolder> parent;
  PCUITEMID_CHILD last = nullptr;
  if (!item || FAILED(SHBindToParent(item, IID_IShellFolder, parent.OutVoid(), &last))) return false;
  return NameIn(parent.Get(), last, SHGDN_NORMAL, name);
}

SFGAOF Attributes(PCIDLIST_ABSOLUTE item, SFGAOF mask) {
  ComPointer<IShellFolder> parent;
  PCUITEMID_CHILD last = nullptr;
  if (!item || FAILED(SHBindToParent(item, IID_IShellFolder, parent.OutVoid(), &last))) return 0;
  SFGAOF attributes = mask;
  if (FAILED(parent->GetAttributesOf(1, &last, &attributes))) return 0;
  return attributes & mask;
}

bool ForEachFolder(PCIDLIST_ABSOLUTE folder, bool display_names, const std::function<bool(const Child&)>& each) {
  ComPointer<IShellFolder> bound;
  if (!folder || !Bind(folder, bound)) return false;
  ComPointer<IEnumIDList> items;
  const HRESULT enumerated = bound->EnumObjects(nullptr, SHCONTF_FOLDERS, items.Out());
  if (FAILED(enumerated)) return false;
  if (enumerated == S_FALSE || !items.Get()) return true;
  Child child;
  PITEMID_CHILD relative = nullptr;
  while (items->Next(1, &relative, nullptr) == S_OK) {
    child.relative = relative;
    child.attributes = kChildAttributes;
    if (FAILED(bound->GetAttributesOf(1, &child.relative, &child.attributes))) child.attributes = 0;
    NameIn(bound.Get(), relative, SHGDN_INFOLDER | SHGDN_FORPARSING, child.name);
    if (display_names) NameIn(bound.Get(), relative, SHGDN_NORMAL | SHGDN_INFOLDER, child.display_name);
    const bool more = each(child);
    CoTaskMemFree(relative);
    if (!more) break;
  }
  return true;
}

ItemList Combined(PCIDLIST_ABSOLUTE folder, PCUITEMID_CHILD child) { return ItemList(ILCombine(folder, child)); }

HIMAGELIST SmallIcons() {
  SHFILEINFOW info = {};
  return reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

int SmallIconIndex(PCIDLIST_ABSOLUTE item, bool open) {
  return IconIndex(reinterpret_cast<LPCWSTR>(item), 0, SHGFI_PIDL | (open ? SHGFI_OPENICON : 0));
}

int ExtensionIconIndex(std::u16string_view extension) {
  WideString name;
  if (!name.Assign(extension)) return 0;
  return IconIndex(reinterpret_cast<const wchar_t*>(name.Text()), FILE_ATTRIBUTE_NORMAL, SHGFI_USEFILEATTRIBUTES);
}

ULONG RegisterChanges(HWND window, UINT message, LONG events) {
  ItemList desktop = ItemList::Desktop();
  if (!desktop.Valid()) return 0;
  SHChangeNotifyEntry entry = {desktop.Get(), TRUE};
  return SHChangeNotifyRegister(window, SHCNRF_ShellLevel | SHCNRF_NewDelivery, events, message, 1, &entry);
}

void DeregisterChanges(ULONG registration) {
  if (registration) SHChangeNotifyDeregister(registration);
}

bool TakeChange(WPARAM wparam, LPARAM lparam, Change& change) {
  PIDLIST_ABSOLUTE* items = nullptr;
  LONG event = 0;
  HANDLE lock = SHChangeNotification_Lock(reinterpret_cast<HANDLE>(wparam), static_cast<DWORD>(lparam), &items, &event);
  if (!lock) return false;
  change.event = event;
  change.first = ItemList::Copy(items ? items[0] : nullptr);
  change.second = ItemList::Copy(items ? items[1] : nullptr);
  SHChangeNotification_Unlock(lock);
  return true;
}

}  // namespace shell_namespace
