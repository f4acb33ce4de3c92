#include "docs/parted_decoding.h"

#include <cstring>
#include <system_error>
#include <thread>

#include "docs/line_decoding.h"
#include "editor/store/line_layout.h"
#include "editor/store/line_record.h"
#include "platform/mapped_file.h"

namespace {

// Below this a second thread costs more than it saves.
constexpr std::ptrdiff_t kSmallestParted = 1 << 20;
// The head's share of the bytes.  Its thread also lays out the tail's lines
// once they are joined, and in a profile of the benchmark's page laying out
// every line cost about as much as decoding two fifths of them: with a
// share of 0.3 both threads have about the same work.
constexpr std::ptrdiff_t kHeadPerMille = 300;

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

// The tail's lines are measured only once they are joined: the width cache
// fills itself through the font system, which one thread at a time may use.
class UnmeasuredLayout final : public LineLayout {
 public:
  bool Layout(LineRecord& line, std::int32_t) override {
    const RowInfo whole{line.Length(), 0};
    return line.SetLayout(0, &whole, 1);
  }
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
  UnmeasuredLayout unmeasured;
  TextStore tail(unmeasured, 0);
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
  if (!head_done || !tail_done || !store.TakeLinesOf(tail)) return false;
  reader.AddBreakCounts(tail_reader);
  return true;
}

}  // namespace parted_decoding
