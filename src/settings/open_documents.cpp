#include "settings/open_documents.h"

bool TakeOpenDocumentsSnapshot(std::span<const TabForSnapshot> tabs, OpenDocumentsSnapshot& snapshot) {
  OpenDocumentsSnapshot taken;
  std::uint64_t latest = 0;
  for (std::size_t k = 0; k < tabs.size(); ++k) {
    if (k < OpenDocumentsSnapshot::kSlots && !tabs[k].path.empty()) {
      if (!taken.documents[k].path.Assign(tabs[k].path)) return false;
      taken.documents[k].line = tabs[k].caret_line;
    }
    if (k == 0 || tabs[k].activation_stamp > latest) {
      latest = tabs[k].activation_stamp;
      taken.active_tab = static_cast<std::int32_t>(k);
    }
  }
  snapshot = std::move(taken);
  return true;
}

int ActiveTabToSelect(const OpenDocumentsSnapshot& snapshot, int tab_count) {
  return snapshot.active_tab >= 0 && snapshot.active_tab < tab_count ? snapshot.active_tab : -1;
}
