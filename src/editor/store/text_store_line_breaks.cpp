// Line breaks entering the store: Enter at the caret, and text holding line
// feeds inserted at a position.
#include <algorithm>

#include "editor/store/text_store.h"
#include "platform/heap.h"

namespace {

// A private-heap copy of a text without its carriage returns.
class CrFreeText {
 public:
  CrFreeText(const CrFreeText&) = delete;
  CrFreeText& operator=(const CrFreeText&) = delete;
  CrFreeText(const char16_t* text, std::int32_t count) : text_(text), count_(count) {
    if (std::find(text, text + count, u'\r') == text + count) return;
    copy_ = static_cast<char16_t*>(heap::Allocate(heap::Kind::Private, sizeof(char16_t) * static_cast<std::size_t>(count)));
    if (!copy_) {
      text_ = nullptr;
      return;
    }
    text_ = copy_;
    count_ = static_cast<std::int32_t>(std::remove_copy(text, text + count, copy_, u'\r') - copy_);
  }
  ~CrFreeText() { heap::Free(heap::Kind::Private, copy_); }

  // nullptr when the copy could not be made.
  const char16_t* Text() const { return text_; }
  std::int32_t Count() const { return count_; }

 private:
  char16_t* copy_ = nullptr;
  const char16_t* text_;
  std::int32_t count_;
};

}  // namespace

LineRecord* TextStore::SplitAtCaret(const TextPosition& caret) {
  LineRecord* line = Line(caret.line);
  if (!line) return nullptr;
  const std::int32_t text_length = line->TextLength();
  const std::int32_t column = std::clamp(caret.column, 0, text_length);
  if (column == 0) return InsertLine(caret.line, 0, true);
  // At the end of the text the caret line keeps its buffer untouched. (The
  // column decides, not the caret's x: an x equal to the line width can also
  // stand before trailing units of no width, or on a wrapped row.)
  if (column == text_length) {
    if (caret.line < line_count_ - 1) return InsertLine(caret.line + 1, 0, true) ? line : nullptr;
    if (!InsertUnits(*line, u"\n", 1, kEndColumn)) return nullptr;
    if (!InsertLine(line_count_, 0, false)) {
      DeleteUnits(*line, line->Length() - 1, 1);
      return nullptr;
    }
    return line;
  }
  const std::int32_t tail = line->Length() - column;
  // The line feed that replaces the tail must fit without growing later.
  if (!line->Reserve(column + 1)) return nullptr;
  LineRecord* next = InsertLine(caret.line + 1, tail, false);
  if (!next) return nullptr;
  next->InsertUnits(line->MakeContiguous() + column, tail, 0);  // fits the announced buffer
  LayOut(*next, caret.line + 1);
  line->DeleteUnits(column, tail);
  line->InsertUnits(u"\n", 1, kEndColumn);
  LayOut(*line, caret.line);
  return line;
}

bool TextStore::InsertText(const TextPosition& at, const char16_t* text, std::int32_t count, TextPosition* end) {
  if (count < 0 || (count > 0 && !text)) return false;
  LineRecord* line = Line(at.line);
  if (!line) return false;
  const std::int32_t column = std::clamp(at.column, 0, line->TextLength());
  if (count == 0) {
    if (end) *end = {at.line, column, 0};
    return true;
  }
  const CrFreeText clean(text, count);
  if (!clean.Text()) return false;
  const char16_t* units = clean.Text();
  if (std::find(units, units + clean.Count(), u'\n') == units + clean.Count()) {
    if (!InsertUnits(*line, units, clean.Count(), column)) return false;
    if (end) *end = {at.line, column + clean.Count(), 0};
    return true;
  }
  return InsertLines(*line, at.line, column, units, clean.Count(), end);
}

void TextStore::FreeChain(LineRecord* first) {
  while (first) {
    LineRecord* next = first->Next();
    pool_.Free(first);
    first = next;
  }
}

// The caret line keeps the text before the column, then the part before the
// first line feed, then a line feed; each further part becomes a line of its
// own, the last one followed by the caret line's old tail. The new lines are
// built off the ring first, so that running out of memory changes nothing.
bool TextStore::InsertLines(LineRecord& line, std::int32_t index, std::int32_t column, const char16_t* text,
                            std::int32_t count, TextPosition* end) {
  const char16_t* const text_end = text + count;
  const char16_t* first_break = std::find(text, text_end, u'\n');
  const std::int32_t tail = line.Length() - column;
  LineRecord* chain = nullptr;
  LineRecord* chain_last = nullptr;
  std::int32_t created = 0;
  std::int32_t last_part = 0;
  for (const char16_t* part = first_break + 1;;) {
    const char16_t* part_end = std::find(part, text_end, u'\n');
    const bool final = part_end == text_end;
    const auto length = static_cast<std::int32_t>(part_end - part);
    LineRecord* fresh = CreateLine();
    if (!fresh || !fresh->AllocateBuffer(final ? length + tail : length + 1)) {
      pool_.Free(fresh);
      FreeChain(chain);
      return false;
    }
    fresh->InsertUnits(part, length, 0);
    if (!final) fresh->InsertUnits(u"\n", 1, kEndColumn);
    if (chain_last) {
      chain_last->SetNext(fresh);
    } else {
      chain = fresh;
    }
    chain_last = fresh;
    ++created;
    if (final) {
      last_part = length;
      break;
    }
    part = part_end + 1;
  }
  const auto head = static_cast<std::int32_t>(first_break - text);
  if (!line.Reserve(column + head + 1)) {
    FreeChain(chain);
    return false;
  }
  // Nothing below can fail: every buffer already has room.
  chain_last->InsertUnits(line.MakeContiguous() + column, tail, kEndColumn);
  line.DeleteUnits(column, tail);
  line.InsertUnits(text, head, column);
  line.InsertUnits(u"\n", 1, kEndColumn);
  LayOut(line, index);
  row_checkpoints_.InvalidateFrom(index + 1);
  LineRecord* previous = &line;
  for (LineRecord* fresh = chain; fresh;) {
    LineRecord* next = fresh->Next();
    LinkBefore(fresh, previous->Next());
    ++line_count_;
    total_rows_ += fresh->RowCount();
    LayOut(*fresh, index + 1);
    previous = fresh;
    fresh = next;
  }
  cached_line_ = chain_last;
  cached_index_ = index + created;
  if (end) *end = {index + created, last_part, 0};
  return true;
}
