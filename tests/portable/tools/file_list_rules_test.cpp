// What shell changes do to the file list, which item mirrors the active
// document, and what a click opens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/wide_list.h"
#include "tools/file_browser/file_list_rules.h"

namespace {

using file_list_rules::ListChange;
using shell_events::Event;

TEST(FileListRules, ChangesRefillForListedFilesOfTheFolderAndClearWhenTheFolderGoes) {
  struct Case {
    Event event;
    std::u16string_view first, second, folder;
    bool holds_names;
    ListChange change;
  };
  const Case cases[] = {
      {Event::kCreate, u"C:\\site\\new.HTML", u"", u"C:\\site", true, ListChange::kRefill},
      {Event::kDelete, u"c:\\SITE\\b.png", u"", u"C:\\site", true, ListChange::kRefill},
      {Event::kRenameItem, u"C:\\other\\a.txt", u"C:\\site\\a.css", u"C:\\site", true, ListChange::kRefill},
      {Event::kCreate, u"C:\\site\\notes.doc", u"", u"C:\\site", true, ListChange::kNone},
      {Event::kCreate, u"C:\\site\\sub\\a.html", u"", u"C:\\site", true, ListChange::kNone},
      {Event::kCreate, u"C:\\a.html", u"", u"C:\\", true, ListChange::kRefill},
      // The first matching file in a folder whose list is empty waits for
      // the folder to be chosen again.
      {Event::kCreate, u"C:\\site\\a.html", u"", u"C:\\site", false, ListChange::kNone},
      {Event::kRemoveFolder, u"C:\\site", u"", u"C:\\site\\sub", true, ListChange::kClear},
      {Event::kRemoveFolder, u"C:\\site", u"", u"C:\\site2", true, ListChange::kNone},
      {Event::kRemoveFolder, u"c:\\Site", u"", u"C:\\site", true, ListChange::kClear},
      {Event::kRenameFolder, u"C:\\", u"D:\\", u"C:\\site", true, ListChange::kClear},
      {Event::kRenameFolder, u"C:\\site\\sub", u"C:\\site\\sub2", u"C:\\site", true, ListChange::kNone},
      {Event::kMakeFolder, u"C:\\site\\a.html", u"", u"C:\\site", true, ListChange::kNone},
  };
  const std::vector<WideString> documents = WideList({u".html", u".css"});
  const std::vector<WideString> images = WideList({u".png"});
  for (const Case& c : cases)
    EXPECT_EQ(file_list_rules::ChangeFor(c.event, c.first, c.second, c.folder, c.holds_names, documents, images),
              c.change)
        << std::string(c.first.begin(), c.first.end()) << " in " << std::string(c.folder.begin(), c.folder.end());
}

TEST(FileListRules, TheActiveDocumentsItemIsSelectedOnlyInItsOwnFolder) {
  const std::vector<WideString> names = WideList({u"a.html", u"b.png", u"file2.html"});
  struct Case {
    std::u16string_view folder, document;
    std::int32_t item;
  };
  const Case cases[] = {
      {u"C:\\site", u"C:\\site\\file2.html", 2},
      {u"c:\\SITE", u"C:\\site\\A.HTML", 0},
      {u"C:\\", u"C:\\a.html", 0},
      {u"C:\\site", u"C:\\site\\sub\\a.html", -1},
      {u"C:\\site", u"C:\\site2\\a.html", -1},
      {u"C:\\site", u"C:\\site\\notes.txt", -1},
      {u"C:\\site", u"", -1},
      {u"", u"C:\\site\\a.html", -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(file_list_rules::MirroredItem(names, c.folder, c.document), c.item)
        << std::string(c.document.begin(), c.document.end());
}

TEST(FileListRules, OnlyDocumentExtensionsOpen) {
  const std::vector<WideString> documents = WideList({u".html", u".css"});
  EXPECT_TRUE(file_list_rules::OpensAsDocument(u"style.CSS", documents));
  EXPECT_TRUE(file_list_rules::OpensAsDocument(u"a.b.html", documents));
  EXPECT_FALSE(file_list_rules::OpensAsDocument(u"b.png", documents));
  EXPECT_FALSE(file_list_rules::OpensAsDocument(u"html", documents));
}

}  // namespace
