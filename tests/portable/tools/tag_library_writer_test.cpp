#include "tools/tag_library_writer.h"

#include <gtest/gtest.h>

#include "platform/memory_file.h"
#include "support/tag_library_text.h"

using settings_bytes::Bytes;

namespace {

// Lists (open) holding tags of the given start texts and notes; the other
// fields carry fixed values.
void Fill(TagLibrary& library, std::initializer_list<std::pair<std::u16string_view, std::u16string_view>> tags) {
  TagFolder* folder = CreateTagFolder();
  folder->name.Assign(u"Lists");
  folder->expanded = true;
  library.AppendFolder(folder);
  for (const auto& [start, note] : tags) {
    TagEntry* tag = CreateTagEntry();
    tag->name.Assign(u"It\\em");
    tag->start.Assign(start);
    tag->end.Assign(u"</li>");
    tag->note.Assign(note);
    tag->move = -2;
    library.AppendTag(tag);
  }
}

byte_file::MemoryFile Write(const TagLibrary& library, std::uint64_t fail_from = UINT64_MAX) {
  byte_file::MemoryFile file;
  file.fail_from = fail_from;
  byte_file::MemoryTarget target(file);
  LinkedLibraryWalk walk(library);
  EXPECT_EQ(SaveTagLibrary(walk, target), file.committed);
  return file;
}

}  // namespace

TEST(TagLibraryWriter, WritesEveryRecordWithItsValueEncoded) {
  TagLibrary library;
  Fill(library, {{u"<li>", u"first\r\nsecond"}, {u"<ul>\n\r<li>", u"a\\n\rb"}});
  library.AppendFolder(CreateTagFolder());
  EXPECT_EQ(Write(library).bytes,
            tag_library_text::FileBytes(u"Folder:Lists\r\nExp:1\r\n\r\n"
                                        u"Name:It\\\\em\r\nStart:<li>\r\nEnd:</li>\r\nNote:first\\nsecond\r\nMove:-2\r\n\r\n"
                                        u"Name:It\\\\em\r\nStart:<ul>\\n<li>\r\nEnd:</li>\r\nNote:a\\\\nb\r\nMove:-2\r\n\r\n"
                                        u"Folder:\r\nExp:0\r\n\r\n"));
  EXPECT_EQ(Write(TagLibrary()).bytes, (Bytes{0xFF, 0xFE})) << "an empty library";
}

TEST(TagLibraryWriter, AFailedWriteIsNeverCommitted) {
  TagLibrary library;
  for (int k = 0; k < 300; ++k) Fill(library, {{u"<p class=\"x\">", u"note"}, {u"<p>", u"more"}});
  const std::size_t size = Write(library).bytes.size();
  ASSERT_GT(size, 64u * 1024) << "more than one gathered block";
  for (std::uint64_t fail_from : {std::uint64_t{0}, std::uint64_t{64 * 1024}, std::uint64_t{size - 1}})
    EXPECT_FALSE(Write(library, fail_from).committed) << fail_from;
}
