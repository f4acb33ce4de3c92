// Saving a document: the bytes of the file, the file state the document
// takes on success, the new file written beside the target and put in its
// place, the text written in place when its folder takes no new file,
// failures at every step that change nothing and leave nothing behind, and
// texts in every encoding and line-break style read back by the loader as
// they were.
#include "docs/document_saving.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "docs/document_opening.h"
#include "support/document_fixture.h"
#include "support/replacement_faults.h"
#include "support/scratch_file.h"

namespace {

using byte_file::Step;
using Names = std::vector<std::string>;
using test_support::ReplacementFaults;
using test_support::ScratchFolder;

bool Modified(Document& document) { return document.Editor().History().Modified(); }

}  // namespace

TEST(DocumentSaving, WritesTheFileAndTakesItsState) {
  ScratchFolder folder("saving_state");
  folder.Put("saved.css", "old bytes that are longer than the new ones");
  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(u"a\nb"));
  f.document.InsertText(u"\u65E5");
  ASSERT_TRUE(Modified(f.document));
  f.window.Reset();

  ASSERT_TRUE(document_saving::Save(f.document, folder.Path("saved.css").c_str(), kShiftJis, kLf));
  EXPECT_EQ(folder.Get("saved.css"), "\x93\xFA" "a\nb");
  EXPECT_EQ(folder.Names(), Names{"saved.css"});
  EXPECT_FALSE(Modified(f.document));
  EXPECT_EQ(f.document.File().path.View(), folder.Path("saved.css"));
  EXPECT_EQ(f.document.Mode(), kSyntaxCss);
  EXPECT_EQ(f.document.File().encoding, kShiftJis);
  EXPECT_EQ(f.document.File().line_breaks, kLf);
  EXPECT_NE(f.document.File().file_time, 0u);
  ASSERT_FALSE(f.window.messages.empty());
  EXPECT_EQ(f.window.messages.back().message, EDN_MODIFIEDCHANGED);
  EXPECT_EQ(f.window.messages.back().wparam, reinterpret_cast<std::uintptr_t>(&f.document));
}

TEST(DocumentSaving, ANameDifferingOnlyInLetterCaseKeepsThePath) {
  ScratchFolder folder("saving_case");
  folder.Put("case.html", "");
  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(u"x"));
  ASSERT_TRUE(f.document.SetPath(folder.Path("case.html")));
  // Natively another file (case counts there), the same file on Windows.
  ASSERT_TRUE(document_saving::Save(f.document, folder.Path("case.HTML").c_str(), kUtf8, kCrLf));
  EXPECT_EQ(f.document.File().path.View(), folder.Path("case.html"));
}

// Until the rename, the target holds its old bytes and the new ones lie
// beside it under the target's name and a suffix that says what they are;
// a file of that name left by a crash is not touched.
TEST(DocumentSaving, TheNewFileIsWrittenBesideTheTargetAndRenamedOverIt) {
  ScratchFolder folder("saving_beside");
  folder.Put("page.html", "old");
  folder.Put("page.html.vorndel-save", "left by a crash");
  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(u"new"));
  Names seen;
  std::string target_seen;
  ReplacementFaults faults;
  faults.Before(Step::kReplace, 1, [&] {
    seen = folder.Names();
    target_seen = folder.Get("page.html");
  });

  ASSERT_TRUE(document_saving::Save(f.document, folder.Path("page.html").c_str(), kUtf8, kLf));
  EXPECT_EQ(seen, (Names{"page.html", "page.html.vorndel-save", "page.html.vorndel-save-2"}));
  EXPECT_EQ(target_seen, "old");
  EXPECT_EQ(folder.Get("page.html"), "new");
  EXPECT_EQ(folder.Names(), (Names{"page.html", "page.html.vorndel-save"}));
  EXPECT_EQ(folder.Get("page.html.vorndel-save"), "left by a crash");
  EXPECT_EQ(faults.Count(Step::kCreateElsewhere), 0);
}

TEST(DocumentSaving, AFolderThatTakesNoNewFileIsSavedInPlace) {
  ScratchFolder folder("saving_copy");
  folder.Put("page.html", "old bytes, longer than the new ones");
  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(u"new\ntext"));
  ReplacementFaults faults;
  faults.Fail(Step::kCreate);

  ASSERT_TRUE(document_saving::Save(f.document, folder.Path("page.html").c_str(), kUtf8, kCrLf));
  EXPECT_EQ(faults.Count(Step::kCreateElsewhere), 1);
  EXPECT_EQ(folder.Get("page.html"), "new\r\ntext");
  EXPECT_EQ(folder.Names(), Names{"page.html"});
  EXPECT_FALSE(Modified(f.document));
  EXPECT_EQ(f.document.File().path.View(), folder.Path("page.html"));
}

// Whatever fails, before the file was made or at any step after: the
// target keeps its bytes, no other file stays in its folder, and the
// document is as it was, still modified, with its own path and file state.
TEST(DocumentSaving, AFailedSaveChangesNothingAndLeavesNoFileBehind) {
  struct Case {
    const char* what;
    const char* target;
    int encoding;
    int line_breaks;
    std::function<void(ReplacementFaults&)> faults;
    bool read_only = false;
  };
  const auto none = [](ReplacementFaults&) {};
  const auto fail = [](std::vector<Step> steps, int from = 1) {
    return [steps, from](ReplacementFaults& faults) {
      for (Step step : steps) faults.Fail(step, step == Step::kCreate ? 1 : from);
    };
  };
  const Case cases[] = {
      {"a folder that is a file", "other.txt/page.html", kUtf8, kCrLf, none},
      {"a missing folder", "missing/page.html", kUtf8, kCrLf, none},
      {"an unknown encoding", "page.html", kAutoDetect, kCrLf, none},
      {"an unknown line-break style", "page.html", kUtf8, 3, none},
      {"a read-only target", "page.html", kUtf8, kCrLf, none, true},
      {"a read-only target, folder takes no new file", "page.html", kUtf8, kCrLf, fail({Step::kCreate}), true},
      {"a full disk at the first write", "page.html", kUtf8, kCrLf, fail({Step::kWrite})},
      {"a full disk at the second write", "page.html", kUtf8, kCrLf, fail({Step::kWrite}, 2)},
      {"a failed flush", "page.html", kUtf8, kCrLf, fail({Step::kFlush})},
      {"a refused rename (target locked)", "page.html", kUtf8, kCrLf, fail({Step::kReplace})},
      {"in place: no copy of the old file", "page.html", kUtf8, kCrLf, fail({Step::kCreate, Step::kCreateElsewhere})},
      {"in place: a full disk", "page.html", kUtf8, kCrLf, fail({Step::kCreate, Step::kWrite}, 2)},
      {"in place: a failed flush", "page.html", kUtf8, kCrLf, fail({Step::kCreate, Step::kFlush})},
  };
  // Large enough for several writes.
  const std::u16string text = DocumentFixture::Lines(40000);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder("saving_failure");
    folder.Put("page.html", "kept bytes");
    folder.Put("other.txt", "");
    if (c.read_only)
      std::filesystem::permissions(folder.Folder() / "page.html", std::filesystem::perms::owner_read |
                                                                      std::filesystem::perms::group_read |
                                                                      std::filesystem::perms::others_read);
    DocumentFixture f;
    ASSERT_TRUE(f.document.LoadText(text));
    f.document.InsertText(u"!");
    ASSERT_TRUE(f.document.SetPath(u"original.html"));
    f.window.Reset();
    {
      ReplacementFaults faults;
      c.faults(faults);
      EXPECT_FALSE(document_saving::Save(f.document, folder.Path(c.target).c_str(), c.encoding, c.line_breaks));
    }
    EXPECT_EQ(folder.Get("page.html"), "kept bytes");
    EXPECT_EQ(folder.Names(), (Names{"other.txt", "page.html"}));
    EXPECT_TRUE(Modified(f.document));
    EXPECT_EQ(f.document.File().path.View(), u"original.html");
    EXPECT_EQ(f.document.File().encoding, kUtf8);
    EXPECT_EQ(f.document.File().line_breaks, kCrLf);
    EXPECT_EQ(f.document.File().file_time, 0u);
    EXPECT_TRUE(f.window.messages.empty());
  }
}

// Random texts of characters each encoding holds, saved in every encoding
// and style and loaded with that encoding: the same text comes back, and
// the style is found again.
TEST(DocumentSaving, EveryEncodingAndStyleReadsBackAsSaved) {
  // Characters, a surrogate pair among them, by which encodings hold them.
  const std::vector<std::u16string> common = {u"a", u"b", u" ", u"<", u"p", u">", u"\t", u"&", u";", u"0", u"9"};
  const std::vector<std::u16string> japanese = {u"\u65E5", u"\u672C", u"\u3042", u"\u30A2", u"\uFF71",
                                                u"\uFF9F", u"\u3000", u"\u2460", u"\u7E8A"};
  const std::vector<std::u16string> latin = {u"\u00E9", u"\u00FF", u"\u00A0", u"\u0080"};
  const std::vector<std::u16string> wide = {u"\U0001F600", u"\uFFFF", u"\u20AC"};
  std::mt19937 random(5);
  test_support::ScratchFile file("round.txt", "");
  for (int encoding = kUtf8; encoding <= kSingleByte; ++encoding) {
    std::vector<std::u16string> pool = common;
    auto add = [&pool](const std::vector<std::u16string>& more) { pool.insert(pool.end(), more.begin(), more.end()); };
    add(encoding == kSingleByte ? latin : japanese);
    if (encoding <= kUtf16Be) add(wide);
    for (int style = kCrLf; style <= kCr; ++style) {
      for (int round = 0; round < 5; ++round) {
        std::u16string text;
        const int length = 1 + static_cast<int>(random() % 300);
        for (int i = 0; i < length; ++i) text += random() % 8 == 0 ? u"\n" : pool[random() % pool.size()];
        DocumentFixture saved;
        ASSERT_TRUE(saved.document.LoadText(text));
        ASSERT_TRUE(document_saving::Save(saved.document, file.Path().c_str(), encoding, style));
        DocumentFixture loaded;
        ASSERT_EQ(document_opening::LoadFile(loaded.document, file.Path().c_str(), encoding), kLoadedText)
            << encoding << ' ' << style;
        ASSERT_EQ(loaded.Text(), text) << encoding << ' ' << style << ' ' << round;
        if (text.find(u'\n') != std::u16string::npos) EXPECT_EQ(loaded.document.File().line_breaks, style);
      }
    }
  }
}
