#include "platform/natural_order.h"

namespace natural_order {

int Compare(const char16_t* a, const char16_t* b) { return Estimate(a, b); }

}  // namespace natural_order
