#include <gtest/gtest.h>

#include "platform/fixed_text_measurer.h"
#include "support/measurer_contract.h"

namespace {

TEST(MeasurerContract, FixedWidthStandIn) {
  CheckMeasurerContract(std::make_unique<platform::FixedTextMeasurer>(), u"Courier New");
}

}  // namespace
