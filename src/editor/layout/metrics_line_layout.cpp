#include "editor/layout/metrics_line_layout.h"

#include "editor/store/line_record.h"
#include "editor/layout/row_division.h"
#include "platform/heap.h"

MetricsLineLayout::~MetricsLineLayout() { heap::Free(heap::Kind::Private, scratch_); }

bool MetricsLineLayout::GrowScratch(std::int32_t rows) {
  const std::size_t bytes = sizeof(RowInfo) * static_cast<std::size_t>(rows);
  void* grown = heap::Reallocate(heap::Kind::Private, scratch_, sizeof(RowInfo) * scratch_capacity_, bytes);
  if (!grown) return false;
  scratch_ = static_cast<RowInfo*>(grown);
  scratch_capacity_ = rows;
  return true;
}

bool MetricsLineLayout::Layout(LineRecord& line, std::int32_t wrap_width) {
  const std::int32_t count = line.Length();
  const char16_t* units = line.MakeContiguous();
  if (wrap_width > 0 && row_division::WrapApplies(metrics_, wrap_width)) {
    std::int32_t rows = row_division::Divide(metrics_, units, count, wrap_width, scratch_, scratch_capacity_);
    if (rows > scratch_capacity_ && GrowScratch(rows)) {
      rows = row_division::Divide(metrics_, units, count, wrap_width, scratch_, scratch_capacity_);
    }
    if (rows <= scratch_capacity_) {
      std::int32_t width = 0;
      for (std::int32_t i = 0; i < rows; ++i) width += scratch_[i].width;
      if (line.SetLayout(width, scratch_, rows)) return true;
    }
    LayOutWhole(line, units, count);
    return false;
  }
  return LayOutWhole(line, units, count);
}

bool MetricsLineLayout::LayOutAside(LineRecord& line, std::int32_t wrap_width) {
  if (wrap_width > 0 && row_division::WrapApplies(metrics_, wrap_width)) return false;
  const std::int32_t count = line.Length();
  RowInfo whole{count, 0};
  return row_division::MeasuredWidth(metrics_, line.MakeContiguous(), count, whole.width) &&
         line.SetLayout(whole.width, &whole, 1);
}

bool MetricsLineLayout::LayOutWhole(LineRecord& line, const char16_t* units, std::int32_t count) {
  const RowInfo whole{count, row_division::UnwrappedWidth(metrics_, units, count)};
  return line.SetLayout(whole.width, &whole, 1);
}
