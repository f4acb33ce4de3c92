#pragma once
// TextMetrics over the fixed-width stand-in, fonts built: narrow units 7
// pixels, East Asian and astral characters 14, average width 7, tab width 4
// (28 pixels) unless told otherwise.
#include <memory>

#include "editor/layout/text_metrics.h"
#include "platform/fixed_text_measurer.h"

std::unique_ptr<TextMetrics> MakeFixedMetrics(platform::FixedMetrics fixed = {}, int tab_width = 4);
