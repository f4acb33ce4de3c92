#include "tools/tag_library_writer.h"

#include <charconv>
#include <string_view>

#include "docs/text_file_writer.h"
#include "platform/target_writer.h"
#include "tools/tag_library_format.h"

namespace {

using tag_library_format::Key;
using tag_library_format::KeyText;

class RecordWriter {
 public:
  explicit RecordWriter(ByteSink& out) : text_(kUtf16Le, kCrLf, out) {}

  bool Start() { return text_.Valid() && text_.WritePrefix(); }

  // Line breaks become "\n" (a CR LF pair one, a lone CR nothing) and a
  // backslash doubles, so that the value stays on its line.
  bool Record(Key key, std::u16string_view value) {
    if (!Run(KeyText(key))) return false;
    std::size_t from = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
      const char16_t unit = value[i];
      if (unit != u'\\' && unit != u'\r' && unit != u'\n') continue;
      if (!Run(value.substr(from, i - from))) return false;
      if (unit == u'\\' && !Run(u"\\\\")) return false;
      if (unit == u'\n' && !Run(u"\\n")) return false;
      from = i + 1;
    }
    return Run(value.substr(from)) && text_.WriteLineBreak();
  }

  bool Number(Key key, std::int32_t value) {
    char digits[12];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    char16_t units[12];
    const std::size_t count = static_cast<std::size_t>(end - digits);
    for (std::size_t i = 0; i < count; ++i) units[i] = static_cast<char16_t>(digits[i]);
    return Record(key, {units, count});
  }

  bool BlankLine() { return text_.WriteLineBreak(); }

 private:
  bool Run(std::u16string_view units) {
    return units.empty() || text_.WriteRun(units.data(), static_cast<std::int32_t>(units.size()));
  }

  TextFileWriter text_;
};

bool WriteTag(RecordWriter& writer, const TagEntry& tag) {
  return writer.Record(Key::kName, tag.name.View()) && writer.Record(Key::kStart, tag.start.View()) &&
         writer.Record(Key::kEnd, tag.end.View()) && writer.Record(Key::kNote, tag.note.View()) &&
         writer.Number(Key::kMove, tag.move) && writer.BlankLine();
}

bool WriteLibrary(TagLibraryWalk& walk, RecordWriter& writer) {
  if (!writer.Start()) return false;
  bool expanded = false;
  while (const TagFolder* folder = walk.NextFolder(expanded)) {
    if (!writer.Record(Key::kFolder, folder->name.View()) || !writer.Record(Key::kExp, expanded ? u"1" : u"0") ||
        !writer.BlankLine())
      return false;
    while (const TagEntry* tag = walk.NextTag()) {
      if (!WriteTag(writer, *tag)) return false;
    }
  }
  return true;
}

}  // namespace

bool SaveTagLibrary(TagLibraryWalk& walk, byte_file::Target& target) {
  byte_file::TargetWriter out(target);
  bool written;
  {
    RecordWriter writer(out);
    written = WriteLibrary(walk, writer);
  }
  return written && out.Finish() && target.Commit();
}
