// Opening files as documents of the set: the untitled document taking the
// first file in, activation of an open path, failures that leave the set
// as it was, and the file state a load gives a document.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "docs/document_opening.h"
#include "platform/fixed_text_measurer.h"
#include "support/scratch_file.h"

namespace {

// The window side reduced to the set: what was shown, made and destroyed.
class RecordingHost final : public document_opening::Host {
 public:
  explicit RecordingHost(DocumentSet& set) : set_(set) {}
  Document* CreateDocument() override {
    ++created;
    auto document = std::make_unique<Document>(set_.Metrics(), set_.Settings());
    Document* made = document.get();
    return set_.Add(std::move(document)) ? made : nullptr;
  }
  void DestroyDocument(Document* document) override {
    ++destroyed;
    set_.Remove(document);
  }
  void Show(Document* document) override {
    shown.push_back(document);
    set_.SetActive(document);
  }

  int created = 0;
  int destroyed = 0;
  std::vector<Document*> shown;

 private:
  DocumentSet& set_;
};

class DocumentOpening : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(set_.EnsureFonts());
    untitled_ = host_.CreateDocument();
    ASSERT_NE(untitled_, nullptr);
    host_.Show(untitled_);
    host_.shown.clear();
  }
  document_opening::Result Open(const std::u16string& path) {
    return document_opening::Open(set_, host_, path, kAutoDetect);
  }

  DocumentSet set_{std::make_unique<platform::FixedTextMeasurer>()};
  RecordingHost host_{set_};
  Document* untitled_ = nullptr;
};

TEST_F(DocumentOpening, TheUntouchedUntitledDocumentTakesTheFirstFileAndLaterOnesGetTheirOwn) {
  test_support::ScratchFile page("vorndel_open_page.html", "<p>a</p>\r\n<p>b</p>\r\n");
  test_support::ScratchFile style("vorndel_open_style.css", "p { color: red }\n");
  ASSERT_EQ(Open(page.Path()), document_opening::kOpened);
  EXPECT_EQ(set_.Count(), 1);
  EXPECT_EQ(set_.Active(), untitled_);
  EXPECT_EQ(untitled_->File().path.View(), page.Path());
  EXPECT_EQ(untitled_->Store().LineCount(), 3);
  EXPECT_EQ(untitled_->File().line_breaks, kCrLf);
  EXPECT_EQ(untitled_->Mode(), kSyntaxHtml);
  EXPECT_NE(untitled_->File().file_time, 0u);

  ASSERT_EQ(Open(style.Path()), document_opening::kOpened);
  ASSERT_EQ(set_.Count(), 2);
  Document* css = set_.At(0);
  EXPECT_EQ(set_.Active(), css);
  EXPECT_EQ(css->Mode(), kSyntaxCss);
  EXPECT_EQ(css->File().line_breaks, kLf);

  // The same path in other letters only activates the open document.
  std::u16string upper = page.Path();
  for (char16_t& unit : upper)
    if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - 32);
  EXPECT_EQ(Open(upper), document_opening::kActivated);
  EXPECT_EQ(set_.Active(), untitled_);
  EXPECT_EQ(set_.Count(), 2);
  EXPECT_EQ(untitled_->File().path.View(), page.Path());
  EXPECT_EQ(host_.created, 2);
}

TEST_F(DocumentOpening, AnUntitledDocumentThatWasTypedInIsKeptEvenAfterUndo) {
  test_support::ScratchFile page("vorndel_open_typed.html", "x");
  ASSERT_GE(untitled_->InsertText(u"typed"), 0);
  ASSERT_TRUE(untitled_->Undo());
  ASSERT_FALSE(document_opening::Untouched(*untitled_));
  ASSERT_EQ(Open(page.Path()), document_opening::kOpened);
  EXPECT_EQ(set_.Count(), 2);
  EXPECT_TRUE(untitled_->File().path.Empty());
  EXPECT_EQ(set_.Active()->File().path.View(), page.Path());
}

TEST_F(DocumentOpening, MissingFilesAndEmptyPathsFailAndLeaveTheSetAsItWas) {
  test_support::ScratchFile empty("vorndel_open_empty.txt", "");
  // Missing while the untitled document would take it in.
  EXPECT_EQ(Open(empty.Path() + u"-gone"), document_opening::kFailed);
  EXPECT_TRUE(untitled_->File().path.Empty());
  EXPECT_TRUE(document_opening::Untouched(*untitled_));
  EXPECT_EQ(Open(u""), document_opening::kFailed);
  // An empty file is there: it opens.
  ASSERT_EQ(Open(empty.Path()), document_opening::kOpened);
  EXPECT_EQ(untitled_->File().path.View(), empty.Path());

  // Missing when a new document would be made: it is destroyed again.
  EXPECT_EQ(Open(empty.Path() + u"-gone"), document_opening::kFailed);
  EXPECT_EQ(host_.destroyed, 1);
  EXPECT_EQ(set_.Count(), 1);
  EXPECT_EQ(set_.Active(), untitled_);
}

TEST_F(DocumentOpening, ALoadResetsCaretHistoryAndViewOfTheDocument) {
  test_support::ScratchFile text("vorndel_open_reset.txt", "one\rtwo\rthree");
  untitled_->SetPath(u"C:\\elsewhere.txt");  // no longer untitled
  Document* other = host_.CreateDocument();
  ASSERT_NE(other, nullptr);
  ASSERT_GE(other->InsertText(u"old"), 0);
  ASSERT_TRUE(other->Undo());  // empty again, with a history to redo
  ASSERT_EQ(document_opening::LoadFile(*other, text.Path().c_str(), kAutoDetect), kLoadedText);
  EXPECT_EQ(other->Store().LineCount(), 3);
  EXPECT_EQ(other->File().line_breaks, kCr);
  EXPECT_EQ(other->Mode(), kSyntaxNone);
  EXPECT_EQ(other->Selection().caret.line, 0);
  EXPECT_EQ(other->Selection().caret.column, 0);
  EXPECT_FALSE(other->Editor().CanUndo());
  EXPECT_FALSE(other->Editor().CanRedo());
}

}  // namespace
