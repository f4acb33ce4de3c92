#include "support/mouse_driver.h"

namespace mouse_driver {

PointerPoint TextPoint(DocumentFixture& f, std::int32_t row, std::int32_t column) {
  return {DocumentFixture::kMargin + column * DocumentFixture::kUnit, f.RowY(row) + 3};
}

PointerPoint MarginPoint(DocumentFixture& f, std::int32_t row) { return {5, f.RowY(row) + 3}; }

void LeftDrag(Document& document, const PointerPoint& from, const PointerPoint& to, std::uint32_t keys) {
  const std::uint32_t flags = mouse_flag::kLeft | keys;
  document.PointerMoved(from, keys);
  document.LeftButtonDown(from, flags);
  document.PointerMoved({from.x, from.y + 3}, flags);
  document.PointerMoved(to, flags);
  document.LeftButtonUp(to, keys);
}

void LeftClick(Document& document, const PointerPoint& at, std::uint32_t keys) {
  document.PointerMoved(at, keys);
  document.LeftButtonDown(at, mouse_flag::kLeft | keys);
  document.LeftButtonUp(at, keys);
}

}  // namespace mouse_driver
