#include "frame/commands/go_to_line.h"

namespace go_to_line {

int LineIndexFromText(const char16_t* text) {
  int number = 0;
  for (; *text; ++text) {
    if (*text < u'0' || *text > u'9') return -1;
    // Six digits fit the field; more cannot overflow before this stops.
    if (number > 99999999) return -1;
    number = number * 10 + (*text - u'0');
  }
  return number - 1;
}

}  // namespace go_to_line
