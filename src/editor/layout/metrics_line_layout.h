#pragma once
// The line layout of the editor: measures a line with the shared
// TextMetrics and, when wrapping, divides it into display rows.  A wrap
// width of 0 or less means unwrapped: one row holding the whole line.
#include <cstdint>

#include "editor/store/line_layout.h"
#include "editor/layout/text_metrics.h"
#include "editor/store/text_position.h"

class MetricsLineLayout final : public LineLayout {
 public:
  explicit MetricsLineLayout(TextMetrics& metrics) : metrics_(metrics) {}
  ~MetricsLineLayout() override;
  MetricsLineLayout(const MetricsLineLayout&) = delete;
  MetricsLineLayout& operator=(const MetricsLineLayout&) = delete;

  // When the rows cannot be stored the line is left as one row of its
  // unwrapped width (its rows always cover its units) and false returned.
  bool Layout(LineRecord& line, std::int32_t wrap_width) override;
  // Unwrapped lines whose units are all measured already.
  bool LayOutAside(LineRecord& line, std::int32_t wrap_width) override;

  TextMetrics& Metrics() const { return metrics_; }

 private:
  bool GrowScratch(std::int32_t rows);
  bool LayOutWhole(LineRecord& line, const char16_t* units, std::int32_t count);

  TextMetrics& metrics_;
  // Rows of the line being divided; kept between calls.
  RowInfo* scratch_ = nullptr;
  std::int32_t scratch_capacity_ = 0;
};
