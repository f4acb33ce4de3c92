#pragma once
// A file loaded into a document of its own as the program loads it, over
// the headless measurer, for the benchmarks that write a loaded document
// out again.
#include <cstdio>
#include <filesystem>
#include <memory>

#include "docs/document_opening.h"
#include "editor/control/document_set.h"
#include "platform/fixed_text_measurer.h"

namespace bench {

class LoadedFile {
 public:
  // False, with "NAME.load=fail" printed, when the file could not be loaded.
  bool Load(const char* name, const std::filesystem::path& path) {
    const bool loaded = fonts_built_ &&
                        document_opening::LoadFile(document_, path.u16string().c_str(), kAutoDetect) == kLoadedText;
    if (!loaded) std::printf("%s.load=fail\n", name);
    return loaded;
  }
  Document& document() { return document_; }

 private:
  DocumentSet set_{std::make_unique<platform::FixedTextMeasurer>()};
  // Fonts first: the document lays its first line out as it is made.
  bool fonts_built_ = set_.EnsureFonts();
  Document document_{set_.Metrics(), set_.Settings()};
};

}  // namespace bench
