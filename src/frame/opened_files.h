#pragma once
// The files opened from outside (command line, hand-over, the previous
// run), each loaded with its encoding detected into a text store of its
// own, in the order they were opened, with the one most recently asked for
// as the active one.  A file is open at most once: its path is compared as
// the program compares all paths (equal length, ASCII letters without case).
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "docs/loaded_text.h"

class LineLayout;

class OpenedFiles {
 public:
  enum Result { kFailed = 0, kActivated = 1, kOpened = 2 };

  // Makes path the active file, loading it when it is not open yet with
  // automatic detection; every line is laid out unwrapped by layout.  A
  // missing file or one that cannot be read fails and changes nothing.
  Result Open(std::u16string_view path, LineLayout& layout);
  // Index of the file with this path, or -1.
  int Find(std::u16string_view path) const;

  std::size_t Count() const { return files_.size(); }
  const LoadedText& At(std::size_t i) const { return *files_[i]; }
  LoadedText& At(std::size_t i) { return *files_[i]; }
  int Active() const { return active_; }
  // Makes file index the active one; false when there is no such file.
  bool Select(int index);
  // Closes every file.
  void Clear();

 private:
  std::vector<std::unique_ptr<LoadedText>> files_;
  int active_ = -1;
};
