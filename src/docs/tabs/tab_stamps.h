#pragma once
// Activation stamps of the tabs, parallel to the tab items: a tab takes the
// next stamp when it is made, activated or dragged to a new place, so that
// after a close the most recently used remaining tab can be found.
#include <cstdint>
#include <vector>

class TabStamps {
 public:
  std::int32_t Count() const { return static_cast<std::int32_t>(stamps_.size()); }
  std::uint32_t At(std::int32_t index) const { return stamps_[static_cast<std::size_t>(index)]; }
  // A new tab at index (0 .. Count()) with a fresh stamp; false on memory
  // failure, nothing changed.
  bool Insert(std::int32_t index);
  // A fresh stamp for the tab at index; nothing outside the range.
  void Renew(std::int32_t index);
  void Remove(std::int32_t index);
  // The tab at from now stands at to, the ones between shift by one.
  void Move(std::int32_t from, std::int32_t to);
  // The index with the highest stamp; -1 when there are no tabs.
  std::int32_t MostRecent() const;
  // No tabs, and the counter starts at 0 again.
  void Reset();

 private:
  std::vector<std::uint32_t> stamps_;
  std::uint32_t next_ = 0;
};
