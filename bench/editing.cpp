// Typing and undo in a large document. Prints key=value lines:
// typing_end_vs_start is the time per character of the last 100,000 of a
// million characters typed one at a time at one place in the document
// over that of the first 100,000 (1 = no slower at the end);
// undo_redo_100k_vs_10k is the time per step of undoing and redoing 100,000
// edits over that of 10,000 (1 = linear).
// Usage: bench_editing [megabytes]  (100 by default)
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "editor/document_editor.h"
#include "editor/metrics_line_layout.h"
#include "platform/fixed_text_measurer.h"

namespace {

class QuietParent : public EditorParent {
 public:
  void Notify(EditorNotify, std::int32_t, std::int32_t) override {}
};

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Types count characters at the caret: words, spaces and a line break
// every 60 characters, as a user would.
double Type(DocumentEditor& editor, std::int32_t count, std::int32_t& typed) {
  static const char16_t kWords[] = u"the quick brown fox jumps over the lazy dog <p class=\"x\">";
  const auto start = std::chrono::steady_clock::now();
  for (std::int32_t i = 0; i < count; ++i, ++typed) {
    const char16_t unit = typed % 60 == 59 ? u'\n' : kWords[typed % (sizeof kWords / 2 - 1)];
    if (editor.InsertUnit(unit, RecordMode::Record) < 0) std::exit(1);
  }
  return Seconds(start) / count;
}

double UndoRedo(DocumentEditor& editor, std::int32_t steps) {
  const auto start = std::chrono::steady_clock::now();
  for (std::int32_t i = 0; i < steps; ++i) {
    if (!editor.Undo()) std::exit(1);
  }
  for (std::int32_t i = 0; i < steps; ++i) {
    if (!editor.Redo()) std::exit(1);
  }
  return Seconds(start) / steps;
}

}  // namespace

int main(int argc, char** argv) {
  const std::int64_t megabytes = argc > 1 ? std::atoi(argv[1]) : 100;
  TextMetrics metrics(std::make_unique<platform::FixedTextMeasurer>());
  if (!metrics.RebuildFonts()) return 1;
  MetricsLineLayout line_layout(metrics);
  TextStore store(line_layout, 0);
  DocumentLayout layout(store, metrics, false);
  QuietParent parent;
  DocumentEditor editor(store, layout, parent, nullptr);
  if (!store.Valid()) return 1;

  const std::u16string line = u"  <li><a href=\"/page.html\">A link to a page</a> and some text</li>";
  const std::int64_t lines = megabytes * 1024 * 1024 / (2 * std::int64_t(line.size() + 1));
  for (std::int64_t i = 0; i < lines; ++i) {
    if (!store.AppendToLastLine(line.data(), std::int32_t(line.size()))) return 1;
    if (i + 1 < lines && !store.EndLastLine()) return 1;
  }
  store.FinishLoading();

  const auto middle = static_cast<std::int32_t>(lines / 2);
  editor.CaretTo(editor.At(middle, 10));
  constexpr std::int32_t kTyped = 1000000;
  constexpr std::int32_t kSample = 100000;
  std::int32_t typed = 0;
  const double start_per_char = Type(editor, kSample, typed);
  Type(editor, kTyped - 2 * kSample, typed);
  const double end_per_char = Type(editor, kSample, typed);

  const double per_step_10k = UndoRedo(editor, 10000);
  const double per_step_100k = UndoRedo(editor, 100000);

  std::printf("document_lines=%lld\n", static_cast<long long>(lines));
  std::printf("typing_start_ns_per_char=%.0f\n", start_per_char * 1e9);
  std::printf("typing_end_ns_per_char=%.0f\n", end_per_char * 1e9);
  std::printf("typing_end_vs_start=%.3f\n", end_per_char / start_per_char);
  std::printf("undo_redo_ns_per_step=%.0f\n", per_step_100k * 1e9);
  std::printf("undo_redo_100k_vs_10k=%.3f\n", per_step_100k / per_step_10k);
  return 0;
}
