// Text leaving the store: the selection or any range, and the caret line.
#include <algorithm>

#include "editor/store/text_store.h"
#include "platform/wide_string.h"

namespace {

// Units of one line that a range copies: [from, to).
struct Piece {
  LineRecord* line;
  std::int32_t from;
  std::int32_t to;
  // Whether the piece ends with the line's line feed.
  bool HasLineFeed() const { return to > from && to == line->Length() && line->EndsWithLineFeed(); }
};

}  // namespace

bool TextStore::SelectionText(WideString& destination, bool crlf) {
  return RangeText(selection_.start, selection_.end, destination, crlf);
}

bool TextStore::RangeText(const TextPosition& start, const TextPosition& end, WideString& destination, bool crlf) {
  TextPosition first = start;
  TextPosition last = end;
  if (Precedes(last, first)) std::swap(first, last);
  if (!Line(first.line) || !Line(last.line)) return false;
  // Two passes: the size first, so that the destination is allocated once.
  const auto piece_of = [&](std::int32_t index) {
    LineRecord* line = Line(index);
    const std::int32_t from = index == first.line ? std::clamp(first.column, 0, line->Length()) : 0;
    const std::int32_t to = index == last.line ? std::clamp(last.column, from, line->Length()) : line->Length();
    return Piece{line, from, to};
  };
  std::int64_t total = 0;
  for (std::int32_t index = first.line; index <= last.line; ++index) {
    const Piece piece = piece_of(index);
    total += piece.to - piece.from + (crlf && piece.HasLineFeed() ? 1 : 0);
  }
  if (total > INT32_MAX / 2 || !destination.Reserve(static_cast<std::uint32_t>(total))) return false;
  char16_t* out = destination.Data();
  for (std::int32_t index = first.line; index <= last.line; ++index) {
    const Piece piece = piece_of(index);
    const bool crlf_here = crlf && piece.HasLineFeed();
    const std::int32_t count = piece.to - piece.from - (crlf_here ? 1 : 0);
    if (count > 0 && !piece.line->CopyUnits(piece.from, count, out)) {
      destination.SetLength(0);
      return false;
    }
    out += count;
    if (crlf_here) {
      *out++ = u'\r';
      *out++ = u'\n';
    }
  }
  destination.SetLength(static_cast<std::uint32_t>(total));
  return true;
}

bool TextStore::CurrentLineText(WideString& destination) {
  LineRecord* line = Line(selection_.caret.line);
  if (!line) return false;
  const std::int32_t count = line->TextLength();
  if (!destination.Reserve(static_cast<std::uint32_t>(count))) return false;
  if (count > 0 && !line->CopyUnits(0, count, destination.Data())) return false;
  destination.SetLength(static_cast<std::uint32_t>(count));
  return true;
}
