#include "settings/catalogue.h"

#include <array>

namespace catalogue {
namespace {

using Table = std::array<Entry, kEntryCount>;

constexpr void Set(Table& table, std::uint32_t first, std::uint32_t last, Entry entry) {
  for (std::uint32_t i = first; i <= last; ++i) table[i] = entry;
}

constexpr Entry Int(std::int32_t fallback, Rule rule = Rule::None, std::int32_t low = 0, std::int32_t high = 0) {
  return {Kind::Int, rule, fallback, low, high};
}
constexpr Entry Bool(bool fallback, Rule rule = Rule::None) { return {Kind::Bool, rule, fallback ? 1 : 0}; }
constexpr Entry Colour(std::uint32_t fallback) {
  return {Kind::Colour, Rule::None, static_cast<std::int32_t>(fallback)};
}
constexpr Entry Text(Rule rule = Rule::None) { return {Kind::String, rule}; }

constexpr Table Build() {
  Table t{};
  Set(t, 0, 0, Text());  // language module, read before the rest
  Set(t, 1, 1, Bool(false));
  Set(t, 2, 3, Int(0));
  Set(t, 4, 4, Int(800));
  Set(t, 5, 5, Int(600));
  Set(t, 6, 7, Bool(true));
  Set(t, 8, 9, Int(180, Rule::Range, 44, kMaxPaneWidth));
  Set(t, 10, 12, Bool(true));
  Set(t, 13, 14, {Kind::StringList, Rule::FirstRun});
  Set(t, 15, 16, {Kind::FlaggedList, Rule::FirstRun});
  Set(t, 17, 17, Text(Rule::Special));  // must name an existing folder
  Set(t, 18, 18, Int(-12, Rule::OneOf, -14));
  Set(t, 19, 19, Int(400, Rule::OneOf, 700));
  Set(t, 20, 20, {Kind::Bytes, Rule::Special});  // key-binding records
  Set(t, 21, 21, Int(0, Rule::UnsignedRange, 0, 3));
  Set(t, 22, 22, Int(3));
  Set(t, 23, 23, Bool(false));
  Set(t, 24, 24, Text(Rule::Special));  // language string when missing
  Set(t, 25, 25, Int(10, Rule::Range, 8, 72));
  Set(t, 26, 26, Int(1, Rule::Range, 0, 10));
  Set(t, 27, 27, Int(4, Rule::Range, 1, 10));
  constexpr std::uint32_t colours[13] = {0xFFFFFF, 0x000000, 0x808080, 0xFFFFFF, 0xD4D4FF, 0xC0C0C0, 0xDC3C00,
                                         0x786400, 0x402080, 0x649696, 0x307260, 0xAA4058, 0x00508C};
  for (std::uint32_t k = 0; k < 13; ++k) Set(t, 28 + k, 28 + k, Colour(colours[k]));
  Set(t, 41, 41, Bool(false));
  Set(t, 42, 43, Int(-1));
  Set(t, 44, 44, Int(0, Rule::UnsignedRange, 0, 6));
  Set(t, 45, 45, Int(0, Rule::UnsignedRange, 0, 2));
  Set(t, 46, 85, Text());
  Set(t, 86, 105, Text(Rule::ListEnd));
  Set(t, 106, 125, Int(0, Rule::WithPath));
  Set(t, 126, 145, Text(Rule::ListEnd));
  Set(t, 146, 165, Int(0, Rule::WithPath));
  Set(t, 166, 185, Text(Rule::WithPath));
  Set(t, 186, 209, Text(Rule::FirstRun));
  Set(t, 210, 221, Bool(false, Rule::FirstRun));
  Set(t, 222, 289, Text(Rule::FirstRun));
  Set(t, 290, 292, Bool(false));
  Set(t, 293, 293, Int(0));
  Set(t, 294, 294, {Kind::Bytes, Rule::Special});  // at most 64 bytes
  Set(t, 295, 296, Bool(false));
  Set(t, 297, 316, Text(Rule::ListEnd));
  Set(t, 317, 336, Int(0, Rule::WithPath));
  constexpr std::int32_t actions[7] = {5130, 0, 0, 5121, 5122, 6000, 6001};
  for (std::uint32_t k = 0; k < 7; ++k) Set(t, 337 + k, 337 + k, Int(actions[k]));
  Set(t, 344, 344, Bool(true));
  Set(t, 345, 345, Int(300));
  Set(t, 346, 346, Bool(false));
  Set(t, 347, 347, Int(5125));
  Set(t, 348, 348, Int(5310));
  Set(t, 349, 349, Bool(false));
  Set(t, 350, 350, Bool(true));
  Set(t, 351, 351, Colour(0xA0F8FF));
  Set(t, 352, 352, Colour(0xECFFD8));
  Set(t, 353, 353, Int(0, Rule::Special));  // active tab, checked against the tabs restored
  Set(t, 354, 354, Colour(0xAF00AF));  // script keywords
  Set(t, 355, 355, Colour(0x808000));  // script numbers and regular expressions
  Set(t, 356, 356, {Kind::StringList, Rule::Special});  // script extensions; older files get the defaults
  Set(t, 357, 357, Bool(false));  // the find bar takes its text as a regular expression
  Set(t, 358, 358, Text(Rule::Special));                  // find in files: masks; older files get the defaults
  Set(t, 359, 359, {Kind::StringList, Rule::ListEnd});    // the last folders searched, newest first
  Set(t, 360, 360, Bool(true));                           // subfolders
  Set(t, 361, 362, Bool(false));                          // match case, regular expression
  return t;
}

constexpr Table kTable = Build();

}  // namespace

const Entry& At(std::uint32_t entry) {
  static constexpr Entry kNone{};
  return entry < kEntryCount ? kTable[entry] : kNone;
}

std::int32_t ApplyRule(std::uint32_t entry, std::int32_t stored) {
  const Entry& e = At(entry);
  switch (e.rule) {
    case Rule::Range:
      return stored < e.low ? e.low : stored > e.high ? e.high : stored;
    case Rule::OneOf:
      return stored == e.fallback || stored == e.low ? stored : e.fallback;
    case Rule::UnsignedRange:
      return static_cast<std::uint32_t>(stored) - static_cast<std::uint32_t>(e.low) <=
                     static_cast<std::uint32_t>(e.high - e.low)
                 ? stored
                 : e.fallback;
    default:
      return stored;
  }
}

}  // namespace catalogue
