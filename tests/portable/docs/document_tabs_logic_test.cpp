// The tab logic that decides which documents close, which tab follows a
// closed one, where bookmarks go and what the file dialogs mean.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "docs/tabs/bookmark_list.h"
#include "docs/tabs/close_sequence.h"
#include "docs/tabs/file_dialog_choices.h"
#include "docs/tabs/tab_stamps.h"

namespace {

// Tabs named by letters; the answers say, in order, whether each close is
// allowed ('y') or refused ('n').  The selected tab is marked by its name.
class FakeTabs final : public TabCloser {
 public:
  FakeTabs(std::string tabs, char selected, std::string answers)
      : tabs_(std::move(tabs)), selected_(selected), answers_(std::move(answers)) {}
  std::int32_t Count() const override { return static_cast<std::int32_t>(tabs_.size()); }
  std::int32_t Selected() const override { return static_cast<std::int32_t>(tabs_.find(selected_)); }
  bool Close(std::int32_t index) override {
    EXPECT_GE(index, 0);
    EXPECT_LT(index, Count());
    EXPECT_NE(tabs_[static_cast<std::size_t>(index)], selected_) << "the kept tab was asked";
    asked_ += tabs_[static_cast<std::size_t>(index)];
    const bool yes = next_ < answers_.size() ? answers_[next_++] == 'y' : true;
    if (yes) tabs_.erase(static_cast<std::size_t>(index), 1);
    return yes;
  }
  const std::string& Tabs() const { return tabs_; }
  const std::string& Asked() const { return asked_; }

 private:
  std::string tabs_;
  char selected_;
  std::string answers_;
  std::size_t next_ = 0;
  std::string asked_;
};

TEST(CloseSequence, OthersAndToTheRightKeepTheSelectedTabWhateverTheAnswers) {
  struct Case {
    bool others;
    const char* tabs;
    char selected;
    const char* answers;
    const char* left;
    const char* asked;
  };
  const Case cases[] = {
      {true, "abcde", 'c', "yyyy", "c", "abde"},
      {true, "abcde", 'c', "nnyy", "abc", "aade"},  // a refused: asked again, b never reached
      {true, "abcde", 'c', "ynyy", "bc", "abde"},
      {true, "abc", 'b', "nnn", "abc", "ac"},
      {true, "abc", 'a', "", "a", "bc"},
      {true, "abc", 'c', "", "c", "ab"},
      {true, "a", 'a', "", "a", ""},
      {false, "abcd", 'b', "yy", "ab", "cd"},
      {false, "abcd", 'b', "ny", "abd", "cc"},  // a refusal asks the same tab again
      {false, "abcd", 'd', "", "abcd", ""},
      {false, "abcd", 'a', "nnn", "abcd", "bbb"},
  };
  for (const Case& c : cases) {
    FakeTabs tabs(c.tabs, c.selected, c.answers);
    if (c.others) {
      close_sequence::CloseOthers(tabs);
    } else {
      close_sequence::CloseToTheRight(tabs);
    }
    EXPECT_EQ(tabs.Tabs(), c.left) << c.tabs << " " << c.answers;
    EXPECT_EQ(tabs.Asked(), c.asked) << c.tabs << " " << c.answers;
  }
}

TEST(CloseSequence, CloseAllStopsAtTheFirstRefusal) {
  class SelectedFirst final : public TabCloser {
   public:
    explicit SelectedFirst(std::string answers) : answers_(std::move(answers)) {}
    std::int32_t Count() const override { return count_; }
    std::int32_t Selected() const override { return 0; }
    bool Close(std::int32_t) override {
      ++asked_;
      if (answers_[static_cast<std::size_t>(asked_ - 1)] == 'n') return false;
      --count_;
      return true;
    }
    std::int32_t count_ = 3;
    std::int32_t asked_ = 0;
    std::string answers_;
  };
  SelectedFirst refused("yny");
  close_sequence::CloseAll(refused);
  EXPECT_EQ(refused.asked_, 2);
  EXPECT_EQ(refused.count_, 2);
  SelectedFirst allowed("yyy");
  close_sequence::CloseAll(allowed);
  EXPECT_EQ(allowed.count_, 0);
}

TEST(TabStamps, TheMostRecentlyUsedTabFollowsAClose) {
  TabStamps stamps;
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(stamps.Insert(i));  // tabs 0..3 made in order
  stamps.Renew(1);                                             // tab 1 used last
  stamps.Remove(1);
  EXPECT_EQ(stamps.MostRecent(), 2);  // tab 3, now at index 2: not the neighbour
  stamps.Move(2, 0);                  // dragged to the front keeps its stamp...
  EXPECT_EQ(stamps.MostRecent(), 0);
  stamps.Renew(1);                    // ...until another tab is used
  EXPECT_EQ(stamps.MostRecent(), 1);
  stamps.Insert(3);
  EXPECT_EQ(stamps.MostRecent(), 3);
  stamps.Reset();
  EXPECT_EQ(stamps.MostRecent(), -1);
  ASSERT_TRUE(stamps.Insert(0));
  EXPECT_EQ(stamps.At(0), 0u);  // the counter starts again
  EXPECT_FALSE(stamps.Insert(5));
}

std::vector<Bookmark> Marks(std::initializer_list<std::pair<const char16_t*, int>> marks) {
  std::vector<Bookmark> list;
  for (const auto& [path, line] : marks) {
    Bookmark mark;
    mark.path.Assign(path);
    mark.line = line;
    list.push_back(std::move(mark));
  }
  return list;
}

std::vector<int> LinesOf(const std::vector<Bookmark>& list, const char16_t* path) {
  std::vector<int> lines;
  for (int line : bookmark_list::LinesOf(list, path)) lines.push_back(line);
  return lines;
}

TEST(BookmarkList, MarksFollowInsertedAndRemovedLinesOfTheirFileOnly) {
  struct Case {
    bool insert;
    int line;
    int count;
    std::vector<int> expected;
  };
  // a.html has marks on lines 2, 5 and 9; b.html on line 5.
  const Case cases[] = {
      {true, 5, 3, {2, 8, 12}},   // at the mark's line: it moves down
      {true, 6, 1, {2, 5, 10}},
      {true, -1, 3, {2, 5, 9}},   // untrusted values change nothing
      {true, 0, 0, {2, 5, 9}},
      {false, 3, 3, {2, 9 - 3}},  // lines 3..5 go with the mark on 5
      {false, 6, 3, {2, 5, 6}},
      {false, 9, 1, {2, 5}},
      {false, 0, -2, {2, 5, 9}},
  };
  for (const Case& c : cases) {
    auto list = Marks({{u"C:\\a.html", 2}, {u"C:\\A.HTML", 5}, {u"C:\\b.html", 5}, {u"C:\\a.html", 9}});
    if (c.insert) {
      bookmark_list::LinesInserted(list, u"c:\\a.html", c.line, c.count);
    } else {
      bookmark_list::LinesRemoved(list, u"c:\\a.html", c.line, c.count);
    }
    EXPECT_EQ(LinesOf(list, u"C:\\a.html"), c.expected) << c.insert << " " << c.line << " " << c.count;
    EXPECT_EQ(LinesOf(list, u"C:\\b.html"), std::vector<int>{5});
  }
}

TEST(BookmarkList, ToggleAddsRemovesAndRefusesWhenFull) {
  auto list = Marks({{u"C:\\a.html", 2}});
  EXPECT_EQ(bookmark_list::Toggle(list, u"c:\\A.html", 2), bookmark_list::Toggled::kRemoved);
  EXPECT_TRUE(list.empty());
  for (int i = 0; i < 20; ++i) EXPECT_EQ(bookmark_list::Toggle(list, u"C:\\a.html", i), bookmark_list::Toggled::kAdded);
  EXPECT_EQ(bookmark_list::Toggle(list, u"C:\\a.html", 20), bookmark_list::Toggled::kFull);
  EXPECT_EQ(bookmark_list::Toggle(list, u"C:\\a.html", 7), bookmark_list::Toggled::kRemoved);
  EXPECT_EQ(list.size(), 19u);
}

TEST(FileDialogChoices, SaveTypeAndExtensionFollowTheColouring) {
  struct Case {
    SyntaxMode mode;
    std::uint32_t index;
    std::u16string extension;
  };
  const Case cases[] = {{kSyntaxHtml, 1, u"htm"}, {kSyntaxCss, 2, u"css"}, {kSyntaxPhp, 3, u"php"},
                        {kSyntaxUntitled, 4, u""}, {kSyntaxNone, 4, u""}, {kSyntaxScript, 5, u"js"}};
  for (const Case& c : cases) {
    const auto type = file_dialog_choices::SaveTypeFor(c.mode);
    EXPECT_EQ(type.filter_index, c.index);
    EXPECT_EQ(std::u16string(type.extension), c.extension);
    EXPECT_EQ(std::u16string(file_dialog_choices::ExtensionForFilter(c.index)), c.extension);
  }
  EXPECT_TRUE(file_dialog_choices::ExtensionForFilter(0).empty());
  EXPECT_TRUE(file_dialog_choices::ExtensionForFilter(6).empty());
  EXPECT_EQ(file_dialog_choices::EncodingChoice(0), file_dialog_choices::kAutomaticChoice);
  EXPECT_EQ(file_dialog_choices::EncodingChoice(4), 3);  // Shift_JIS
}

TEST(FileDialogChoices, SelectionBuffersGiveFullPathsInOrder) {
  struct Case {
    std::u16string buffer;
    std::vector<std::u16string> paths;
  };
  const Case cases[] = {
      {std::u16string(u"C:\\site\\a.html\0\0", 16), {u"C:\\site\\a.html"}},
      {std::u16string(u"C:\\site\0a.html\0b.css\0\0", 23), {u"C:\\site\\a.html", u"C:\\site\\b.css"}},
      {std::u16string(u"C:\\\0a.html\0b.css\0\0", 18), {u"C:\\a.html", u"C:\\b.css"}},  // root: one "\"
      {std::u16string(u"\0\0", 2), {}},
      {u"C:\\x.html", {u"C:\\x.html"}},  // no terminator at all
  };
  for (const Case& c : cases) {
    std::vector<std::u16string> got;
    for (const WideString& path : file_dialog_choices::SelectedPaths(c.buffer)) got.emplace_back(path.View());
    EXPECT_EQ(got, c.paths);
  }
  WideString filter;
  ASSERT_TRUE(file_dialog_choices::BuildFilter([](unsigned id) { return id == 21002 ? u"HTML" : u"X"; }, filter));
  EXPECT_EQ(std::u16string(filter.View()).substr(0, 18), std::u16string(u"HTML\0*.htm;*.html\0", 18));
}

}  // namespace
