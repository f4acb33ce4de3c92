#include "support/store_text.h"

#include <gtest/gtest.h>

#include "editor/store/line_record.h"
#include "editor/store/text_store.h"

std::u16string LineText(const LineRecord& line) {
  std::u16string text(static_cast<std::size_t>(line.Length()), u'\0');
  if (line.Length() > 0) EXPECT_TRUE(line.CopyUnits(0, line.Length(), text.data()));
  return text;
}

std::vector<std::u16string> StoreLines(TextStore& store) {
  std::vector<std::u16string> lines;
  for (std::int32_t i = 0; i < store.LineCount(); ++i) lines.push_back(LineText(*store.Line(i)));
  return lines;
}

void FillStore(TextStore& store, const std::u16string& text) {
  store.Clear();
  TextPosition end;
  ASSERT_TRUE(store.InsertText({0, 0, 0}, text.data(), static_cast<std::int32_t>(text.size()), &end));
}
