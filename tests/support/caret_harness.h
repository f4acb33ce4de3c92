#pragma once
// A document with a caret for movement and typing tests: the real layout
// over the fixed-width measuring stand-in (7 pixels a narrow unit, 14 a
// wide one, tabs of 28, rows 14 pixels apart), a view that records what the
// control would be asked to do and scrolls within the scroll bars' ranges,
// and keys written as words ("Down S-Right C-End").
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/input/caret_navigator.h"
#include "editor/layout/metrics_line_layout.h"
#include "support/editor_harness.h"
#include "support/store_text.h"

class RecordingCaretView : public CaretView, public EditorView {
 public:
  RecordingCaretView(TextStore& store, DocumentLayout& layout, TextMetrics& metrics)
      : store_(store), layout_(layout), metrics_(metrics) {}
  void Attach(CaretNavigator& navigator) { navigator_ = &navigator; }

  void InvalidateRows(std::int32_t first, std::int32_t last) override;
  void RepaintMargin() override { ++margin_repaints; }
  void PlaceCaret(const CaretPlacement& placement) override;
  bool ScrollTo(std::int32_t first_visible_row, std::int32_t horizontal_column) override;
  void RedrawFrom(std::int32_t first_visible_row) override;
  void ClearTagPairHighlight() override {}
  void Refresh(std::int32_t from_line, std::int32_t margin_columns) override;

  // The highest first row and column the scroll bars allow.
  std::int32_t LastFirstRow() const;
  std::int32_t LastColumn() const;
  void Forget();

  std::vector<std::pair<std::int32_t, std::int32_t>> invalidated;
  std::int32_t margin_repaints = 0;
  std::int32_t scrolls = 0;
  std::int32_t redraws = 0;
  std::vector<CaretPlacement> placements;

 private:
  TextStore& store_;
  DocumentLayout& layout_;
  TextMetrics& metrics_;
  CaretNavigator* navigator_ = nullptr;
};

class CaretHarness {
 public:
  static constexpr std::int32_t kPitch = 14;
  static constexpr std::int32_t kMargin = 3 * 7 + 10;

  // A text area of text_width pixels (wrapped when wrap is set) and rows
  // visible rows.
  CaretHarness(std::int32_t text_width, std::int32_t rows, bool wrap);

  // Text with | for the caret and ^ for the anchor (editor_harness.h).
  void Load(std::string_view marked);
  // Presses the keys, separated by spaces: Up Down Left Right Home End PgUp
  // PgDn, S- for Shift; C-Home and C-End are the document commands. False
  // on an unknown key.
  bool Press(std::string_view keys);
  std::string Marked();
  const TextPosition& Caret() const { return store.Selection().caret; }

  std::unique_ptr<TextMetrics> metrics;
  MetricsLineLayout line_layout;
  TextStore store;
  DocumentLayout layout;
  NotificationLog log;
  RecordingCaretView view;
  DocumentEditor editor;
  CaretNavigator navigator;
};
