#include "tools/tag_library_reader.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "docs/line_decoding.h"
#include "platform/heap_block.h"
#include "tools/tag_library_format.h"

namespace {

using tag_library_format::Key;

// What "\n" stands for in each field.
constexpr std::u16string_view kNoBreak = u"";
constexpr std::u16string_view kTextBreak = u"\n";
constexpr std::u16string_view kNoteBreak = u"\r\n";

// A record needs the right key before it; any other order is ignored up to
// the next folder.
bool Follows(Key key, Key last) {
  switch (key) {
    case Key::kFolder: return true;
    case Key::kExp: return last == Key::kFolder;
    case Key::kName: return last == Key::kExp || last == Key::kMove;
    case Key::kStart: return last == Key::kName;
    case Key::kEnd: return last == Key::kStart;
    case Key::kNote: return last == Key::kEnd;
    case Key::kMove: return last == Key::kNote;
    default: return false;
  }
}

// A backslash escapes the unit after it, "\n" being the field's break.  A
// backslash that ends the line stands for nothing: the line still ends.
// The decoded text is never longer than the value.
bool Decode(std::u16string_view value, std::u16string_view line_break, WideString& out) {
  out.Clear();
  if (value.empty()) return true;
  if (!out.Reserve(static_cast<std::uint32_t>(value.size()))) return false;
  char16_t* to = out.Data();
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != u'\\') {
      *to++ = value[i];
    } else if (++i < value.size()) {
      if (value[i] == u'n') {
        to = std::copy(line_break.begin(), line_break.end(), to);
      } else {
        *to++ = value[i];
      }
    }
  }
  out.SetLength(static_cast<std::uint32_t>(to - out.Data()));
  return true;
}

// Digits taken by place value, anything else counting as 0, held to the
// int32 range however many there are.
std::int32_t MoveValue(std::u16string_view text) {
  const bool negative = !text.empty() && text.front() == u'-';
  if (negative) text.remove_prefix(1);
  const std::int64_t limit = negative ? -std::int64_t{INT32_MIN} : INT32_MAX;
  std::int64_t magnitude = 0;
  for (char16_t unit : text) {
    const int digit = unit >= u'0' && unit <= u'9' ? unit - u'0' : 0;
    magnitude = std::min(magnitude * 10 + digit, limit);
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

class LibraryParser final : public LineSink {
 public:
  explicit LibraryParser(TagLibrary& library) : library_(library) {}
  LibraryParser(const LibraryParser&) = delete;
  LibraryParser& operator=(const LibraryParser&) = delete;
  ~LibraryParser() override { heap::Free(heap::Kind::Private, line_); }

  bool AppendToLine(const char16_t* units, std::int32_t count) override {
    const std::size_t needed = (length_ + static_cast<std::size_t>(count)) * sizeof(char16_t);
    if (needed > capacity_ && !Grow(needed)) return false;
    std::memcpy(line_ + length_, units, static_cast<std::size_t>(count) * sizeof(char16_t));
    length_ += static_cast<std::size_t>(count);
    return true;
  }

  bool EndLine() override {
    const bool taken = TakeLine(true);
    length_ = 0;
    return taken;
  }

  // The last line, when the data ended without a line break.
  bool Finish() { return length_ == 0 || TakeLine(false); }

 private:
  std::u16string_view Line() const { return {line_, length_}; }

  // Doubles, so that a long line is copied only a few times.
  bool Grow(std::size_t needed) {
    const std::size_t bytes = std::max(needed, 2 * capacity_);
    void* grown = heap::Reallocate(heap::Kind::Private, line_, capacity_, bytes);
    if (!grown) return false;
    line_ = static_cast<char16_t*>(grown);
    capacity_ = bytes;
    return true;
  }

  // False only when memory ran out.
  bool TakeLine(bool ended) {
    const std::u16string_view line = Line();
    const Key key = tag_library_format::KeyOf(line);
    if (key == Key::kNone) return true;
    if (!Follows(key, last_)) {
      last_ = Key::kNone;
      return true;
    }
    last_ = key;
    const std::u16string_view value = line.substr(tag_library_format::KeyText(key).size());
    // A name or move that runs into the end of the file is dropped, and the
    // new folder or tag with its name.
    switch (key) {
      case Key::kFolder:
        return !ended || Add(value, CreateTagFolder, DestroyTagFolder, &TagLibrary::AppendFolder, folder_);
      case Key::kExp:
        folder_->expanded = !value.empty() && value.front() == u'1';
        return true;
      case Key::kName: return !ended || Add(value, CreateTagEntry, DestroyTagEntry, &TagLibrary::AppendTag, tag_);
      case Key::kStart: return Decode(value, kTextBreak, tag_->start);
      case Key::kEnd: return Decode(value, kTextBreak, tag_->end);
      case Key::kNote: return Decode(value, kNoteBreak, tag_->note);
      case Key::kMove: {
        if (!ended) return true;
        if (!Decode(value, kNoBreak, digits_)) return false;
        tag_->move = MoveValue(digits_.View());
        return true;
      }
      default: return true;
    }
  }

  // A new folder or tag named by the value, appended to the library.
  template <typename Record>
  bool Add(std::u16string_view value, Record* (*create)(), void (*destroy)(Record*),
           bool (TagLibrary::*append)(Record*), Record*& current) {
    Record* record = create();
    if (!record || !Decode(value, kNoBreak, record->name)) {
      destroy(record);
      return false;
    }
    if (!(library_.*append)(record)) return false;
    current = record;
    return true;
  }

  TagLibrary& library_;
  Key last_ = Key::kNone;
  TagFolder* folder_ = nullptr;  // the library's last folder
  TagEntry* tag_ = nullptr;      // the last folder's last tag
  char16_t* line_ = nullptr;  // the current line, from the private heap
  std::size_t capacity_ = 0;  // bytes
  std::size_t length_ = 0;    // units
  WideString digits_;         // a move value, decoded
};

}  // namespace

bool LoadTagLibrary(byte_file::Source& source, TagLibrary& library) {
  std::uint64_t size = 0;
  if (!source.Size(&size)) return false;
  if (size < 2) return true;
  if (size > UINT32_MAX) return false;
  // The whole file in one read: a library is small, and the decoder then
  // sees every line break whole.
  heap::Block bytes(heap::Kind::Private);
  if (!bytes.Allocate(static_cast<std::size_t>(size))) return false;
  const std::size_t read = source.ReadAt(0, bytes.Data(), bytes.Size());
  TextFileReader reader(bytes.Data(), static_cast<std::uint32_t>(read), kUtf16Le);
  LibraryParser parser(library);
  const bool parsed = DecodeLines(reader, parser) && parser.Finish();
  return parsed && read == size;
}
