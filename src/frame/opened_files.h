#pragma once
// The files opened from outside (command line, hand-over), in the order
// they were opened, with the one most recently asked for as the active one.
// A file is open at most once: its path is compared as the program compares
// all paths (equal length, ASCII letters without case).
#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/wide_string.h"

struct OpenedFile {
  WideString path;
};

class OpenedFiles {
 public:
  enum Result { kFailed = 0, kActivated = 1, kOpened = 2 };

  // Makes path the active file, adding it when it is not open yet.
  Result Open(std::u16string_view path);
  // Index of the file with this path, or -1.
  int Find(std::u16string_view path) const;

  std::size_t Count() const { return files_.size(); }
  const OpenedFile& At(std::size_t i) const { return files_[i]; }
  int Active() const { return active_; }
  // Makes file index the active one; false when there is no such file.
  bool Select(int index);

 private:
  std::vector<OpenedFile> files_;
  int active_ = -1;
};
