// Runs the editing behaviour cases of tests/cases/editing: each starts from
// a text with caret and selection, applies operations and checks the text,
// caret, selection, notifications and modified state after each. Every case
// then goes through its whole history: undone to its start and redone to
// its end, both must come back exactly.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cases/editing/conversion_cases.h"
#include "cases/editing/deletion_cases.h"
#include "cases/editing/indentation_cases.h"
#include "cases/editing/insertion_cases.h"
#include "cases/editing/undo_cases.h"
#include "platform/text_mapping.h"
#include "support/editor_harness.h"
#include "support/store_invariants.h"

namespace {

struct Line {
  std::string key;
  std::string value;
  int number;
};

std::vector<Line> Lines(const char* cases) {
  std::vector<Line> lines;
  std::istringstream in(cases);
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    if (text.empty() || text[0] == '#') continue;
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) {
      ADD_FAILURE() << "line " << number << ": no key: " << text;
      continue;
    }
    const std::size_t value = text.find_first_not_of(' ', colon + 1);
    lines.push_back({text.substr(0, colon), value == std::string::npos ? "" : text.substr(value), number});
  }
  return lines;
}

MarkedText Parse(const std::string& written) {
  bool ok = true;
  MarkedText marked = ParseMarked(written, ok);
  EXPECT_TRUE(ok) << "bad text: " << written;
  return marked;
}

std::u16string Units(const std::string& written) { return Parse(written).text; }

class CaseRunner {
 public:
  // Applies one operation and returns its result.
  std::int32_t Do(const std::string& op) {
    const std::size_t space = op.find(' ');
    const std::string name = op.substr(0, space);
    const std::string args = space == std::string::npos ? "" : op.substr(space + 1);
    std::istringstream in(args);
    DocumentEditor& e = h_.editor;
    // Undoing everything comes back to the state before the first edit.
    const bool edit = name != "undo" && name != "redo" && name != "save" && name != "select";
    if (edit && e.History().Position() == 0) origin_ = h_.Snapshot();
    if (name == "type") {
      const std::u16string unit = Units(args);
      EXPECT_EQ(unit.size(), 1u) << op;
      return e.InsertUnit(unit.empty() ? u'?' : unit[0], RecordMode::Record);
    }
    if (name == "backspace") return e.DeleteUnit(true, true);
    if (name == "delete") return e.DeleteUnit(false, true);
    if (name == "delete-selection") return e.DeleteSelection(RecordMode::Record, true);
    if (name == "insert") return Insert(Units(args), false, nullptr);
    if (name == "insert-selecting") return Insert(Units(args), true, nullptr);
    if (name == "insert-target") {
      TextPosition target;
      std::string text;
      in >> target.line >> target.column >> text;
      return Insert(Units(text), false, &target);
    }
    if (name == "indent") return e.IndentLines(nullptr, true);
    if (name == "unindent") return e.UnindentLines(true);
    if (name == "enter") {
      // As the character handler does with the auto-indent setting on.
      if (e.Selection().caret.column != 0 && e.AutoIndent()) return 1;
      return e.InsertUnit(u'\n', RecordMode::Record);
    }
    if (name == "upper") return e.ConvertSelection(text_mapping::kUppercase);
    if (name == "lower") return e.ConvertSelection(text_mapping::kLowercase);
    if (name == "fullwidth") return e.ConvertSelection(text_mapping::kFullwidth);
    if (name == "halfwidth") return e.ConvertSelection(text_mapping::kHalfwidth);
    if (name == "hiragana") return e.ConvertSelection(text_mapping::kHiragana);
    if (name == "katakana") return e.ConvertSelection(text_mapping::kKatakana);
    if (name == "convert") return e.ConvertSelection(static_cast<std::uint32_t>(std::stoul(args, nullptr, 16)));
    if (name == "undo") return e.Undo();
    if (name == "redo") return e.Redo();
    if (name == "save") {
      e.SetSavedPosition();
      return 0;
    }
    if (name == "select") {
      // anchor line, column, caret line, column
      std::int32_t al, ac, cl, cc;
      in >> al >> ac >> cl >> cc;
      e.Select(e.At(al, ac), e.At(cl, cc));
      return 0;
    }
    ADD_FAILURE() << "unknown operation: " << op;
    return 0;
  }

  void Run(const std::vector<Line>& lines, std::size_t& next) {
    std::int32_t result = 0;
    for (; next < lines.size() && lines[next].key != "case"; ++next) {
      const Line& line = lines[next];
      SCOPED_TRACE("case line " + std::to_string(line.number) + ": " + line.key + ": " + line.value);
      if (line.key == "wrap") {
        h_.SetWrapWidth(std::stoi(line.value));
      } else if (line.key == "text") {
        h_.Load(Parse(line.value));
      } else if (line.key == "do") {
        h_.log.Take();
        result = Do(line.value);
        notifications_ = h_.log.Take();
        EXPECT_TRUE(StoreIsConsistent(h_.store));
      } else if (line.key == "expect") {
        const MarkedText want = Parse(line.value);
        EXPECT_EQ(WriteMarked(h_.Marked()), WriteMarked(want));
      } else if (line.key == "notify") {
        EXPECT_EQ(Describe(notifications_), line.value);
      } else if (line.key == "modified") {
        EXPECT_EQ(h_.editor.Modified() ? "yes" : "no", line.value);
      } else if (line.key == "returns") {
        EXPECT_EQ(result, std::stoi(line.value));
      } else {
        ADD_FAILURE() << "unknown key";
      }
    }
    RoundTrip();
  }

 private:
  std::int32_t Insert(const std::u16string& text, bool select_after_redo, const TextPosition* target) {
    return h_.editor.InsertText(text.data(), static_cast<std::int32_t>(text.size()), RecordMode::Record, true,
                                select_after_redo, target);
  }

  // Undone to its start and redone to its end twice over, the history must
  // bring back the same states each time; the start is the state before the
  // first edit.
  void RoundTrip() {
    SCOPED_TRACE("round trip through the whole history");
    DocumentEditor& e = h_.editor;
    if (!e.CanUndo() && !e.CanRedo()) return;
    const auto undo_all = [&] {
      while (e.Undo()) ASSERT_TRUE(StoreIsConsistent(h_.store));
    };
    const auto redo_all = [&] {
      while (e.Redo()) ASSERT_TRUE(StoreIsConsistent(h_.store));
    };
    undo_all();
    EXPECT_EQ(Describe(h_.Snapshot()), Describe(origin_));
    redo_all();
    const EditorSnapshot newest = h_.Snapshot();
    undo_all();
    EXPECT_EQ(Describe(h_.Snapshot()), Describe(origin_));
    redo_all();
    EXPECT_EQ(Describe(h_.Snapshot()), Describe(newest));
  }

  EditorHarness h_;
  EditorSnapshot origin_;
  std::vector<Notification> notifications_;
};

void RunCases(const char* cases) {
  const std::vector<Line> lines = Lines(cases);
  std::size_t next = 0;
  while (next < lines.size()) {
    if (lines[next].key != "case") {
      ADD_FAILURE() << "line " << lines[next].number << ": expected a case";
      ++next;
      continue;
    }
    SCOPED_TRACE("case: " + lines[next].value);
    CaseRunner runner;
    runner.Run(lines, ++next);
  }
}

}  // namespace

TEST(EditingCases, Deletion) { RunCases(kDeletionCases); }
TEST(EditingCases, Insertion) { RunCases(kInsertionCases); }
TEST(EditingCases, Indentation) { RunCases(kIndentationCases); }
TEST(EditingCases, Conversion) { RunCases(kConversionCases); }
TEST(EditingCases, Undo) { RunCases(kUndoCases); }
