#include "frame/opened_files.h"

#include <new>
#include <utility>

#include "docs/text_file_loader.h"
#include "platform/path_text.h"

int OpenedFiles::Find(std::u16string_view path) const {
  for (std::size_t i = 0; i < files_.size(); ++i)
    if (path_text::SameName(files_[i]->path.View(), path)) return static_cast<int>(i);
  return -1;
}

OpenedFiles::Result OpenedFiles::Open(std::u16string_view path, LineLayout& layout) {
  if (path.empty()) return kFailed;
  const int existing = Find(path);
  if (existing >= 0) {
    active_ = existing;
    return kActivated;
  }
  WideString terminated;
  if (!terminated.Assign(path)) return kFailed;
  std::unique_ptr<LoadedText> text(new (std::nothrow) LoadedText(layout, 0));
  if (!text || !text->store.Valid()) return kFailed;
  const LoadResult loaded = LoadIntoDocument(*text, terminated.Text(), kAutoDetect);
  // A file that is not there has no write time; opening it from outside
  // is a failure, not a new empty document.
  if (loaded == kLoadFailed || (loaded == kLoadedEmpty && text->last_write_time == 0)) return kFailed;
  try {
    files_.push_back(std::move(text));
  } catch (const std::bad_alloc&) {
    return kFailed;
  }
  active_ = static_cast<int>(files_.size() - 1);
  return kOpened;
}

bool OpenedFiles::Select(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= files_.size()) return false;
  active_ = index;
  return true;
}

void OpenedFiles::Clear() {
  files_.clear();
  active_ = -1;
}
