#pragma once
// The numbered entries of the settings file: each one's kind, default and
// the rule applied to what is read.  The table is data; LoadSettings and
// SaveSettings decide where each value lives.
#include <cstdint>

namespace catalogue {

enum class Kind : std::uint8_t { Int, Bool, Colour, String, StringList, FlaggedList, Bytes };

enum class Rule : std::uint8_t {
  None,           // read as stored
  Range,          // clamped to low..high
  OneOf,          // anything but the default or `low` becomes the default
  UnsignedRange,  // compared unsigned: above high becomes the default
  FirstRun,       // built on a first run instead of read
  ListEnd,        // a list of slots that ends at the first empty string
  WithPath,       // read only for the list slots that have a path
  Special,        // a rule of its own in LoadSettings
};

struct Entry {
  Kind kind = Kind::Int;
  Rule rule = Rule::None;
  std::int32_t fallback = 0;  // the default of inline entries
  std::int32_t low = 0;
  std::int32_t high = 0;
};

constexpr std::uint32_t kEntryCount = 363;

const Entry& At(std::uint32_t entry);

// The read rule of an inline entry applied to a stored value.
std::int32_t ApplyRule(std::uint32_t entry, std::int32_t stored);

// The largest pane width kept; far beyond any screen, small enough that sums
// of widths and positions cannot overflow.
constexpr std::int32_t kMaxPaneWidth = 32767;

}  // namespace catalogue
