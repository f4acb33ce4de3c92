#include "tools/tag_library.h"

#include "platform/heap_object.h"

TagFolder* CreateTagFolder() { return heap::New<TagFolder>(heap::Kind::Process); }
TagEntry* CreateTagEntry() { return heap::New<TagEntry>(heap::Kind::Process); }
void DestroyTagFolder(TagFolder* folder) { heap::Delete(heap::Kind::Process, folder); }
void DestroyTagEntry(TagEntry* entry) { heap::Delete(heap::Kind::Process, entry); }

bool TagLibrary::AppendFolder(TagFolder* folder) {
  auto* link = static_cast<TagFolderLink*>(heap::Allocate(heap::Kind::Private, sizeof(TagFolderLink)));
  if (!link) {
    DestroyTagFolder(folder);
    return false;
  }
  link->folder = folder;
  (last_folder_ ? last_folder_->next : first_) = link;
  last_folder_ = link;
  last_tag_ = nullptr;
  return true;
}

bool TagLibrary::AppendTag(TagEntry* entry) {
  auto* link = last_folder_ ? static_cast<TagEntryLink*>(heap::Allocate(heap::Kind::Private, sizeof(TagEntryLink)))
                            : nullptr;
  if (!link) {
    DestroyTagEntry(entry);
    return false;
  }
  link->entry = entry;
  (last_tag_ ? last_tag_->next : last_folder_->tags) = link;
  last_tag_ = link;
  return true;
}

void TagLibrary::Clear() {
  for (TagFolderLink* folder = first_; folder;) {
    for (TagEntryLink* tag = folder->tags; tag;) {
      TagEntryLink* next = tag->next;
      DestroyTagEntry(tag->entry);
      heap::Free(heap::Kind::Private, tag);
      tag = next;
    }
    TagFolderLink* next = folder->next;
    DestroyTagFolder(folder->folder);
    heap::Free(heap::Kind::Private, folder);
    folder = next;
  }
  first_ = last_folder_ = nullptr;
  last_tag_ = nullptr;
}

const TagFolder* LinkedLibraryWalk::NextFolder(bool& expanded) {
  // A folder the panel has taken over is no longer the library's.
  while (next_folder_ && !next_folder_->folder) next_folder_ = next_folder_->next;
  if (!next_folder_) return nullptr;
  const TagFolderLink* link = next_folder_;
  next_folder_ = link->next;
  next_tag_ = link->tags;
  expanded = link->folder->expanded;
  return link->folder;
}

const TagEntry* LinkedLibraryWalk::NextTag() {
  while (next_tag_ && !next_tag_->entry) next_tag_ = next_tag_->next;
  if (!next_tag_) return nullptr;
  const TagEntry* entry = next_tag_->entry;
  next_tag_ = next_tag_->next;
  return entry;
}
