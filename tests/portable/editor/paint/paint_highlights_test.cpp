// The highlighted word's toggle and the marked lines' order.
#include <gtest/gtest.h>

#include "editor/paint/highlight_word.h"
#include "editor/paint/marked_lines.h"
#include "platform/wide_string.h"

TEST(HighlightWord, ToggleReplacesOrClears) {
  WideString word;
  EXPECT_FALSE(highlight_word::Toggle(word, u""));  // nothing to clear, nothing to set
  EXPECT_TRUE(highlight_word::Toggle(word, u"div"));
  EXPECT_EQ(word.View(), u"div");
  EXPECT_TRUE(highlight_word::Toggle(word, u"DIV"));  // equal means unit by unit
  EXPECT_EQ(word.View(), u"DIV");
  EXPECT_TRUE(highlight_word::Toggle(word, u"DIV"));
  EXPECT_TRUE(word.Empty());
  EXPECT_TRUE(highlight_word::Toggle(word, u"a"));
  EXPECT_TRUE(highlight_word::Toggle(word, u""));  // an empty text replaces a word
  EXPECT_TRUE(word.Empty());
}

TEST(MarkedLines, AscendingWithRepeatsAfterEqualOnes) {
  MarkedLines marked;
  for (std::int32_t line : {7, 2, 7, 0, 5}) ASSERT_TRUE(marked.Add(line));
  EXPECT_EQ(marked.Lines(), (std::vector<std::int32_t>{0, 2, 5, 7, 7}));
  EXPECT_TRUE(marked.Contains(5));
  EXPECT_FALSE(marked.Contains(6));
  EXPECT_TRUE(marked.Remove(7));
  EXPECT_TRUE(marked.Contains(7));  // one of the two remains
  EXPECT_FALSE(marked.Remove(3));
  EXPECT_EQ(marked.Lines(), (std::vector<std::int32_t>{0, 2, 5, 7}));
  marked.Clear();
  EXPECT_FALSE(marked.Contains(0));
}
