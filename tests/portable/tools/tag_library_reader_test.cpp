#include "tools/tag_library_reader.h"

#include <gtest/gtest.h>

#include "platform/memory_file.h"
#include "support/tag_library_text.h"

using settings_bytes::Bytes;
using tag_library_text::FileBytes;

namespace {

// The library read from bytes, "Folder+" (open) or "Folder-" then
// "(name|start|end|note|move)" per tag and ";" after each folder.
std::u16string Read(const Bytes& bytes, bool* whole = nullptr) {
  byte_file::MemorySource source(bytes);
  TagLibrary library;
  const bool read_whole = LoadTagLibrary(source, library);
  if (whole) *whole = read_whole;
  std::u16string text;
  for (const TagFolderLink* folder = library.Folders(); folder; folder = folder->next) {
    text += std::u16string(folder->folder->name.View()) + (folder->folder->expanded ? u"+" : u"-");
    for (const TagEntryLink* tag = folder->tags; tag; tag = tag->next) {
      const TagEntry& e = *tag->entry;
      const std::string move = std::to_string(e.move);
      for (const WideString* field : {&e.name, &e.start, &e.end, &e.note})
        text += (field == &e.name ? u"(" : u"|") + std::u16string(field->View());
      text += u"|" + std::u16string(move.begin(), move.end()) + u")";
    }
    text += u";";
  }
  return text;
}

const std::u16string kOpen = u"Folder:F\r\nExp:1\r\n";
const std::u16string kTag = u"Name:t\r\nStart:s\r\nEnd:e\r\nNote:n\r\n";

struct Case {
  std::u16string file;
  std::u16string_view library;
};

void ExpectReads(const char* rule, std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    bool whole = false;
    EXPECT_EQ(Read(FileBytes(c.file), &whole), c.library) << rule << ": " << &c - cases.begin();
    EXPECT_TRUE(whole) << rule << ": " << &c - cases.begin();
  }
}

// Claims more bytes than it holds, as a file does after a read error.
class ShortSource : public byte_file::MemorySource {
 public:
  using MemorySource::MemorySource;
  bool Size(std::uint64_t* size) override {
    MemorySource::Size(size);
    *size += 10;
    return true;
  }
};

}  // namespace

TEST(TagLibraryReader, RecordsCountOnlyInTheirOrderAtTheStartOfALine) {
  ExpectReads("order", {
      {kOpen + u"\r\nx\r\n" + kTag + u"Move:2\r\n\r\nName:u\r\n", u"F+(t|s|e|n|2)(u||||0);"},
      {u"Folder:A\r\nName:t\r\nExp:1\r\nFolder:B\r\nExp:1\r\nName:u\r\n", u"A-;B+(u||||0);"},
      {u"Folder:F\r\nexp:1\r\nExp:0\r\n Name:x\r\nName:t\r\n", u"F-(t||||0);"},
      {kOpen + u"Name:a\r\nEnd:x\r\nStart:y\r\nName:b\r\n", u"F+(a||||0);"},
      {kTag + u"Move:0\r\n", u""},
      {u"Folder:F\nExp:1\rName:t\r\nStart:s\rEnd:e\n", u"F+(t|s|e||0);"},  // CR LF, LF and lone CR
      {u"Folder:F\r\nExp:\rName:t\r\n", u"F-(t||||0);"},  // the lone CR ends the "Exp:" line only
      {u"Folder:F\r\nExp:10\r\nFolder:G\r\nExp:01\r\n", u"F+;G-;"},
  });
  EXPECT_EQ(Read(settings_bytes::Utf16(kOpen)), u"F+;") << "no byte-order mark";
}

TEST(TagLibraryReader, ValuesDecodeTheirEscapes) {
  ExpectReads("escapes", {
      {u"Folder:F\\nG\r\nExp:1\r\nName:a\\nb\r\nStart:a\\nb\r\nEnd:a\\nb\r\nNote:a\\nb\r\nMove:1\\n2\r\n",
       u"FG+(ab|a\nb|a\nb|a\r\nb|12);"},
      {kOpen + u"Name: a\\\\b \r\nStart:\\x\\\"\r\n", u"F+( a\\b |x\"|||0);"},
      {u"Folder:F\\\r\nExp:1\r\nName:t\\\nStart:s\\", u"F+(t|s|||0);"},  // a backslash ending a line
  });
  const std::pair<std::u16string_view, std::u16string_view> moves[] = {
      {u"-3", u"-3"}, {u"1x", u"10"}, {u"", u"0"}, {u"+5", u"5"}, {u"-2147483648", u"-2147483648"},
      {u"12345678901234567890", u"2147483647"}, {u"-12345678901234567890", u"-2147483648"},
  };
  for (const auto& [value, move] : moves) {
    ExpectReads("move", {{kOpen + kTag + u"Move:" + std::u16string(value) + u"\r\n",
                          u"F+(t|s|e|n|" + std::u16string(move) + u");"}});
  }
}

TEST(TagLibraryReader, TheFileEndCutsTheLastRecord) {
  ExpectReads("end", {
      {kOpen + u"Name:t\r\nStart:s\r\nEnd:e\r\nNote:n", u"F+(t|s|e|n|0);"},
      {kOpen + u"Name:t", u"F+;"},
      {kOpen + u"Folder:G", u"F+;"},
      {kOpen + kTag + u"Move:7", u"F+(t|s|e|n|0);"},
      {u"Folder:F\r\nExp:", u"F-;"},
  });
  Bytes odd = FileBytes(kOpen);
  odd.push_back(0x41);
  EXPECT_EQ(Read(odd), u"F+;") << "an odd last byte";

  ShortSource source(FileBytes(kOpen + kTag));
  TagLibrary library;
  EXPECT_FALSE(LoadTagLibrary(source, library)) << "a read error";
  ASSERT_TRUE(library.Folders() && library.Folders()->tags);
  EXPECT_EQ(library.Folders()->tags->entry->note.View(), u"n") << "what came stays";
}
