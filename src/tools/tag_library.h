#pragma once
// The tag library: folders of reusable start/end tag pairs.  Folders and
// tags live on the process heap because the tag panel's tree nodes take
// them over; while a file is read they are strung on links from the
// private heap, which go once the panel has its nodes.
#include <cstdint>

#include "platform/wide_string.h"

struct TagFolder {
  WideString name;  // never holds a line break
  bool expanded = false;
};

struct TagEntry {
  WideString name;   // never holds a line break
  WideString start;  // inserted before the selection; line breaks as LF
  WideString end;    // inserted after the selection; line breaks as LF
  WideString note;   // the node's tip; line breaks as CR LF
  std::int32_t move = 0;  // caret offset after insertion
};

// A zero-filled folder or tag from the process heap; null when memory is
// short.  Whoever holds one frees it with the matching Destroy.
TagFolder* CreateTagFolder();
TagEntry* CreateTagEntry();
void DestroyTagFolder(TagFolder* folder);
void DestroyTagEntry(TagEntry* entry);

struct TagEntryLink {
  TagEntryLink* next;
  TagEntry* entry;
};

struct TagFolderLink {
  TagFolderLink* next;
  TagFolder* folder;
  TagEntryLink* tags;
};

// The library in file order.  A taker (the panel) clears a link's folder
// or entry pointer to take that record over; the library frees the rest.
class TagLibrary {
 public:
  TagLibrary() = default;
  TagLibrary(const TagLibrary&) = delete;
  TagLibrary& operator=(const TagLibrary&) = delete;
  ~TagLibrary() { Clear(); }

  TagFolderLink* Folders() const { return first_; }

  // Takes the record over and appends it (a tag to the last folder); when
  // no link can be had, or there is no folder for a tag, the record is
  // freed and the answer is false.
  bool AppendFolder(TagFolder* folder);
  bool AppendTag(TagEntry* entry);

  // Frees every link and every record still held.
  void Clear();

 private:
  TagFolderLink* first_ = nullptr;
  TagFolderLink* last_folder_ = nullptr;
  TagEntryLink* last_tag_ = nullptr;
};

// The library as the writer sees it: folders in display order, each with
// its tags; the panel walks its tree, tests and tools walk a TagLibrary.
class TagLibraryWalk {
 public:
  virtual ~TagLibraryWalk() = default;
  // The next folder and whether it is open now; null after the last.
  virtual const TagFolder* NextFolder(bool& expanded) = 0;
  // The next tag of the folder last returned; null after its last.
  virtual const TagEntry* NextTag() = 0;
};

// Walks the links; a folder is open as its expanded flag says.
class LinkedLibraryWalk final : public TagLibraryWalk {
 public:
  explicit LinkedLibraryWalk(const TagLibrary& library) : next_folder_(library.Folders()) {}
  const TagFolder* NextFolder(bool& expanded) override;
  const TagEntry* NextTag() override;

 private:
  const TagFolderLink* next_folder_;
  const TagEntryLink* next_tag_ = nullptr;
};
