#include "docs/recovery/snapshot_text.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// 2 MB blocks: no one allocation (or its first touch) is large.
constexpr std::size_t kBlockUnits = 1 << 20;
// The clock is read once per this many lines.
constexpr std::int32_t kLinesPerClockRead = 512;

}  // namespace

void SnapshotText::Restart() {
  blocks_.clear();
  next_line_ = 0;
  complete_ = false;
  failed_ = false;
}

bool SnapshotText::Append(const char16_t* units, std::size_t count) {
  while (count > 0) {
    if (blocks_.empty() || blocks_.back().used == kBlockUnits) {
      Block block;
      block.units.reset(new (std::nothrow) char16_t[kBlockUnits]);
      if (!block.units) return false;
      blocks_.push_back(std::move(block));
    }
    Block& last = blocks_.back();
    const std::size_t taken = std::min(count, kBlockUnits - last.used);
    std::memcpy(last.units.get() + last.used, units, taken * 2);
    last.used += taken;
    units += taken;
    count -= taken;
  }
  return true;
}

bool SnapshotText::Continue(TextStore& store, Clock::duration budget) {
  if (complete_ || failed_) return complete_;
  const Clock::time_point deadline = Clock::now() + budget;
  LineRecord* line = store.Line(next_line_);
  for (std::int32_t done = 0; next_line_ < store.LineCount() && line; ++done) {
    if (done % kLinesPerClockRead == kLinesPerClockRead - 1 && Clock::now() >= deadline) return false;
    const LineRuns runs = line->Runs();
    if (!Append(runs.first, static_cast<std::size_t>(runs.first_count)) ||
        !Append(runs.second, static_cast<std::size_t>(std::max(runs.second_count, 0)))) {
      failed_ = true;
      return false;
    }
    ++next_line_;
    line = line->Next();
  }
  complete_ = true;
  return true;
}

std::vector<std::u16string_view> SnapshotText::Pieces() const {
  std::vector<std::u16string_view> pieces;
  for (const Block& block : blocks_) pieces.emplace_back(block.units.get(), block.used);
  return pieces;
}

std::size_t SnapshotText::Size() const {
  std::size_t size = 0;
  for (const Block& block : blocks_) size += block.used;
  return size;
}
