// The editor's part of the document set and a document's painting.
#include <gtest/gtest.h>

#include <memory>

#include "editor/control/document_set.h"
#include "platform/fixed_text_measurer.h"
#include "platform/recording_canvas.h"
#include "support/document_fixture.h"

namespace {

std::unique_ptr<Document> NewDocument(DocumentSet& set, std::u16string_view path) {
  auto document = std::make_unique<Document>(set.Metrics(), set.Settings());
  document->SetPath(path);
  return document;
}

TEST(DocumentSet, NewestFirstFoundByPathAndActiveClearedOnRemoval) {
  DocumentSet set(std::make_unique<platform::FixedTextMeasurer>());
  ASSERT_TRUE(set.EnsureFonts());
  EXPECT_EQ(set.NextControlId(), 1);
  ASSERT_TRUE(set.Add(NewDocument(set, u"C:\\Web\\Index.html")));
  ASSERT_TRUE(set.Add(NewDocument(set, u"C:\\Web\\style.css")));
  EXPECT_EQ(set.Count(), 2);
  EXPECT_EQ(set.NextControlId(), 3);
  EXPECT_EQ(set.At(0)->File().path.View(), u"C:\\Web\\style.css");

  Document* index = set.FindByPath(u"c:\\web\\INDEX.HTML");
  ASSERT_NE(index, nullptr);
  EXPECT_EQ(index, set.At(1));
  EXPECT_EQ(set.FindByPath(u"C:\\Web\\Index.htm"), nullptr);
  EXPECT_EQ(set.FindByPath(u"C:\\Web\\Index.html\\"), nullptr);

  set.SetActive(index);
  std::unique_ptr<Document> removed = set.Remove(index);
  EXPECT_EQ(removed.get(), index);
  EXPECT_EQ(set.Active(), nullptr);
  EXPECT_EQ(set.Count(), 1);
  EXPECT_EQ(set.Remove(index), nullptr);
}

TEST(DocumentSet, WrapSwitchReachesEveryDocument) {
  DocumentSet set(std::make_unique<platform::FixedTextMeasurer>());
  set.EnsureFonts();
  set.Add(NewDocument(set, u""));
  set.Add(NewDocument(set, u""));
  for (int i = 0; i < 2; ++i) {
    set.At(i)->Resize(200, 200);
    set.At(i)->LoadText(std::u16string(100, u'w'));
  }
  ASSERT_TRUE(set.ToggleWrap());
  EXPECT_TRUE(set.Settings().wrap);
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(set.At(i)->Layout().Wrapped());
    EXPECT_GT(set.At(i)->Store().TotalRows(), 1);
  }
  set.ToggleCaseSensitiveSearch();
  EXPECT_TRUE(set.Metrics().CaseSensitiveSearch());
}

TEST(DocumentSet, TagPairSwitchClearsTheActiveHighlight) {
  DocumentFixture f;
  f.document.LoadText(u"<p>x</p>");
  TagPairHighlight pair;
  pair.active = true;
  pair.start_tag = {0, 0, 3};
  pair.end_tag = {0, 4, 8};
  f.document.SetTagPair(pair);
  f.set.SetActive(&f.document);
  f.window.Reset();
  f.set.ToggleTagPairHighlighting();
  EXPECT_FALSE(f.document.TagPair().active);
  EXPECT_EQ(f.window.TopmostInvalidated(), f.RowY(0));
  f.set.SetActive(nullptr);
}

// The text runs drawn at a row's y, joined, without line numbers.
std::u16string DrawnAt(const RecordingCanvas& canvas, std::int32_t y, std::int32_t margin) {
  std::u16string units;
  for (const CanvasCall& call : canvas.Calls())
    if (call.kind == CanvasCall::Kind::Text && call.b == y && call.a >= margin) units += call.units;
  return units;
}

TEST(DocumentPaint, PaintsTheVisibleRowsFromTheScrollPosition) {
  DocumentFixture f;
  f.document.LoadText(DocumentFixture::Lines(30));
  f.document.Scroll(ScrollBarKind::kVertical, ScrollRequest::kThumbTrack, 12);
  RecordingCanvas canvas;
  f.document.Paint(canvas);
  EXPECT_EQ(DrawnAt(canvas, 2, DocumentFixture::kMargin).substr(0, 7), u"line 12");
  EXPECT_EQ(DrawnAt(canvas, 2 + 17 * DocumentFixture::kPitch, DocumentFixture::kMargin).substr(0, 7), u"line 29");
  EXPECT_NE(DrawnAt(canvas, 2 + 17 * DocumentFixture::kPitch, DocumentFixture::kMargin).find(u"[EOF]"),
            std::u16string::npos);
}

TEST(DocumentPaint, ColoursFollowTheSyntaxModeOfThePath) {
  DocumentFixture f;
  f.document.LoadText(u"<b>x</b>");
  auto text_colour_at = [&f](std::int32_t x) {
    RecordingCanvas canvas;
    f.document.Paint(canvas);
    for (const CanvasCall& call : canvas.Calls())
      if (call.kind == CanvasCall::Kind::Text && call.b == 2 && call.a == x) return call.colour;
    return Colour{0xFFFFFFFFu};
  };
  const EditorColours& colours = f.set.Settings().colours;
  // Untitled documents are coloured as HTML.
  EXPECT_EQ(text_colour_at(DocumentFixture::kMargin), colours[kSlotTag]);
  f.document.SetPath(u"notes.txt");
  EXPECT_EQ(text_colour_at(DocumentFixture::kMargin), colours[kSlotText]);
}

}  // namespace
