// Random edit sequences on random texts (tabs, surrogate pairs, CR LF, NUL,
// kana), with undo and redo mixed in: after every step the store keeps its
// totals; every undo brings back exactly the state before the undone edit,
// every redo exactly the state after it; the modified flag follows the saved
// position; and at the end the whole history unwinds to the start and back.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "platform/text_mapping.h"
#include "support/editor_harness.h"
#include "support/store_invariants.h"

namespace {

constexpr int kSequences = 1200;
constexpr int kSteps = 40;

const char16_t kUnits[] = {u'a', u'B', u'z', u' ', u'\t', u'\n', 0, 0xD83D, 0xDE00, u'\u3042', u'\u30AB', u'\uFF21'};

class Sequence {
 public:
  explicit Sequence(unsigned seed) : rng_(seed), h_(seed % 3 == 0 ? 40 : 0) {}

  void Run() {
    MarkedText start{RandomText(12, true)};
    h_.Load(start);
    MoveSelection();
    before_[0] = h_.Snapshot();
    for (int step = 0; step < kSteps && !HasFailure(); ++step) {
      SCOPED_TRACE("step " + std::to_string(step) + " from " + Describe(h_.Snapshot()));
      const int choice = Pick(20);
      if (choice < 3) {
        MoveSelection();
      } else if (choice < 6) {
        CheckUndo();
      } else if (choice < 8) {
        CheckRedo();
      } else if (choice == 8) {
        h_.editor.SetSavedPosition();
        saved_ = Position();
      } else {
        CheckEdit(choice);
      }
      ASSERT_TRUE(StoreIsConsistent(h_.store));
      ASSERT_EQ(h_.editor.Modified(), Position() != saved_);
    }
    // Unwind the whole history and wind it up again.
    while (Position() > 0) CheckUndo();
    while (h_.editor.CanRedo()) CheckRedo();
  }

 private:
  static bool HasFailure() { return ::testing::Test::HasFailure(); }
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  std::int32_t Position() const { return h_.editor.History().Position(); }

  std::u16string RandomText(int longest, bool with_cr) {
    std::u16string text;
    for (int n = Pick(longest + 1); n > 0; --n) {
      const char16_t unit = kUnits[Pick(sizeof kUnits / sizeof kUnits[0])];
      if (unit == u'\n' && with_cr && Pick(2)) text += u'\r';
      text += unit;
    }
    return text;
  }

  TextPosition RandomPosition() {
    const std::int32_t line = Pick(h_.store.LineCount());
    return h_.editor.At(line, Pick(h_.store.Line(line)->TextLength() + 1));
  }

  void MoveSelection() {
    const TextPosition caret = RandomPosition();
    if (Pick(2)) {
      h_.editor.Select(RandomPosition(), caret);
    } else {
      h_.editor.CaretTo(caret);
    }
  }

  void Edit(int choice) {
    DocumentEditor& e = h_.editor;
    static const std::uint32_t kMappings[] = {text_mapping::kUppercase, text_mapping::kLowercase,
                                              text_mapping::kFullwidth, text_mapping::kHalfwidth,
                                              text_mapping::kHiragana, text_mapping::kKatakana};
    switch (choice) {
      case 9: case 10: case 11: e.InsertUnit(kUnits[Pick(sizeof kUnits / sizeof kUnits[0])], RecordMode::Record); break;
      case 12: e.DeleteUnit(true, true); break;
      case 13: e.DeleteUnit(false, true); break;
      case 14: {
        const std::u16string text = RandomText(8, true);
        const auto length = static_cast<std::int32_t>(text.size());
        const int variant = Pick(4);
        if (variant == 0) {
          TextPosition target = {Pick(h_.store.LineCount() + 1), Pick(9) - 4, 0};
          e.InsertText(text.data(), length, RecordMode::Record, true, false, &target);
        } else if (variant == 1) {
          // As the insertion tools do: the new text ends up selected, which
          // the record repeats when redone.
          const TextPosition start = e.Selection().start;
          if (e.InsertText(text.data(), length, RecordMode::Record, true, true) >= 0) {
            e.Select(start, e.Selection().caret);
          }
        } else {
          e.InsertText(text.data(), length, RecordMode::Record, true);
        }
        break;
      }
      case 15: e.IndentLines(nullptr, true); break;
      case 16: e.UnindentLines(true); break;
      case 17:
        if (e.Selection().caret.column == 0 || !e.AutoIndent()) e.InsertUnit(u'\n', RecordMode::Record);
        break;
      case 18: e.ConvertSelection(kMappings[Pick(6)]); break;
      default: e.DeleteSelection(RecordMode::Record, true); break;
    }
  }

  void CheckEdit(int choice) {
    const std::int32_t from = Position();
    const EditorSnapshot state = h_.Snapshot();
    Edit(choice);
    const std::int32_t to = Position();
    if (to == from) {
      // Nothing was done, so nothing may have changed.
      ASSERT_EQ(Describe(h_.Snapshot()), Describe(state));
      return;
    }
    ASSERT_GT(to, from);
    ASSERT_LE(to, from + 2);
    if (from < saved_) saved_ = -1;
    before_.erase(before_.upper_bound(from), before_.end());
    after_.erase(after_.upper_bound(from), after_.end());
    before_[from] = state;
    after_[to] = h_.Snapshot();
  }

  void CheckUndo() {
    if (!h_.editor.Undo()) {
      ASSERT_EQ(Position(), 0);
      return;
    }
    const auto expected = before_.find(Position());
    ASSERT_NE(expected, before_.end()) << "undo stopped inside a joined pair at " << Position();
    ASSERT_EQ(Describe(h_.Snapshot()), Describe(expected->second));
  }

  void CheckRedo() {
    if (!h_.editor.Redo()) {
      ASSERT_FALSE(h_.editor.CanRedo());
      return;
    }
    const auto expected = after_.find(Position());
    ASSERT_NE(expected, after_.end()) << "redo stopped inside a joined pair at " << Position();
    ASSERT_EQ(Describe(h_.Snapshot()), Describe(expected->second));
  }

  std::mt19937 rng_;
  EditorHarness h_;
  std::map<std::int32_t, EditorSnapshot> before_;  // before the edit that left this position
  std::map<std::int32_t, EditorSnapshot> after_;   // after the edit that reached this position
  std::int32_t saved_ = 0;
};

}  // namespace

TEST(EditingProperty, RandomEditsUndoAndRedoExactly) {
  for (unsigned seed = 1; seed <= kSequences && !::testing::Test::HasFailure(); ++seed) {
    SCOPED_TRACE("sequence " + std::to_string(seed));
    Sequence(seed).Run();
  }
}
