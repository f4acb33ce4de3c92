#pragma once
// What the layout relies on from any text measurer, checked the same way
// for the fixed-width stand-in and for GDI with a real font.
#include <memory>
#include <string_view>

#include "platform/text_measurer.h"

// Runs the checks with fonts of the given face; adds test failures.
void CheckMeasurerContract(std::unique_ptr<platform::TextMeasurer> measurer, std::u16string_view face);
