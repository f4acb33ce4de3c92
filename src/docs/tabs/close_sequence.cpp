#include "docs/tabs/close_sequence.h"

namespace close_sequence {

void CloseAll(TabCloser& tabs) {
  for (std::int32_t round = tabs.Count(); round > 0; --round)
    if (!tabs.Close(tabs.Selected())) return;
}

void CloseToTheRight(TabCloser& tabs) {
  // Counted from the selected tab, not from the count of all tabs, so that
  // the repetitions never run past the last tab.
  for (std::int32_t round = tabs.Count() - 1 - tabs.Selected(); round > 0; --round) {
    const std::int32_t next = tabs.Selected() + 1;
    if (next >= tabs.Count()) return;
    tabs.Close(next);
  }
}

void CloseOthers(TabCloser& tabs) {
  // The tabs to the left: as many rounds as there were, each at the first
  // place; a refused one stays left of the selected tab, which therefore
  // never comes to the first place while rounds remain.
  for (std::int32_t round = tabs.Selected(); round > 0; --round) {
    if (tabs.Selected() == 0) break;
    tabs.Close(0);
  }
  CloseToTheRight(tabs);
}

}  // namespace close_sequence
