#pragma once
// What the editing benchmarks share: a clock, and a document over the
// headless measurer held as the editor control holds one, filled with
// repeated lines the way a load fills it.
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "best_time.h"
#include "editor/editing/document_editor.h"
#include "editor/layout/metrics_line_layout.h"
#include "platform/fixed_text_measurer.h"

namespace bench {


class QuietParent : public EditorParent {
 public:
  void Notify(EditorNotify, std::int32_t, std::int32_t) override {}
};

struct Document {
  explicit Document(bool wrapped) : layout(store, metrics, wrapped) {}
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  bool Valid() const { return fonts_built && store.Valid(); }

  // Appends line_count lines, taking the samples in turn.
  bool Fill(std::int64_t line_count, const std::u16string* samples, std::int32_t sample_count) {
    for (std::int64_t i = 0; i < line_count; ++i) {
      const std::u16string& text = samples[i % sample_count];
      if (!store.AppendToLastLine(text.data(), static_cast<std::int32_t>(text.size()))) return false;
      if (i + 1 < line_count && !store.EndLastLine()) return false;
    }
    store.FinishLoading();
    return true;
  }

  TextMetrics metrics{std::make_unique<platform::FixedTextMeasurer>()};
  // Fonts first: the store lays its first line out as it is made.
  bool fonts_built = metrics.RebuildFonts();
  MetricsLineLayout line_layout{metrics};
  TextStore store{line_layout, 0};
  DocumentLayout layout;
  QuietParent parent;
  DocumentEditor editor{store, layout, parent, nullptr};
};

}  // namespace bench
