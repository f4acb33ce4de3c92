#pragma once
// The text of a document copied for a snapshot, lines joined by line
// feeds.  On a large document one copy would hold up typing, so the copy
// goes in steps, each within a time budget, between which the
// user-interface thread takes its messages.  A change to the document
// between steps spoils the copy: the owner then starts again.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "editor/store/text_store.h"

class SnapshotText {
 public:
  using Clock = std::chrono::steady_clock;

  // Empties the copy and starts again at the first line.
  void Restart();
  // Copies on until the text is complete (true) or the budget is spent or
  // memory ran out (false; Failed() tells which).
  bool Continue(TextStore& store, Clock::duration budget);
  bool Complete() const { return complete_; }
  bool Failed() const { return failed_; }

  // The copied text in pieces, in order.
  std::vector<std::u16string_view> Pieces() const;
  std::size_t Size() const;

 private:
  struct Block {
    std::unique_ptr<char16_t[]> units;
    std::size_t used = 0;
  };
  bool Append(const char16_t* units, std::size_t count);

  std::vector<Block> blocks_;
  std::int32_t next_line_ = 0;
  bool complete_ = false;
  bool failed_ = false;
};
