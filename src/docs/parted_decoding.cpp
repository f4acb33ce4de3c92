#include "docs/parted_decoding.h"

#include <cstring>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

#include "docs/line_decoding.h"
#include "editor/store/line_layout.h"
#include "editor/store/line_record.h"
#include "platform/mapped_file.h"

namespace {

// Below this a second thread costs more than it saves.
constexpr std::ptrdiff_t kSmallestParted = 1 << 20;
// The head's share of the bytes.  Each thread lays out its own lines, the
// head only the tail's few that meet units not yet measured: the halves take
// about equally long.
constexpr std::ptrdiff_t kHeadPerMille = 500;

// Feeds decoded lines to the end of a store and lets the mapping drop what
// has been decoded.
class StoreSink : public LineSink {
 public:
  StoreSink(TextStore& store, MappedFile* file) : store_(store), file_(file) {}
  bool AppendToLine(const char16_t* units, std::int32_t count) override {
    return store_.AppendToLastLine(units, count);
  }
  bool EndLine() override { return store_.EndLastLine(); }
  bool AppendAndEndLine(const char16_t* units, std::int32_t count) override {
    return store_.AppendLineAndEnd(units, count);
  }
  void Decoded(const std::uint8_t* from, const std::uint8_t* end) override {
    if (file_) file_->DoneWith(from, end);
  }

 private:
  TextStore& store_;
  MappedFile* file_;
};

// Lays the tail's lines out on its own thread where the store's layout can
// without measuring (the width cache fills itself through the font system,
// which one thread at a time may use), and keeps the others, in file order,
// for the head's thread after the join, so that every unit is measured
// first where one pass would measure it.
class AsideLayout final : public LineLayout {
 public:
  explicit AsideLayout(LineLayout& layout) : layout_(layout) {}
  bool Layout(LineRecord& line, std::int32_t wrap_width) override {
    if (layout_.LayOutAside(line, wrap_width)) return true;
    Wait(line);
    const RowInfo whole{line.Length(), 0};
    return line.SetLayout(0, &whole, 1);
  }
  // Lays out the lines that waited once tail's lines (count of them from
  // first on) have joined store's, in file order.
  void LayOutWaiting(TextStore& store, LineRecord* first, std::int32_t count) {
    if (listed_) {
      for (LineRecord* line : waiting_) store.LayOutAgain(*line);
      return;
    }
    // Those that waited have no width yet; a line laid out with none
    // measures nothing new when laid out again.
    for (std::int32_t i = 0; i < count; ++i, first = first->Next()) {
      if (first->Width() == 0) store.LayOutAgain(*first);
    }
  }

 private:
  void Wait(LineRecord& line) {
    if (!listed_) return;
    // Text whose lines mostly wait (wrapped lines, many characters the head
    // has not met yet) is looked through after the join rather than listed.
    if (waiting_.size() < kLongestList) {
      try {
        waiting_.push_back(&line);
        return;
      } catch (const std::bad_alloc&) {
      }
    }
    listed_ = false;
    waiting_ = {};
  }

  static constexpr std::size_t kLongestList = 64 * 1024;
  LineLayout& layout_;
  std::vector<LineRecord*> waiting_;
  bool listed_ = true;
};

bool DecodeWhole(TextFileReader& reader, TextStore& store, MappedFile* file) {
  StoreSink sink(store, file);
  if (!DecodeLines(reader, sink)) return false;
  store.FinishLoading();
  return true;
}

}  // namespace

namespace parted_decoding {

int Threads() { return std::thread::hardware_concurrency() >= 2 ? 2 : 1; }

const std::uint8_t* PlannedCut(const TextFileReader& reader) {
  const std::ptrdiff_t size = reader.End() - reader.Position();
  if (Threads() < 2 || size < kSmallestParted || reader.Encoding() == kIso2022Jp) return reader.End();
  return CutAfterLineFeed(reader, reader.Position() + size / 1000 * kHeadPerMille);
}

const std::uint8_t* CutAfterLineFeed(const TextFileReader& reader, const std::uint8_t* near) {
  const std::uint8_t* start = reader.Position();
  const std::uint8_t* end = reader.End();
  if (reader.Encoding() == kIso2022Jp || near < start || near >= end) return end;
  if (reader.Encoding() != kUtf16Le && reader.Encoding() != kUtf16Be) {
    const void* line_feed = std::memchr(near, 0x0A, static_cast<std::size_t>(end - near));
    return line_feed ? static_cast<const std::uint8_t*>(line_feed) + 1 : end;
  }
  // Units lie at even distances from the start, which follows any mark.
  const std::uint8_t low = reader.Encoding() == kUtf16Le ? 0x0A : 0x00;
  const std::uint8_t high = reader.Encoding() == kUtf16Le ? 0x00 : 0x0A;
  for (const std::uint8_t* at = start + (near - start) / 2 * 2; end - at >= 2; at += 2) {
    if (at[0] == low && at[1] == high) return at + 2;
  }
  return end;
}

bool Decode(TextFileReader& reader, TextStore& store, MappedFile* file, const std::uint8_t* cut) {
  if (cut <= reader.Position() || cut >= reader.End()) return DecodeWhole(reader, store, file);
  TextFileReader tail_reader = reader.SplitOffAt(cut);
  AsideLayout aside(store.Layout());
  TextStore tail(aside, store.WrapWidth());
  bool tail_done = false;
  auto decode_tail = [&] { tail_done = tail.Valid() && DecodeWhole(tail_reader, tail, file); };
  std::thread worker;
  try {
    worker = std::thread(decode_tail);
  } catch (const std::system_error&) {
    decode_tail();  // no thread to be had: the parts one after the other
  }
  const bool head_done = DecodeWhole(reader, store, file);
  if (worker.joinable()) worker.join();
  if (!head_done || !tail_done) return false;
  LineRecord* joined = tail.Line(0);
  const std::int32_t joined_count = tail.LineCount();
  if (!store.TakeLinesOf(tail)) return false;
  aside.LayOutWaiting(store, joined, joined_count);
  reader.AddBreakCounts(tail_reader);
  return true;
}

}  // namespace parted_decoding
