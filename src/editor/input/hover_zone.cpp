#include "editor/input/hover_zone.h"

#include "editor/store/line_record.h"

namespace hover_zone {
namespace {

// The selection runs on past a row's end by this much for the pointer.
constexpr std::int32_t kRowEndSlack = 8;

std::int32_t RowWidth(DocumentLayout& layout, TextStore& store, std::int32_t row) {
  const RowLocation location = layout.LocateDisplayRow(row);
  LineRecord* line = store.Line(location.line);
  if (!line) return 0;
  return layout.Wrapped() ? line->Row(location.row).width : line->Width();
}

bool OverSelection(DocumentLayout& layout, CaretNavigator& navigator, TextStore& store, const PointerPoint& point) {
  const SelectionState& selection = store.Selection();
  if (!selection.exists) return false;
  const std::int32_t row = layout.RowAtY(point.y);
  const std::int32_t first = navigator.ShownRow(selection.start);
  const std::int32_t last = navigator.ShownRow(selection.end);
  if (row < first || row > last) return false;
  const std::int32_t x = point.x - layout.MarginWidth() + layout.HorizontalScrollPixels();
  const std::int32_t left = row == first ? selection.start.x : 0;
  const std::int32_t right = row == last ? selection.end.x : RowWidth(layout, store, row) + kRowEndSlack;
  return x >= left && x < right;
}

}  // namespace

HoverZone Classify(DocumentLayout& layout, CaretNavigator& navigator, TextStore& store, const PointerPoint& point) {
  if (point.x < 0 || point.x >= layout.ClientWidth()) return HoverZone::Text;
  if (point.x < layout.MarginWidth() - 4) return HoverZone::Margin;
  return OverSelection(layout, navigator, store, point) ? HoverZone::Selection : HoverZone::Text;
}

}  // namespace hover_zone
