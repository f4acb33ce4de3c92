// What the editing operations ask of the view, the line-number margin that
// widens as lines are inserted, and positions coming from outside.
#include "editor/editing/document_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/editor_harness.h"
#include "support/store_invariants.h"

namespace {

class RecordingView : public EditorView {
 public:
  void ClearTagPairHighlight() override { calls.push_back("clear"); }
  void Refresh(std::int32_t from_line, std::int32_t margin_columns) override {
    calls.push_back("refresh " + std::to_string(from_line) + " " + std::to_string(margin_columns));
  }
  std::vector<std::string> calls;
};

MarkedText Marked(const char* written) {
  bool ok = true;
  MarkedText marked = ParseMarked(written, ok);
  EXPECT_TRUE(ok);
  return marked;
}

}  // namespace

TEST(DocumentEditor, EditsClearTheTagHighlightAndRefreshFromTheirLine) {
  EditorHarness h;
  RecordingView view;
  DocumentEditor editor(h.store, h.layout, h.log, &view);
  h.Load(Marked("a\nb|c"));
  editor.CaretTo(h.editor.Selection().caret);
  editor.InsertUnit(u'x', RecordMode::Record);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"clear", "refresh 1 2"}));
  view.calls.clear();
  editor.Select(editor.At(0, 0), editor.At(1, 1));
  editor.DeleteSelection(RecordMode::Record, true);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"clear", "refresh 0 0"}));
  view.calls.clear();
  // Undo repaints from the lowest line it touched.
  editor.CaretTo(editor.At(0, 2));
  editor.Undo();
  EXPECT_EQ(view.calls.back(), "refresh 0 0");
  view.calls.clear();
  // Steps applied while undoing, and unrecorded edits, leave the view alone.
  editor.CaretTo(editor.At(0, 0));
  editor.InsertUnit(u'y', RecordMode::None);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"clear"}));
}

TEST(DocumentEditor, TheThousandthLineWidensTheMarginAndRewrapsWithExactUndo) {
  // 70 pixels of text area hold 9 letters a row; the wider margin leaves 8.
  EditorHarness h(70);
  RecordingView view;
  DocumentEditor editor(h.store, h.layout, h.log, &view);
  std::u16string text(998, u'\n');
  text += u"abcdefghijklmnopqrstuvwxyz";
  h.Load({text, 998, 1});
  editor.CaretTo(editor.At(998, 1));
  const std::int32_t narrow_margin = h.layout.MarginWidth();

  ASSERT_EQ(editor.InsertUnit(u'\n', RecordMode::Record), 998);
  EXPECT_EQ(h.store.LineCount(), 1000);
  EXPECT_GT(h.layout.MarginWidth(), narrow_margin);
  EXPECT_EQ(h.store.Line(999)->RowCount(), 4);  // 25 letters, 8 a row
  EXPECT_NE(std::find(view.calls.begin(), view.calls.end(), "refresh 0 0"), view.calls.end());
  EXPECT_EQ(view.calls.back(), "refresh 998 2");
  EXPECT_TRUE(StoreIsConsistent(h.store));

  editor.Undo();
  EXPECT_EQ(WriteMarked(h.Marked()), WriteMarked({text, 998, 1}));
  EXPECT_EQ(editor.Selection().caret.x, editor.At(998, 1).x);
  // The margin never narrows while the document lives.
  EXPECT_GT(h.layout.MarginWidth(), narrow_margin);
  EXPECT_EQ(h.store.Line(998)->RowCount(), 4);  // 26 letters, 8 a row
  editor.Redo();
  EXPECT_EQ(h.store.LineCount(), 1000);
  EXPECT_TRUE(StoreIsConsistent(h.store));
}

TEST(DocumentEditor, PositionsOutsideTheTextAreClampedIntoIt) {
  EditorHarness h;
  h.Load(Marked("ab\ncd|"));
  h.editor.CaretTo({7, 3, 0});
  EXPECT_EQ(WriteMarked(h.Marked()), "ab\\ncd|");
  h.editor.Select({-2, 0, 0}, {0, 9, 0});
  EXPECT_EQ(WriteMarked(h.Marked()), "^ab|\\ncd");
  EXPECT_EQ(h.editor.InsertUnit(u'x', RecordMode::Record), 0);
  EXPECT_EQ(WriteMarked(h.Marked()), "x|\\ncd");
}
