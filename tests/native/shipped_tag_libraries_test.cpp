// The two default libraries shipped beside the program hold the same tags:
// the Japanese one differs only in names, notes and the page's language.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_source.h"
#include "tools/tag_library_reader.h"

namespace {

std::u16string Number(int value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

// Each folder's tag count, then every tag's start, end and move.
std::vector<std::u16string> TagsOf(const char* file) {
  const std::string path = std::string(VORNDEL_SOURCE_DIR) + "/res/" + file;
  const std::u16string wide(path.begin(), path.end());
  std::vector<std::u16string> seen;
  const auto source = byte_file::OpenFileSource(wide);
  TagLibrary library;
  if (!source || !LoadTagLibrary(*source, library)) return seen;
  for (const TagFolderLink* folder = library.Folders(); folder; folder = folder->next) {
    int count = 0;
    for (const TagEntryLink* tag = folder->tags; tag; tag = tag->next, ++count) {
      std::u16string start(tag->entry->start.View());
      if (const auto lang = start.find(u"lang=\"ja\""); lang != std::u16string::npos) start.replace(lang + 6, 2, u"en");
      seen.push_back(start + u"|" + std::u16string(tag->entry->end.View()) + u"|" + Number(tag->entry->move));
    }
    seen.push_back(u"folder of " + Number(count));
  }
  return seen;
}

TEST(ShippedTagLibraries, TheJapaneseDefaultHoldsTheEnglishOnesTags) {
  const std::vector<std::u16string> english = TagsOf("OptTags_en.txt");
  ASSERT_GT(english.size(), 50u);
  EXPECT_EQ(TagsOf("OptTags.txt"), english);
}

}  // namespace
