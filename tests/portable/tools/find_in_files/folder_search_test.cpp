// Searching a made folder tree: which files are read (masks, subfolders,
// binary ones skipped), in which encodings, what each matching line gives,
// and how a file gone mid-search, a stop and the limit of rows end up.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/folder_listing.h"
#include "support/scratch_file.h"
#include "tools/find_in_files/folder_search.h"

namespace {

using namespace find_in_files;

std::string Narrow(std::u16string_view text) {
  std::string out;
  for (char16_t unit : text) out += unit == u'\\' ? '/' : unit < 0x80 ? static_cast<char>(unit) : '#';
  return out;
}

// "relative:line:start-end:shown" per row, lines from 0.
std::string Row(const FileHits& file, const Hit& hit) {
  return Narrow(file.relative) + ":" + std::to_string(hit.line) + ":" + std::to_string(hit.start) + "-" +
         std::to_string(hit.end) + ":" + Narrow(hit.shown);
}

void MakeTree(const test_support::ScratchFolder& tree) {
  std::filesystem::create_directories(tree.Folder() / "sub" / "deeper");
  tree.Put("index.html", "<p>Hello</p>\r\n  <p>hello world</p>\r\n");
  tree.Put("notes.txt", std::string("\xFF\xFE" "s\0a\0y\0 \0H\0E\0L\0L\0O\0\r\0\n\0", 22));
  tree.Put("sjis.txt", "\x93\xFA\x96\x7B hello\n");
  tree.Put("data.txt", std::string("hello\0\x01\x02", 8));
  tree.Put("logo.png", "hello");
  tree.Put("sub/deep.htm", "x\nsay Hello again");
  tree.Put("sub/deeper/last.txt", "\thello\tthere");
  std::string many;
  for (int k = 0; k <= kMostHits; ++k) many += "hello\n";
  tree.Put("many.log", many);
  tree.Put("more.log", "hello\n");
}

TEST(FolderSearch, AMadeTreeGivesItsMatchingLinesFileByFile) {
  using Hook = std::function<void(const FileHits&, std::atomic<bool>&, const test_support::ScratchFolder&)>;
  struct Case {
    const char* what;
    SearchQuery query;
    std::u16string masks;
    bool subfolders;
    std::vector<std::string> rows;  // the first few
    std::int64_t hits, searched, skipped;
    bool capped = false, stopped = false;
    Hook hook = nullptr;
  };
  const std::u16string pages = u"*.html;*.htm;*.txt";
  const Case cases[] = {
      {"any case; UTF-8, UTF-16 and Shift_JIS decoded; the binary file skipped, the image not taken",
       {u"hello"}, pages, true,
       {"index.html:0:3-8:<p>Hello</p>", "index.html:1:5-10:<p>hello world</p>", "notes.txt:0:4-9:say HELLO"},
       6, 5, 1},
      {"subfolders left out", {u"hello"}, pages, false, {"index.html:0:3-8:<p>Hello</p>"}, 4, 3, 1},
      {"with case; a file ending without a line break",
       {u"Hello", true}, pages, true,
       {"index.html:0:3-8:<p>Hello</p>", "sub/deep.htm:1:4-9:say Hello again"}, 2, 5, 1},
      {"a regular expression; the row shows tabs as blanks and no leading ones",
       {u"\\bhello\\s+t", false, true}, pages, true, {"sub/deeper/last.txt:0:1-8:hello there"}, 1, 5, 1},
      {"Japanese text found in Shift_JIS", {u"\u65E5\u672C"}, u"sjis.txt", true, {"sjis.txt:0:0-2:## hello"}, 1, 1, 0},
      {"a file removed mid-search is skipped and the search goes on",
       {u"hello"}, pages, true, {"index.html:0:3-8:<p>Hello</p>"}, 5, 4, 2, false, false,
       [](const FileHits& file, std::atomic<bool>&, const test_support::ScratchFolder& tree) {
         if (file.relative == u"index.html") std::filesystem::remove(tree.Folder() / "notes.txt");
       }},
      {"stopped after the first file", {u"hello"}, pages, true, {}, 0, 0, 1, false, true,
       [](const FileHits&, std::atomic<bool>& stop, const test_support::ScratchFolder&) { stop = true; }},
      {"the rows end at the limit, the next file unread", {u"hello"}, u"*.log", true,
       {"many.log:0:0-5:hello", "many.log:1:0-5:hello"}, kMostHits, 1, 0, true},
  };
  for (const Case& c : cases) {
    test_support::ScratchFolder tree("find_in_files");
    MakeTree(tree);
    LineMatcher matcher;
    std::u16string error;
    ASSERT_TRUE(matcher.Prepare(c.query, error)) << c.what;
    std::atomic<bool> stop = false;
    std::vector<std::string> rows;
    std::int64_t last_hits = 0;
    Counts counts;
    const bool listed = SearchFolder(
        HostFolderListing(), {tree.Folder().u16string(), FileMasks(c.masks), c.subfolders}, matcher, stop,
        [&](FileHits& file, const Counts& so_far) {
          for (const Hit& hit : file.hits)
            if (rows.size() < c.rows.size()) rows.push_back(Row(file, hit));
          last_hits = so_far.hits;
          if (c.hook) c.hook(file, stop, tree);
        },
        counts);
    EXPECT_TRUE(listed) << c.what;
    EXPECT_EQ(rows, c.rows) << c.what;
    EXPECT_EQ(counts.hits, c.hits) << c.what;
    EXPECT_EQ(last_hits, c.hits) << c.what;
    EXPECT_EQ(counts.files_searched, c.searched) << c.what;
    EXPECT_EQ(counts.files_skipped, c.skipped) << c.what;
    EXPECT_EQ(counts.capped, c.capped) << c.what;
    EXPECT_EQ(counts.stopped, c.stopped) << c.what;
  }
  Counts counts;
  LineMatcher matcher;
  std::u16string error;
  ASSERT_TRUE(matcher.Prepare({u"x"}, error));
  EXPECT_FALSE(SearchFolder(HostFolderListing(), {u"/no/such/folder/here", FileMasks(), true}, matcher, false,
                            [](FileHits&, const Counts&) {}, counts));
}

TEST(FolderSearch, AnEmptyTextOrAnInvalidPatternIsRefused) {
  LineMatcher matcher;
  std::u16string error;
  EXPECT_FALSE(matcher.Prepare({u""}, error));
  EXPECT_FALSE(matcher.Prepare({u"a(b", false, true}, error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
