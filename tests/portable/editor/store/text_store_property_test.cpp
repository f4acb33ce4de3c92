// Random operations on a store and on a plain model of its lines must agree
// on every line, the line count, the total rows and the longest width.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "editor/store/text_store.h"
#include "platform/wide_string.h"
#include "support/fixed_width_layout.h"
#include "support/store_text.h"

namespace {

constexpr std::int32_t kUnitWidth = 8;

class Model {
 public:
  std::vector<std::u16string> lines{u""};

  static std::int32_t TextLength(const std::u16string& line) {
    const auto length = static_cast<std::int32_t>(line.size());
    return !line.empty() && line.back() == u'\n' ? length - 1 : length;
  }

  // Mirrors the stand-in layout: rows of wrap / unit width units, a line
  // feed never alone on a row.
  static std::int32_t Rows(const std::u16string& line, std::int32_t wrap) {
    const auto length = static_cast<std::int32_t>(line.size());
    if (wrap <= 0 || length == 0) return 1;
    const std::int32_t per_row = std::max(1, wrap / kUnitWidth);
    std::int32_t rows = (length + per_row - 1) / per_row;
    if (line.back() == u'\n' && length > 1 && (length - 1) % per_row == 0) --rows;
    return rows;
  }

  static std::int32_t Width(const std::u16string& line) {
    return static_cast<std::int32_t>(std::count_if(line.begin(), line.end(), [](char16_t u) { return u != u'\n'; })) *
           kUnitWidth;
  }

  // Text insertion: CRs dropped, split at line feeds.
  TextPosition Insert(TextPosition at, std::u16string text) {
    text.erase(std::remove(text.begin(), text.end(), u'\r'), text.end());
    std::u16string& line = lines[static_cast<std::size_t>(at.line)];
    const std::int32_t column = std::clamp(at.column, 0, TextLength(line));
    const std::u16string tail = line.substr(static_cast<std::size_t>(column));
    line.erase(static_cast<std::size_t>(column));
    std::size_t index = static_cast<std::size_t>(at.line);
    std::size_t start = 0;
    for (std::size_t lf; (lf = text.find(u'\n', start)) != std::u16string::npos; start = lf + 1) {
      lines[index] += text.substr(start, lf + 1 - start);
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(++index), u"");
    }
    lines[index] += text.substr(start);
    const auto end_column = static_cast<std::int32_t>(lines[index].size());
    lines[index] += tail;
    return {static_cast<std::int32_t>(index), end_column, 0};
  }
};

class PropertyRun {
 public:
  explicit PropertyRun(unsigned seed) : random_(seed) {}

  void Run(int steps) {
    ASSERT_TRUE(store_.Valid());
    for (int step = 0; step < steps; ++step) {
      const int op = Pick(0, 99);
      SCOPED_TRACE("step " + std::to_string(step) + " op " + std::to_string(op));
      if (op < 30) InsertText();
      else if (op < 45) InsertUnits();
      else if (op < 60) DeleteUnits();
      else if (op < 68) InsertLine();
      else if (op < 76) RemoveLine();
      else if (op < 86) Split();
      else if (op < 92) Load();
      else if (op < 96) CheckSelectionText();
      else if (op < 99) Relayout();
      else Clear();
      Check();
      if (::testing::Test::HasFatalFailure()) return;
    }
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::int32_t LineCount() const { return static_cast<std::int32_t>(model_.lines.size()); }
  std::int32_t AnyLine() { return Pick(0, LineCount() - 1); }

  std::u16string RandomText(bool breaks) {
    static const char16_t kUnits[] = {u'a', u'b', u'<', u' ', u'\0', u'\xE9', u'\xD83D', u'\xDE00', u'\n', u'\r'};
    std::u16string text;
    const int length = Pick(0, Pick(0, 1) ? 4 : 40);
    for (int i = 0; i < length; ++i) text += kUnits[Pick(0, breaks ? 9 : 7)];
    return text;
  }

  void InsertText() {
    const std::int32_t line = AnyLine();
    const std::int32_t column = Pick(-2, Model::TextLength(model_.lines[static_cast<std::size_t>(line)]) + 2);
    const std::u16string text = RandomText(true);
    TextPosition end;
    ASSERT_TRUE(store_.InsertText({line, column, 0}, text.data(), static_cast<std::int32_t>(text.size()), &end));
    const TextPosition expected = model_.Insert({line, column, 0}, text);
    EXPECT_EQ(end.line, expected.line);
    EXPECT_EQ(end.column, expected.column);
  }

  void InsertUnits() {
    const std::int32_t line = AnyLine();
    std::u16string& model_line = model_.lines[static_cast<std::size_t>(line)];
    const std::int32_t column = Pick(0, Model::TextLength(model_line));
    const std::u16string text = RandomText(false);
    ASSERT_TRUE(store_.InsertUnits(*store_.Line(line), text.data(), static_cast<std::int32_t>(text.size()), column));
    model_line.insert(static_cast<std::size_t>(column), text);
  }

  void DeleteUnits() {
    const std::int32_t line = AnyLine();
    std::u16string& model_line = model_.lines[static_cast<std::size_t>(line)];
    const std::int32_t text_length = Model::TextLength(model_line);
    const std::int32_t column = Pick(0, text_length);
    const std::int32_t count = Pick(0, text_length - column + 1);
    const std::int32_t removed = store_.DeleteUnits(*store_.Line(line), column, count);
    if (count == 0 || column + count > static_cast<std::int32_t>(model_line.size())) {
      EXPECT_EQ(removed, -1);
    } else if (column + count > text_length) {
      // Would take the line feed: undo it to keep the model's shape.
      EXPECT_EQ(removed, model_line[static_cast<std::size_t>(column)]);
      const std::u16string gone = model_line.substr(static_cast<std::size_t>(column), static_cast<std::size_t>(count));
      ASSERT_TRUE(store_.InsertUnits(*store_.Line(line), gone.data(), count, column));
    } else {
      EXPECT_EQ(removed, model_line[static_cast<std::size_t>(column)]);
      model_line.erase(static_cast<std::size_t>(column), static_cast<std::size_t>(count));
    }
  }

  void InsertLine() {
    const std::int32_t index = AnyLine();  // before an existing line, so it keeps the shape
    ASSERT_NE(store_.InsertLine(index, Pick(-3, 50), true), nullptr);
    model_.lines.insert(model_.lines.begin() + index, u"\n");
  }

  void RemoveLine() {
    const std::int32_t index = Pick(-1, LineCount());
    const bool allowed = index >= 0 && index < LineCount() - 1;
    if (!allowed) {
      // Only the last line or outside indexes: refused unless it is the last of several.
      if (index == LineCount() - 1 && LineCount() > 1) return;
      EXPECT_FALSE(store_.RemoveLine(index));
      return;
    }
    ASSERT_TRUE(store_.RemoveLine(index));
    EXPECT_EQ(store_.CachedIndex(), index == 0 ? 0 : index - 1);
    model_.lines.erase(model_.lines.begin() + index);
  }

  void Split() {
    const std::int32_t line = AnyLine();
    const std::int32_t column = Pick(0, Model::TextLength(model_.lines[static_cast<std::size_t>(line)]));
    LineRecord* receiver = store_.SplitAtCaret({line, column, Pick(0, 1) ? store_.Line(line)->Width() : 0});
    ASSERT_NE(receiver, nullptr);
    // Typing after Enter goes into the returned line at the caret column.
    ASSERT_TRUE(store_.InsertUnits(*receiver, u"#", 1, column));
    model_.Insert({line, column, 0}, u"#\n");
  }

  void Load() {
    const int runs = Pick(0, 6);
    for (int i = 0; i < runs; ++i) {
      if (Pick(0, 2) == 0) {
        ASSERT_TRUE(store_.EndLastLine());
        model_.lines.back() += u'\n';
        model_.lines.emplace_back();
      } else {
        const std::u16string text = RandomText(false);
        ASSERT_TRUE(store_.AppendToLastLine(text.data(), static_cast<std::int32_t>(text.size())));
        model_.lines.back() += text;
      }
    }
    store_.FinishLoading();
  }

  void CheckSelectionText() {
    TextPosition a{AnyLine(), 0, 0};
    TextPosition b{AnyLine(), 0, 0};
    a.column = Pick(0, static_cast<int>(model_.lines[static_cast<std::size_t>(a.line)].size()));
    b.column = Pick(0, static_cast<int>(model_.lines[static_cast<std::size_t>(b.line)].size()));
    if (Precedes(b, a)) std::swap(a, b);
    store_.Selection().start = a;
    store_.Selection().end = b;
    std::u16string expected;
    for (std::int32_t i = a.line; i <= b.line; ++i) {
      const std::u16string& line = model_.lines[static_cast<std::size_t>(i)];
      const std::size_t from = i == a.line ? static_cast<std::size_t>(a.column) : 0;
      const std::size_t to = i == b.line ? static_cast<std::size_t>(b.column) : line.size();
      expected += line.substr(from, to - from);
    }
    WideString text;
    ASSERT_TRUE(store_.SelectionText(text, false));
    EXPECT_EQ(std::u16string(text.View()), expected);
    std::u16string crlf;
    for (char16_t unit : expected) crlf += unit == u'\n' ? std::u16string(u"\r\n") : std::u16string(1, unit);
    ASSERT_TRUE(store_.SelectionText(text, true));
    EXPECT_EQ(std::u16string(text.View()), crlf);
  }

  void Relayout() {
    static const std::int32_t kWraps[] = {0, 3 * kUnitWidth, 7 * kUnitWidth, 20 * kUnitWidth};
    store_.SetWrapWidth(kWraps[Pick(0, 3)]);
    ASSERT_TRUE(store_.RelayoutAll());
  }

  void Clear() {
    store_.Clear();
    model_.lines.assign(1, u"");
  }

  void Check() {
    ASSERT_EQ(store_.LineCount(), LineCount());
    // A random access first, so that a stale cache shows.
    const std::int32_t probe = AnyLine();
    ASSERT_EQ(LineText(*store_.Line(probe)), model_.lines[static_cast<std::size_t>(probe)]);
    ASSERT_EQ(StoreLines(store_), model_.lines);
    std::int32_t rows = 0;
    std::int32_t longest = 0;
    for (const std::u16string& line : model_.lines) {
      rows += Model::Rows(line, store_.WrapWidth());
      longest = std::max(longest, Model::Width(line));
    }
    EXPECT_EQ(store_.TotalRows(), rows);
    EXPECT_EQ(store_.LongestWidth(), longest);
    LineRecord* first = store_.Line(0);
    EXPECT_EQ(first->Previous()->Next(), first);
    EXPECT_EQ(first->Previous(), store_.Line(LineCount() - 1));
  }

  std::mt19937 random_;
  FixedWidthLayout layout_{kUnitWidth};
  TextStore store_{layout_, 0};
  Model model_;
};

TEST(TextStorePropertyTest, RandomOperationsMatchAPlainModel) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    PropertyRun(seed).Run(1500);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
