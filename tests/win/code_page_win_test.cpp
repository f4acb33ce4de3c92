// The Shift_JIS character steps the loader takes must be the system's own.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/code_page.h"

TEST(CodePageWin, ShiftJisStepsAsTheSystemDoes) {
  for (int first = 1; first < 256; ++first) {
    for (const char second : {'\0', 'A', '\x81', '\xFC'}) {
      const char text[] = {static_cast<char>(first), second, 'x'};
      const char* system = CharNextExA(code_page::kShiftJis, text, 0);
      EXPECT_EQ(code_page::NextCharacter(code_page::kShiftJis, text, text + 3), system)
          << first << " " << static_cast<int>(second);
    }
  }
}
