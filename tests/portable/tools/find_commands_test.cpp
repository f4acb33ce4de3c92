// Find and replace as the find bar runs them, and what the status bar then
// says.
#include <gtest/gtest.h>

#include <map>

#include "tools/toolbars/find_commands.h"
#include "support/document_fixture.h"

namespace {

class FakeFields final : public FindFields {
 public:
  FakeFields(std::u16string find, std::u16string replacement) {
    texts_[kFind] = std::move(find);
    texts_[kReplacement] = std::move(replacement);
  }
  bool Text(Field field, WideString& text) override { return text.Assign(texts_[field]); }
  void Remember(Field field, std::u16string_view text) override { remembered_[field] = std::u16string(text); }
  std::map<Field, std::u16string> texts_;
  std::map<Field, std::u16string> remembered_;
};

std::u16string_view Strings(unsigned id) {
  switch (id) {
    case find_commands::kReplacedString: return u"Replaced: ";
    case find_commands::kInvalidPatternString: return u"Invalid: ";
    case find_commands::kTooComplexString: return u"Too complex.";
    default: return u"Not found.";
  }
}

std::u16string Status(const find_commands::Outcome& outcome) {
  WideString text;
  find_commands::StatusText(outcome, Strings, text);
  return std::u16string(text.View());
}

TEST(FindCommands, OutcomesBecomeTheStatusMessage) {
  struct Case {
    const char16_t* find;
    bool all;
    const char16_t* status;
    const char16_t* text_after;
  };
  const Case cases[] = {
      {u"cat", true, u"Replaced: 3", u"dog dog\ndog"},
      {u"cat", false, u"", u"dog cat\ncat"},  // one replaced, the next found
      {u"cow", true, u"Not found.", u"cat cat\ncat"},
      {u"", true, u"", u"cat cat\ncat"},      // an empty field does nothing
  };
  for (const Case& c : cases) {
    DocumentFixture fixture;
    ASSERT_TRUE(fixture.document.LoadText(u"cat cat\ncat"));
    FakeFields fields(c.find, u"dog");
    if (!c.all) ASSERT_TRUE(find_commands::Find(&fixture.document, fields, true).found);
    EXPECT_EQ(Status(find_commands::Replace(&fixture.document, fields, c.all)), c.status) << c.all;
    EXPECT_EQ(fixture.Text(), c.text_after) << c.all;
    EXPECT_EQ(fields.remembered_.count(FindFields::kFind), *c.find ? 1u : 0u);
  }
  FakeFields fields(u"x", u"");
  EXPECT_EQ(Status(find_commands::Find(nullptr, fields, true)), u"Not found.");
}

TEST(FindCommands, PatternsAreCompiledOnlyWithTheRegexModeAndTheirFailuresSaid) {
  const struct {
    const char16_t* find;
    bool regex;
    const char16_t* status;
    const char16_t* text_after;
  } cases[] = {
      {u"c[a-z]t", true, u"Replaced: 2", u"<dog> x\n<dog>"},
      {u"c[a-z]t", false, u"Not found.", u"cat x\ncut"},
      {u"C.T", true, u"Not found.", u"cat x\ncut"},  // case as for the literal search
      {u"c(t", true, u"Invalid: Unmatched marking parenthesis ( or \\(. (column 4)", u"cat x\ncut"},
      {u"(x+x+)+y", true, u"Too complex.", u"cat xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\ncut"},
  };
  for (const auto& c : cases) {
    DocumentFixture fixture;
    ASSERT_TRUE(fixture.document.LoadText(c.find[0] == u'(' ? u"cat xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\ncut"
                                                            : u"cat x\ncut"));
    FakeFields fields(c.find, u"<dog>$1");
    const find_commands::SearchMode mode{c.regex, true};
    EXPECT_EQ(Status(find_commands::Replace(&fixture.document, fields, true, mode)), c.status) << c.regex;
    EXPECT_EQ(fixture.Text(), c.text_after);
  }
}

}  // namespace
