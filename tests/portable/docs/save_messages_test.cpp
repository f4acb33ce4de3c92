// The save messages as the user reads them: the lost-characters question
// counts from 1, and a failure lists each file with its reason and the
// copy that holds its old bytes.
#include "docs/tabs/save_messages.h"

#include <gtest/gtest.h>

TEST(SaveMessages, PlaceholdersAreFilledInOrder) {
  struct Case {
    const char16_t* text;
    const char16_t* filled;
  };
  const Case cases[] = {
      {u"%1 then %2", u"one then two"},
      {u"%2%1", u"twoone"},
      {u"100% of %3 and %9", u"100% of %3 and %9"},  // no such value: left as it is
      {u"%", u"%"},
  };
  for (const Case& c : cases) EXPECT_EQ(save_messages::FillIn(c.text, {u"one", u"two"}), c.filled) << (void*)c.text;

  const CharacterLoss loss = {4, 0, 2};
  EXPECT_EQ(save_messages::LossQuestion(u"%1: line %2, column %3, %4 in all", u"Shift_JIS", loss),
            u"Shift_JIS: line 1, column 3, 4 in all");
}

TEST(SaveMessages, AFailureNamesEachFileItsReasonAndTheKeptCopy) {
  const std::u16string text = save_messages::FailureText(
      u"These files could not be saved:",
      {{u"C:\\a.html", u"There is not enough space on the disk", u""}, {u"C:\\b.html", u"", u"C:\\b.html.vorndel-old"}},
      u"The old contents are kept in %1.");
  EXPECT_EQ(text,
            u"These files could not be saved:\n\nC:\\a.html\nThere is not enough space on the disk.\n\n"
            u"C:\\b.html\nThe old contents are kept in C:\\b.html.vorndel-old.");
}

TEST(SaveMessages, ALongPathIsBrokenAfterItsSeparators) {
  struct Case {
    const char16_t* path;
    std::size_t width;
    const char16_t* wrapped;
  };
  const Case cases[] = {
      {u"C:\\a\\b.html", 80, u"C:\\a\\b.html"},
      {u"C:\\aaaa\\bbbb\\c.html", 8, u"C:\\aaaa\\\nbbbb\\\nc.html"},
      {u"C:\\averylongname\\c", 8, u"C:\\\naverylongname\\\nc"},
      {u"averylongname", 4, u"averylongname"},
  };
  for (const Case& c : cases) EXPECT_EQ(save_messages::WrapPath(c.path, c.width), c.wrapped) << c.width;
}
