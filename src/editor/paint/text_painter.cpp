#include "editor/paint/text_painter.h"

#include <algorithm>

#include "editor/paint/colour_checkpoints.h"
#include "editor/layout/document_layout.h"
#include "editor/paint/margin_painting.h"
#include "editor/paint/marked_lines.h"
#include "editor/paint/syntax_colouring.h"
#include "editor/paint/text_run_builder.h"
#include "editor/store/text_store.h"
#include "editor/paint/unit_marks.h"

namespace text_painter {
namespace {

constexpr char16_t kEof[] = u"[EOF]";

bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

class Painter {
 public:
  Painter(Canvas& canvas, TextMetrics& metrics, const PaintStyle& style, const PaintedDocument& document,
          const PaintView& view)
      : canvas_(canvas),
        metrics_(metrics),
        style_(style),
        colours_(style.colours),
        document_(document),
        view_(view),
        pitch_(std::max<std::int32_t>(1, metrics.LinePitch())),
        step_(syntax_colouring::StepOf(document.mode)),
        highlighter_(document.highlights),
        runs_(canvas) {}

  void PaintAll(ColourCheckpoints* checkpoints);
  void PaintMarginOnly();

 private:
  struct Row {
    LineRecord* line;
    std::int32_t line_index;
    std::int32_t row_in_line;
    std::int32_t y;
    bool last_of_document;
  };

  template <class RowAction>
  void ForEachVisibleRow(RowAction&& action);
  // Colours the unit at index and returns how it is drawn.
  TextStyle Step(std::int32_t index);
  void StartLine(LineRecord& line, std::int32_t line_index);
  // Draws units [begin, end) of the current line on the row at y; returns
  // the pen after them.
  std::int32_t PaintUnits(std::int32_t begin, std::int32_t end, std::int32_t y);
  std::int32_t Advance(UnitInfo unit, std::int32_t pen, std::int32_t origin) const;
  void FinishRow(const Row& row, std::int32_t pen);
  void DrawMargin(const Row& row);
  void DrawEof(std::int32_t pen, std::int32_t y);
  void Fill(CanvasRect rect, Colour colour) {
    rect.right = std::min(rect.right, view_.client_width);
    if (!rect.Empty()) canvas_.FillRect(rect, colour);
  }

  Canvas& canvas_;
  TextMetrics& metrics_;
  const PaintStyle& style_;
  const EditorColours& colours_;
  const PaintedDocument& document_;
  const PaintView& view_;
  const std::int32_t pitch_;
  const syntax_colouring::StepFunction step_;
  SyntaxState state_;
  LineHighlighter highlighter_;
  LineUnits units_{nullptr, 0};
  TextRunBuilder runs_;
  bool ended_inside_view_ = false;
  std::int32_t end_y_ = kTopMargin;
};

template <class RowAction>
void Painter::ForEachVisibleRow(RowAction&& action) {
  TextStore& store = document_.store;
  const std::int32_t capacity = (view_.client_height + pitch_ - 3) / pitch_;
  const std::int32_t total = view_.wrapped ? store.TotalRows() : store.LineCount();
  const std::int64_t left = static_cast<std::int64_t>(total) - view_.first_display_row;
  const std::int32_t rows = static_cast<std::int32_t>(std::clamp<std::int64_t>(left, 0, std::max(0, capacity)));
  ended_inside_view_ = left <= capacity;
  end_y_ = kTopMargin;

  std::int32_t line_index = view_.first_line;
  std::int32_t row_in_line = view_.wrapped ? view_.first_row_in_line : 0;
  LineRecord* line = store.Line(line_index);
  for (std::int32_t n = 0; n < rows && line; ++n) {
    const bool last_of_line = !view_.wrapped || row_in_line + 1 >= line->RowCount();
    action(Row{line, line_index, row_in_line, end_y_, ended_inside_view_ && n + 1 == rows}, last_of_line);
    end_y_ += pitch_;
    if (last_of_line) {
      ++line_index;
      row_in_line = 0;
      line = line_index < store.LineCount() ? line->Next() : nullptr;
    } else {
      ++row_in_line;
    }
  }
}

TextStyle Painter::Step(std::int32_t index) {
  step_(state_, units_, index);
  const int background = highlighter_.BackgroundSlot(index);
  const int text = background == kSlotSelection ? int{kSlotSelectionText} : int{state_.colour};
  return {colours_[text], colours_[background], style_.bold_tags && state_.bold};
}

void Painter::StartLine(LineRecord& line, std::int32_t line_index) {
  units_ = {line.MakeContiguous(), line.Length()};
  highlighter_.StartLine(line_index, units_);
}

std::int32_t Painter::Advance(UnitInfo unit, std::int32_t pen, std::int32_t origin) const {
  if (unit.char_class == CharClass::LineFeed) return TextMetrics::kLineFeedMarkWidth;
  // Tab stops count from the line start (or the row start when wrapped).
  const std::int32_t x = pen - origin;
  return text_advance::After(unit, x, std::max<std::int32_t>(1, metrics_.TabPixels())) - x;
}

std::int32_t Painter::PaintUnits(std::int32_t begin, std::int32_t end, std::int32_t y) {
  const std::int32_t margin = view_.margin_width;
  const std::int32_t origin = view_.wrapped ? margin : margin - view_.horizontal_scroll_pixels;
  const std::int32_t text_height = metrics_.TextHeight();
  const Colour mark_colour = colours_[kSlotMarks];
  // Scrolled sideways, units that end left of the text area are coloured
  // but not drawn.
  bool hidden_left = !view_.wrapped && view_.horizontal_scroll_pixels > 0;
  bool clipped = false;
  bool pair_open = false;
  std::int32_t pen = origin;
  for (std::int32_t i = begin; i < end; ++i) {
    const TextStyle style = Step(i);
    const char16_t unit = units_.units[i];
    if (pair_open) {
      pair_open = false;
      if (IsLowSurrogate(unit)) {
        runs_.Extend(0);
        continue;
      }
    }
    if (clipped) continue;
    const UnitInfo measure = metrics_.Measure(unit, units_.At(i + 1));
    const std::int32_t advance = Advance(measure, pen, origin);
    if (hidden_left) {
      if (pen + advance <= margin) {
        pen += advance;
        continue;
      }
      hidden_left = false;
    }
    if (pen >= view_.client_width) {
      clipped = true;
      continue;
    }
    switch (measure.char_class) {
      case CharClass::LineFeed:
        runs_.Flush();
        Fill({pen, y, pen + advance, y + pitch_}, style.background);
        unit_marks::DrawLineEnd(canvas_, pen, y, document_.line_break_style, mark_colour);
        break;
      case CharClass::Tab:
        runs_.Flush();
        Fill({pen, y, pen + advance, y + pitch_}, style.background);
        unit_marks::DrawTab(canvas_, pen, y, text_height, mark_colour);
        break;
      case CharClass::FullWidthSpace:
        runs_.Flush();
        Fill({pen, y, pen + advance, y + pitch_}, style.background);
        unit_marks::DrawFullWidthSpace(canvas_, pen, y, advance, text_height, mark_colour);
        break;
      case CharClass::LowSurrogate:  // without its first half: nothing to draw
      case CharClass::Unmeasured:
        break;
      default:
        runs_.Add(units_.units + i, pen, y, advance, style);
        pair_open = measure.char_class == CharClass::HighSurrogate;
        break;
    }
    pen += advance;
  }
  runs_.Flush();
  return pen;
}

void Painter::FinishRow(const Row& row, std::int32_t pen) {
  const std::int32_t margin = view_.margin_width;
  const Colour background = colours_[kSlotBackground];
  Fill({std::max(pen, margin), row.y, view_.client_width, row.y + pitch_}, background);
  Fill({margin, row.y + metrics_.TextHeight(), pen, row.y + pitch_}, background);
  // "[EOF]" goes under the margin, which then covers any part scrolled left.
  if (row.last_of_document) DrawEof(pen, row.y);
  DrawMargin(row);
}

void Painter::DrawMargin(const Row& row) {
  margin_painting::DrawRow(canvas_, metrics_, colours_, view_.margin_width,
                              {row.y, row.line_index, row.row_in_line == 0,
                               document_.marked_lines.Contains(row.line_index), row.line_index == view_.caret_line});
}

void Painter::DrawEof(std::int32_t pen, std::int32_t y) {
  constexpr std::int32_t count = 5;
  if (pen >= view_.client_width || pen + count * metrics_.AverageWidth() < view_.margin_width) return;
  std::int32_t advances[count];
  for (std::int32_t i = 0; i < count; ++i) advances[i] = metrics_.Measure(kEof[i], kEof[i + 1]).width;
  canvas_.DrawText(pen, y, kEof, count, advances, {colours_[kSlotMarks], colours_[kSlotBackground], false});
}

void Painter::PaintAll(ColourCheckpoints* checkpoints) {
  state_ = colour_scan::StateAtLine(document_.store, document_.mode, view_.first_line, checkpoints);
  std::int32_t row_begin = 0;
  bool line_started = false;
  ForEachVisibleRow([&](const Row& row, bool last_of_line) {
    LineRecord& line = *row.line;
    if (!line_started) {
      StartLine(line, row.line_index);
      // A wrapped view may start inside a line: colour its rows above.
      row_begin = 0;
      for (std::int32_t r = 0; r < row.row_in_line; ++r) row_begin += line.Row(r).units;
      row_begin = std::clamp(row_begin, 0, units_.length);
      for (std::int32_t i = 0; i < row_begin; ++i) Step(i);
      line_started = true;
    }
    const std::int32_t row_end =
        last_of_line ? units_.length : std::clamp(row_begin + line.Row(row.row_in_line).units, row_begin, units_.length);
    FinishRow(row, PaintUnits(row_begin, row_end, row.y));
    row_begin = row_end;
    if (last_of_line) line_started = false;
  });
  Fill({0, 0, view_.client_width, kTopMargin}, colours_[kSlotBackground]);
  if (ended_inside_view_) Fill({0, end_y_, view_.client_width, view_.client_height}, colours_[kSlotBackground]);
}

void Painter::PaintMarginOnly() {
  ForEachVisibleRow([&](const Row& row, bool) { DrawMargin(row); });
}

}  // namespace

PaintView ViewOf(DocumentLayout& layout, std::int32_t caret_line) {
  PaintView view;
  view.client_width = layout.ClientWidth();
  view.client_height = layout.ClientHeight();
  view.margin_width = layout.MarginWidth();
  view.wrapped = layout.Wrapped();
  view.first_display_row = layout.FirstVisibleRow();
  if (view.wrapped) {
    const RowLocation top = layout.LocateDisplayRow(view.first_display_row);
    view.first_line = top.line;
    view.first_row_in_line = top.row;
  } else {
    view.first_line = view.first_display_row;
    view.horizontal_scroll_pixels = layout.HorizontalScrollPixels();
  }
  view.caret_line = caret_line;
  return view;
}

void Paint(Canvas& canvas, TextMetrics& metrics, const PaintStyle& style, const PaintedDocument& document,
           const PaintView& view, ColourCheckpoints* checkpoints) {
  Painter(canvas, metrics, style, document, view).PaintAll(checkpoints);
}

void PaintMargin(Canvas& canvas, TextMetrics& metrics, const PaintStyle& style, const PaintedDocument& document,
                 const PaintView& view) {
  Painter(canvas, metrics, style, document, view).PaintMarginOnly();
}

}  // namespace text_painter
