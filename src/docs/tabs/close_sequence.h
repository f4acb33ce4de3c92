#pragma once
// The repeated closes of Close all, Close others and Close to the right,
// over whatever holds the tabs.  A refused close (the user kept a modified
// document) ends Close all; in the other two the next repetition asks again
// for the tab at the same place, and the selected tab is never closed.
#include <cstdint>

class TabCloser {
 public:
  virtual ~TabCloser() = default;
  virtual std::int32_t Count() const = 0;
  virtual std::int32_t Selected() const = 0;
  // Closes the tab at index with its prompt; false when the user refused.
  virtual bool Close(std::int32_t index) = 0;
};

namespace close_sequence {

void CloseAll(TabCloser& tabs);
void CloseOthers(TabCloser& tabs);
void CloseToTheRight(TabCloser& tabs);

}  // namespace close_sequence
