#pragma once
// The generated UTF-8 page loaded into a document, with a word added at its
// very end, for the search benchmarks.
#include <string_view>

#include "page_data.h"
#include "docs/document_opening.h"
#include "editor/control/document.h"

namespace bench {

inline bool LoadPageEndingWith(Document& document, std::u16string_view word) {
  const fs::path page = DataFolder() / "page_utf8.html";
  if (document_opening::LoadFile(document, page.u16string().c_str(), kAutoDetect) != kLoadedText) return false;
  document.Navigator().DocumentEnd();
  document.InsertText(word);
  return true;
}

}  // namespace bench
