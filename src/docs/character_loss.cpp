#include "docs/character_loss.h"

#include <array>
#include <cstring>
#include <memory>

#include "platform/encoding.h"
#include "docs/jis_conversion.h"
#include "platform/code_page.h"
#include "platform/run_beside.h"

namespace character_loss {
namespace {

bool IsHigh(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
bool IsSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

// Whether one BMP character other than a surrogate reads back as itself
// after the writer put it down in a Japanese encoding: through code page
// 932 and back, and for EUC-JP and ISO-2022-JP through the JIS form the
// writer makes of the Shift_JIS bytes.
bool JapaneseSurvives(char16_t unit, int encoding) {
  char bytes[8];
  const std::int32_t count = code_page::FromUtf16(code_page::kShiftJis, &unit, 1, bytes, sizeof bytes);
  if (count <= 0) return false;
  char16_t back[4];
  if (encoding == kShiftJis || count == 1) {
    const auto byte = static_cast<std::uint8_t>(bytes[0]);
    if (encoding != kShiftJis && byte >= 0x80)
      return (byte >= 0xA1 && byte <= 0xDF) && jis::ShiftJisByteToUtf16(byte, back) == 1 && back[0] == unit;
    return code_page::ToUtf16(code_page::kShiftJis, bytes, count, back, 4) == 1 && back[0] == unit;
  }
  std::uint8_t pair[2];
  return count == 2 &&
         jis::FromShiftJis(static_cast<std::uint8_t>(bytes[0]), static_cast<std::uint8_t>(bytes[1]), pair) &&
         jis::JisX0208ToUtf16(pair[0], pair[1], back) == 1 && back[0] == unit;
}

// One byte per BMP unit (1 when it survives), so that a unit costs one load
// and no branch.
using SurvivorTable = std::array<std::uint8_t, 0x10000>;

bool Has(const SurvivorTable& table, char16_t unit) { return table[unit] != 0; }
void Put(SurvivorTable& table, std::uint32_t unit) { table[unit] = 1; }

// Built once per Japanese encoding, by its first scanner.
const SurvivorTable& TableFor(int encoding) {
  static std::array<std::unique_ptr<SurvivorTable>, 3> tables;
  std::unique_ptr<SurvivorTable>& table = tables[static_cast<std::size_t>(encoding - kShiftJis)];
  if (!table) {
    table = std::make_unique<SurvivorTable>();
    for (std::uint32_t unit = 0; unit < 0x80; ++unit) Put(*table, unit);
    for (std::uint32_t unit = 0x80; unit < 0x10000; ++unit)
      if (!IsSurrogate(static_cast<char16_t>(unit)) && JapaneseSurvives(static_cast<char16_t>(unit), encoding))
        Put(*table, unit);
  }
  return *table;
}

// Counts lost characters run by run; a surrogate pair may lie across two
// runs of one line.
class Scanner {
 public:
  explicit Scanner(int encoding)
      : encoding_(encoding), table_(encoding >= kShiftJis && encoding <= kIso2022Jp ? &TableFor(encoding) : nullptr) {}

  void StartLine(std::int32_t line) {
    EndLine();
    line_ = line;
    column_ = 0;
  }

  void Run(const char16_t* units, std::int32_t count) {
    if (encoding_ == kUtf16Le || encoding_ == kUtf16Be || encoding_ < kUtf8 || encoding_ > kSingleByte) return;
    if (!pending_high_ && AllSurvive(units, count)) {
      column_ += count;
      return;
    }
    std::int32_t i = 0;
    if (pending_high_ && count > 0) {
      pending_high_ = false;
      if (IsLow(units[0])) {
        PairOrUnpaired(true, column_ - 1);
        i = 1;
      } else {
        PairOrUnpaired(false, column_ - 1);
      }
    }
    for (; i < count; ++i) {
      const char16_t unit = units[i];
      if (unit < 0x80) continue;
      const std::int32_t at = column_ + i;
      if (!IsSurrogate(unit)) {
        if (!UnitSurvives(unit)) Lost(at);
      } else if (IsHigh(unit) && i + 1 < count) {
        const bool paired = IsLow(units[i + 1]);
        PairOrUnpaired(paired, at);
        if (paired) ++i;
      } else if (IsHigh(unit)) {
        pending_high_ = true;
      } else {
        PairOrUnpaired(false, at);
      }
    }
    column_ += count;
  }

  // Whether every unit of a stretch of whole lines survives; nothing is
  // counted.
  bool Survives(const char16_t* units, std::int32_t count) const {
    return !pending_high_ && AllSurvive(units, count);
  }

  CharacterLoss Finish() {
    EndLine();
    return loss_;
  }

 private:
  // A quick look at a whole run, four units to a 64-bit word: nearly every
  // run holds only what every encoding holds, and the check must cost
  // little beside the save.
  bool AllSurvive(const char16_t* units, std::int32_t count) const {
    constexpr std::uint64_t kLanes = 0x0001000100010001ull;
    std::int32_t i = 0;
    std::uint64_t found = 0;
    if (encoding_ == kUtf8) {
      // A lane is a surrogate when its top five bits are 11011.
      for (; i + 4 <= count; i += 4) {
        std::uint64_t word;
        std::memcpy(&word, units + i, sizeof word);
        const std::uint64_t other = (word & (0xF800 * kLanes)) ^ (0xD800 * kLanes);
        found |= (other - kLanes) & ~other & (0x8000 * kLanes);
      }
      for (; i < count; ++i) found |= IsSurrogate(units[i]);
      return found == 0;
    }
    if (table_) {
      // Words of ASCII pass as they are; the units of any other word go by
      // the table (a surrogate is never in it).
      const SurvivorTable& table = *table_;
      std::uint8_t all = 1;
      for (; i + 4 <= count; i += 4) {
        std::uint64_t word;
        std::memcpy(&word, units + i, sizeof word);
        if ((word & (0xFF80 * kLanes)) != 0)
          all &= table[units[i]] & table[units[i + 1]] & table[units[i + 2]] & table[units[i + 3]];
      }
      for (; i < count; ++i) all &= table[units[i]];
      return all != 0;
    }
    // The single-byte encoding.
    for (; i + 4 <= count; i += 4) {
      std::uint64_t word;
      std::memcpy(&word, units + i, sizeof word);
      found |= word;
    }
    for (; i < count; ++i) found |= units[i];
    return (found & (0xFF00 * kLanes)) == 0;
  }

  bool UnitSurvives(char16_t unit) const {
    if (encoding_ == kUtf8) return true;
    if (encoding_ == kSingleByte) return unit < 0x100;
    return Has(*table_, unit);
  }

  // UTF-8 holds a pair and loses an unpaired surrogate; the others lose both.
  void PairOrUnpaired(bool paired, std::int32_t at) {
    if (!paired || encoding_ != kUtf8) Lost(at);
  }

  void EndLine() {
    if (pending_high_) PairOrUnpaired(false, column_ - 1);
    pending_high_ = false;
  }

  void Lost(std::int32_t column) {
    if (loss_.count++ == 0) {
      loss_.line = line_;
      loss_.column = column;
    }
  }

  int encoding_;
  const SurvivorTable* table_;
  CharacterLoss loss_;
  std::int32_t line_ = 0;
  std::int32_t column_ = 0;
  bool pending_high_ = false;
};

void ScanLine(Scanner& scanner, LineRecord& line, std::int32_t index) {
  scanner.StartLine(index);
  const std::int32_t length = line.TextLength();
  const LineRuns runs = line.Runs();
  const std::int32_t first = runs.first_count < length ? runs.first_count : length;
  scanner.Run(runs.first, first);
  if (length > first) scanner.Run(runs.second, length - first);
}

// Lines first_index .. end_index - 1, the first of them first_line, into
// scanner.  A loaded text lies line after line in one block: such a stretch
// is looked at in one go (its line feeds survive every encoding), which
// spares the work of each line; only a stretch that loses something is
// looked at line by line for where.
void ScanLines(Scanner& scanner, LineRecord* line, std::int32_t first_index, std::int32_t end_index) {
  constexpr std::ptrdiff_t kLongestStretch = 1 << 16;
  for (std::int32_t i = first_index; i < end_index && line;) {
    LineRecord* const first_line = line;
    const std::int32_t stretch_index = i;
    LineRuns runs = line->Runs();
    const char16_t* const start = runs.first;
    const char16_t* end = runs.first + runs.first_count;
    const bool joined = runs.second_count == 0;
    for (line = line->Next(), ++i; joined && i < end_index && end - start < kLongestStretch;
         line = line->Next(), ++i) {
      runs = line->Runs();
      if (runs.second_count != 0 || runs.first != end) break;
      end += runs.first_count;
    }
    if (joined && scanner.Survives(start, static_cast<std::int32_t>(end - start))) continue;
    LineRecord* again = first_line;
    for (std::int32_t j = stretch_index; j < i; ++j, again = again->Next()) ScanLine(scanner, *again, j);
  }
}

// The later half's loss after the earlier half's: its first position only
// when the earlier half lost nothing.
CharacterLoss Joined(const CharacterLoss& head, const CharacterLoss& tail) {
  CharacterLoss whole = head.count ? head : tail;
  whole.count = head.count + tail.count;
  return whole;
}

}  // namespace

CharacterLoss Find(TextStore& store, int encoding) {
  // The check comes before every save, and a long text is read faster by
  // both cores, each taking half of the lines.
  constexpr std::int32_t kLinesForTwoParts = 1 << 16;
  Scanner head(encoding);
  if (encoding == kUtf16Le || encoding == kUtf16Be) return head.Finish();
  const std::int32_t count = store.LineCount();
  const std::int32_t cut = count >= kLinesForTwoParts ? count / 2 : count;
  Scanner tail(encoding);
  LineRecord* const tail_line = store.Line(cut);
  auto scan_tail = [&] { ScanLines(tail, tail_line, cut, count); };
  auto scan_head = [&] { ScanLines(head, store.Line(0), 0, cut); };
  if (cut < count)
    RunBeside(scan_head, scan_tail);
  else
    scan_head();
  return Joined(head.Finish(), tail.Finish());
}

CharacterLoss FindInUnits(const char16_t* units, std::int32_t count, int encoding) {
  Scanner scanner(encoding);
  scanner.Run(units, count);
  return scanner.Finish();
}

}  // namespace character_loss
