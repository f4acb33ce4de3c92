#pragma once
// How many lines have each width, so that the store finds the new longest
// width when the longest line shrinks or goes without walking every line.
// Built only when first needed and kept up to date from then on; any memory
// failure drops it, and the store walks the lines instead.
#include <cstdint>
#include <map>

class LineRecord;

class WidthHistogram {
 public:
  bool Valid() const { return valid_; }
  // Counts the widths of count lines linked from first on. False, and left
  // invalid, when memory runs out.
  bool Build(const LineRecord* first, std::int32_t count);
  void Invalidate();

  // One line more, one less, or one line changing width. Nothing happens
  // while invalid; a failed allocation invalidates.
  // (Inline so that a bulk load, which never builds it, pays one test.)
  void Add(std::int32_t width) {
    if (valid_) Count(width);
  }
  void Remove(std::int32_t width) {
    if (valid_) Uncount(width);
  }
  void Change(std::int32_t from, std::int32_t to) {
    if (valid_ && from != to) Move(from, to);
  }

  // The largest width any line has; 0 when there is none. Only while valid.
  std::int32_t Longest() const { return counts_.empty() ? 0 : counts_.rbegin()->first; }

 private:
  void Count(std::int32_t width);
  void Uncount(std::int32_t width);
  void Move(std::int32_t from, std::int32_t to);

  // Width to number of lines; no entry holds 0.
  std::map<std::int32_t, std::int32_t> counts_;
  bool valid_ = false;
};
