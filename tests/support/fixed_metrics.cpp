#include "support/fixed_metrics.h"

std::unique_ptr<TextMetrics> MakeFixedMetrics(platform::FixedMetrics fixed, int tab_width) {
  auto metrics = std::make_unique<TextMetrics>(std::make_unique<platform::FixedTextMeasurer>(fixed));
  metrics->SetFaceName(u"Courier New");
  metrics->SetTabWidth(tab_width);
  if (!metrics->RebuildFonts()) return nullptr;
  return metrics;
}
