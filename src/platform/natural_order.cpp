#include "platform/natural_order.h"

#include <algorithm>

namespace natural_order {
namespace {

bool Digit(char16_t c) { return c >= u'0' && c <= u'9'; }
char16_t Folded(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

// Leading zeros say nothing of a number's value.
const char16_t* SkipZeros(const char16_t* p) {
  while (*p == u'0' && Digit(p[1])) ++p;
  return p;
}

}  // namespace

int Estimate(const char16_t* a, const char16_t* b) {
  while (*a && *b) {
    if (Digit(*a) && Digit(*b)) {
      const char16_t* x = SkipZeros(a);
      const char16_t* y = SkipZeros(b);
      const char16_t* x_end = x;
      const char16_t* y_end = y;
      while (Digit(*x_end)) ++x_end;
      while (Digit(*y_end)) ++y_end;
      // More significant digits: a larger number.
      if (x_end - x != y_end - y) return x_end - x < y_end - y ? -1 : 1;
      for (; x != x_end; ++x, ++y)
        if (*x != *y) return *x < *y ? -1 : 1;
      a = x_end;
      b = y_end;
      continue;
    }
    const char16_t x = Folded(*a), y = Folded(*b);
    if (x != y) return x < y ? -1 : 1;
    ++a;
    ++b;
  }
  return *a ? 1 : *b ? -1 : 0;
}

void Sort(std::vector<WideString>& names) {
  std::sort(names.begin(), names.end(),
            [](const WideString& a, const WideString& b) { return Estimate(a.Text(), b.Text()) < 0; });
  const auto before = [](const WideString& a, const WideString& b) { return Compare(a.Text(), b.Text()) < 0; };
  // Where the estimate got the order right, the names form a few long runs.
  std::vector<std::size_t> starts{0};
  for (std::size_t i = 1; i < names.size(); ++i)
    if (before(names[i], names[i - 1])) starts.push_back(i);
  starts.push_back(names.size());
  while (starts.size() > 2) {
    std::vector<std::size_t> merged{0};
    std::size_t k = 0;
    for (; k + 2 < starts.size(); k += 2) {
      std::inplace_merge(names.begin() + static_cast<std::ptrdiff_t>(starts[k]),
                         names.begin() + static_cast<std::ptrdiff_t>(starts[k + 1]),
                         names.begin() + static_cast<std::ptrdiff_t>(starts[k + 2]), before);
      merged.push_back(starts[k + 2]);
    }
    if (k + 1 < starts.size()) merged.push_back(starts.back());
    starts = std::move(merged);
  }
}

}  // namespace natural_order
