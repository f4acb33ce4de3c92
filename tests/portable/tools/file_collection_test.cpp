// Which files of a folder the file list shows, and in which order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/stand_in_folder_listing.h"
#include "support/wide_list.h"
#include "tools/file_browser/file_collection.h"

namespace {

using Entry = StandInFolderListing::Entry;

// Each case's expectation is what a search per extension ("*" and the
// extension, long names and short aliases both matched) followed by the
// length test and a natural sort gives, each name once.
TEST(FileCollection, OnePassShowsWhatASearchPerExtensionShows) {
  struct Case {
    const char* what;
    std::vector<Entry> entries;
    std::vector<WideString> documents;
    std::vector<std::u16string> shown;
  };
  const Case cases[] = {
      {"a long extension's alias matches the shorter one but the name is shown once, for its own",
       {{u"a.html", u"A~1.HTM"}, {u"b.htm", u""}},
       WideList({u".htm", u".html"}),
       {u"a.html", u"b.htm"}},
      {"digits compare by value",
       {{u"file10.html", u""}, {u"file2.html", u""}, {u"File1.html", u""}},
       WideList({u".html"}),
       {u"File1.html", u"file2.html", u"file10.html"}},
      {"an extension typed without its dot shows nothing", {{u"a.html", u""}, {u"ahtml", u""}}, WideList({u"html"}), {}},
      {"an extension listed twice, in two cases", {{u"a.HTML", u"A~1.HTM"}}, WideList({u".html", u".HTML"}), {u"a.HTML"}},
      {"two extensions ending the same name", {{u"page.b.c", u"PAGEB~1.C"}}, WideList({u".c", u".b.c"}), {u"page.b.c"}},
      {"a name only its alias matches, of the same length",
       {{u"x.h+m", u"X~1.H_M"}, {u"y.h+mx", u"Y~1.H_M"}},
       WideList({u".h_m"}),
       {u"x.h+m"}},
      {"folders and other extensions are left out",
       {{u"site.html", u"", true}, {u"c.bmp", u""}, {u"readme", u""}, {u".html", u""}},
       WideList({u".html"}),
       {u".html"}},
  };
  for (const Case& c : cases) {
    StandInFolderListing listing;
    listing.folders[u"C:\\site"] = c.entries;
    std::vector<WideString> names;
    EXPECT_EQ(file_collection::Collect(listing, u"C:\\site", c.documents, {}, names), !c.shown.empty()) << c.what;
    std::vector<std::u16string> got;
    for (const WideString& name : names) got.emplace_back(name.View());
    EXPECT_EQ(got, c.shown) << c.what;
  }
}

TEST(FileCollection, DocumentsAndImagesTogetherAndFoldersThatCannotBeListed) {
  StandInFolderListing listing;
  listing.folders[u"C:\\site"] = {{u"file10.html", u"FILE10~1.HTM"}, {u"c.bmp", u""}, {u"b.png", u""},
                                  {u"file2.html", u"FILE2~1.HTM"},   {u"a.htm", u""}};
  listing.folders[u"C:\\empty"] = {};
  const std::vector<WideString> documents = WideList({u".html", u".htm"});
  const std::vector<WideString> images = WideList({u".jpg", u".png"});
  std::vector<WideString> names;
  ASSERT_TRUE(file_collection::Collect(listing, u"C:\\site", documents, images, names));
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names[0].View(), u"a.htm");
  EXPECT_EQ(names[1].View(), u"b.png");
  EXPECT_EQ(names[3].View(), u"file10.html");
  EXPECT_FALSE(file_collection::Collect(listing, u"C:\\empty", documents, images, names));
  EXPECT_TRUE(names.empty());
  names = WideList({u"left over"});
  EXPECT_FALSE(file_collection::Collect(listing, u"C:\\gone", documents, images, names));
  EXPECT_TRUE(names.empty());
}

}  // namespace
