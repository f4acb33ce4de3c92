#include "frame/opened_files.h"

#include <new>
#include <utility>

#include "platform/path_text.h"

int OpenedFiles::Find(std::u16string_view path) const {
  for (std::size_t i = 0; i < files_.size(); ++i)
    if (path_text::SameName(files_[i].path.View(), path)) return static_cast<int>(i);
  return -1;
}

OpenedFiles::Result OpenedFiles::Open(std::u16string_view path) {
  if (path.empty()) return kFailed;
  const int existing = Find(path);
  if (existing >= 0) {
    active_ = existing;
    return kActivated;
  }
  OpenedFile file;
  if (!file.path.Assign(path)) return kFailed;
  try {
    files_.push_back(std::move(file));
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
