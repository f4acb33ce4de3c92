#include "support/paint_fixture.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "support/fixed_metrics.h"
#include "support/store_text.h"

EditorColours SlotColours() {
  EditorColours colours{};
  for (int slot = 0; slot < kColourSlotCount; ++slot) colours.slots[static_cast<std::size_t>(slot)] = static_cast<Colour>(slot);
  return colours;
}

PaintFixture::PaintFixture() : metrics(MakeFixedMetrics()), layout(*metrics), store(layout, 0) {
  EXPECT_TRUE(store.Valid());
  style.colours = SlotColours();
  highlights.pair = &pair;
  view.client_width = 640;
  view.client_height = 2 + 14 * 10;
  view.margin_width = 3 * kUnit + 10;
}

void PaintFixture::SetText(const std::u16string& text, std::int32_t wrap_units) {
  store.SetWrapWidth(wrap_units * kUnit);
  FillStore(store, text);
  view.wrapped = wrap_units > 0;
}

void PaintFixture::ScrollTo(std::int32_t first) {
  view.first_display_row = first;
  view.first_line = first;
  view.first_row_in_line = 0;
  if (!view.wrapped) return;
  std::int32_t line = 0;
  while (line + 1 < store.LineCount() && first >= store.Line(line)->RowCount()) first -= store.Line(line++)->RowCount();
  view.first_line = line;
  view.first_row_in_line = first;
}

RecordingCanvas PaintFixture::Paint(ColourCheckpoints* checkpoints) {
  RecordingCanvas canvas;
  const PaintedDocument document{store, mode, line_break_style, marked, highlights};
  text_painter::Paint(canvas, *metrics, style, document, view, checkpoints);
  return canvas;
}

namespace {

struct DrawnUnit {
  std::int32_t x;
  char16_t unit;
  Colour text;
  Colour background;
};

// Line numbers are digits that end 8 pixels left of the text.
bool IsLineNumber(const CanvasCall& call, std::int32_t margin) {
  std::int32_t end = call.a;
  for (std::int32_t advance : call.advances) end += advance;
  return end == margin - 8 &&
         std::all_of(call.units.begin(), call.units.end(), [](char16_t u) { return u >= u'0' && u <= u'9'; });
}

std::vector<DrawnUnit> UnitsOnRow(const RecordingCanvas& canvas, std::int32_t y, std::int32_t margin) {
  std::vector<DrawnUnit> units;
  for (const CanvasCall& call : canvas.Calls()) {
    if (call.kind != CanvasCall::Kind::Text || call.b != y || call.units == u"[EOF]") continue;
    if (IsLineNumber(call, margin)) continue;
    std::int32_t x = call.a;
    for (std::size_t i = 0; i < call.units.size(); ++i) {
      units.push_back({x, call.units[i], call.colour, call.background});
      x += call.advances[i];
    }
  }
  std::stable_sort(units.begin(), units.end(), [](const DrawnUnit& a, const DrawnUnit& b) { return a.x < b.x; });
  return units;
}

char SlotChar(Colour colour) { return colour < kColourSlotCount ? "0123456789abcdefg"[colour] : '?'; }

}  // namespace

std::string PaintFixture::TextSlots(const RecordingCanvas& canvas, std::int32_t y) const {
  std::string slots;
  for (const DrawnUnit& unit : UnitsOnRow(canvas, y, view.margin_width)) slots += SlotChar(unit.text);
  return slots;
}

std::string PaintFixture::BackgroundSlots(const RecordingCanvas& canvas, std::int32_t y) const {
  std::string slots;
  for (const DrawnUnit& unit : UnitsOnRow(canvas, y, view.margin_width)) slots += SlotChar(unit.background);
  return slots;
}

std::u16string PaintFixture::DrawnUnits(const RecordingCanvas& canvas, std::int32_t y) const {
  std::u16string text;
  for (const DrawnUnit& unit : UnitsOnRow(canvas, y, view.margin_width)) text += unit.unit;
  return text;
}
