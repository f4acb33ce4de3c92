#pragma once
// The lines of a document whose numbers are drawn on the marked-line
// background (its bookmarks). The editor does not shift them when lines are
// inserted or removed; the owner of the bookmarks does.
#include <cstdint>
#include <vector>

class MarkedLines {
 public:
  // Keeps ascending order, a repeated index after the equal ones. False when
  // memory ran out, the list then unchanged.
  bool Add(std::int32_t line);
  // Removes the first entry equal to line; false when there is none.
  bool Remove(std::int32_t line);
  void Clear() { lines_.clear(); }
  bool Contains(std::int32_t line) const;
  const std::vector<std::int32_t>& Lines() const { return lines_; }

 private:
  std::vector<std::int32_t> lines_;
};
