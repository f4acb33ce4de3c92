#include "settings/dialogs/number_field.h"

#include <gtest/gtest.h>

#include <string>

TEST(NumberField, FieldsAreHeldToTheirRanges) {
  struct Case {
    std::u16string text;
    std::int32_t low, high, expected;
  } cases[] = {
      {u"0", 1, 99, 1},     {u"", 1, 99, 1},       {u"abc", 1, 99, 1},    {u"100", 1, 99, 99},  // wheel step
      {u"7", 8, 72, 8},     {u"99", 8, 72, 72},    {u"  12", 8, 72, 12},  {u"11", 0, 10, 10},   // font fields
      {u"3x", 0, 10, 3},    {u"99999999999999", 1, 99, 99},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(number_field::ReadClamped(c.text, c.low, c.high), c.expected)
        << std::string(c.text.begin(), c.text.end());
  }
}
