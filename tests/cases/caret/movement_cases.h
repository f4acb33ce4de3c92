#pragma once
// Caret movement by the keys, as data: a text with its caret (|) and anchor
// (^), the keys pressed, and the text with the caret and anchor expected,
// the caret's x and, where it matters, the scroll position. Measures: 7
// pixels a narrow unit, 14 a wide one, tab stops every 28; a wrapped text
// area of 36 pixels holds 5 letters a row.

struct MovementCase {
  const char* name;
  bool wrapped;
  int text_width;  // pixels of the text area
  int rows;        // visible rows
  const char* text;
  const char* keys;
  const char* expected;
  int x;                  // the caret's x afterwards
  int first_row = -1;     // -1: not checked
  int scroll_column = -1; // -1: not checked
};

inline constexpr int kWide = 700;  // 100 columns, nothing scrolls sideways
inline constexpr int kRow5 = 36;   // five letters a wrapped row

inline const MovementCase kMovementCases[] = {
    // Vertical moves aim at the remembered x.
    {"down into a short line", false, kWide, 20, "0123456789|abcdef\\nshort\\n0123456789abcdef", "Down",
     "0123456789abcdef\\nshort|\\n0123456789abcdef", 35},
    {"down through a short line returns to the column", false, kWide, 20,
     "0123456789|abcdef\\nshort\\n0123456789abcdef", "Down Down", "0123456789abcdef\\nshort\\n0123456789|abcdef", 70},
    {"and back up", false, kWide, 20, "0123456789|abcdef\\nshort\\n0123456789abcdef", "Down Down Up Up",
     "0123456789|abcdef\\nshort\\n0123456789abcdef", 70},
    {"down past a tab", false, kWide, 20, "\\ta|b\\nabcdefghij", "Down", "\\tab\\nabcde|fghij", 35},
    {"up onto the right half of a wide character", false, kWide, 20, "漢字漢字\\nabc|defgh", "Up",
     "漢字|漢字\\nabcdefgh", 28},
    {"up onto the left half of a wide character", false, kWide, 20, "漢字漢字\\nab|cdefgh", "Up",
     "漢|字漢字\\nabcdefgh", 14},
    {"up on the first line stays", false, kWide, 20, "ab|c\\nd", "Up", "ab|c\\nd", 14},
    {"down on the last line stays", false, kWide, 20, "a\\nb|c", "Down", "a\\nb|c", 7},
    {"shift down selects", false, kWide, 20, "ab|c\\ndef", "S-Down", "ab^c\\nde|f", 14},
    {"down collapses a selection", false, kWide, 20, "a^b|c\\ndef", "Down", "abc\\nde|f", 14},

    // Left and Right, by unit.
    {"left at the start of the text", false, kWide, 20, "|abc\\ndef", "Left", "|abc\\ndef", 0},
    {"right at the end of the text", false, kWide, 20, "abc\\ndef|", "Right", "abc\\ndef|", 21},
    {"left onto the previous line feed", false, kWide, 20, "abc\\n|def", "Left", "abc|\\ndef", 21},
    {"right onto the next line", false, kWide, 20, "abc|\\ndef", "Right", "abc\\n|def", 0},
    {"shift right selects one unit", false, kWide, 20, "a|bc", "S-Right", "a^b|c", 14},
    {"left collapses to the selection start", false, kWide, 20, "a|bc", "S-Right Left", "a|bc", 7},
    {"right collapses to the selection end", false, kWide, 20, "a|bc^d", "Right", "abc|d", 21},
    {"left over a tab", false, kWide, 20, "a\\t|b", "Left", "a|\\tb", 7},
    {"right over a tab", false, kWide, 20, "a|\\tb", "Right", "a\\t|b", 28},
    {"a surrogate pair takes two steps", false, kWide, 20, "a|\\u{1F600}b", "Right Right", "a\\u{1F600}|b", 21},
    {"the first step passes the pair's width", false, kWide, 20, "a|\\u{1F600}b", "Right", "a\\u{D83D}|\\u{DE00}b",
     21},
    {"left back over the pair", false, kWide, 20, "a\\u{1F600}|b", "Left Left", "a|\\u{1F600}b", 7},
    {"shift left twice", false, kWide, 20, "abc|d", "S-Left S-Left", "a|bc^d", 7},

    // Home and End.
    {"end", false, kWide, 20, "ab|cd\\ne", "End", "abcd|\\ne", 28},
    {"home", false, kWide, 20, "ab|cd", "Home", "|abcd", 0},
    {"shift home", false, kWide, 20, "ab|cd", "S-Home", "|ab^cd", 0},
    {"shift end then home without shift", false, kWide, 20, "ab|cd", "S-End Home", "|abcd", 0},
    {"home collapses from the selection start", false, kWide, 20, "a^bc|d", "Home", "|abcd", 0},
    {"end collapses from the selection end", false, kWide, 20, "a|bc^d\\nx", "End", "abcd|\\nx", 28},

    // Document start and end.
    {"document end", false, kWide, 20, "|ab\\ncd", "C-End", "ab\\ncd|", 14},
    {"document start drops the selection", false, kWide, 20, "ab\\nc^d|", "C-Home", "|ab\\ncd", 0},

    // Wrapped rows: 'abcdefghijkl' is shown as abcde / fghij / kl.
    {"end on an upper row", true, kRow5, 20, "a|bcdefghijkl\\nxy", "End", "abcde|fghijkl\\nxy", 35},
    {"right from a row's end shows the lower row's start", true, kRow5, 20, "a|bcdefghijkl\\nxy", "End Right",
     "abcde|fghijkl\\nxy", 0},
    {"right again passes a unit", true, kRow5, 20, "a|bcdefghijkl\\nxy", "End Right Right", "abcdef|ghijkl\\nxy", 7},
    {"left from a lower row's start shows the upper row's end", true, kRow5, 20, "a|bcdefghijkl\\nxy",
     "End Right Left", "abcde|fghijkl\\nxy", 35},
    {"left again passes a unit", true, kRow5, 20, "a|bcdefghijkl\\nxy", "End Right Left Left", "abcd|efghijkl\\nxy",
     28},
    {"right to the last unit of a row shows the row's end", true, kRow5, 20, "abc|defghijkl", "Right Right",
     "abcde|fghijkl", 35},
    {"home on a lower row", true, kRow5, 20, "abcdefg|hijkl\\nxy", "Home", "abcde|fghijkl\\nxy", 0},
    {"home at a row's start stays", true, kRow5, 20, "abcdefg|hijkl\\nxy", "Home Home", "abcde|fghijkl\\nxy", 0},
    {"end from a lower row's start", true, kRow5, 20, "a|bcdefghijkl\\nxy", "End Right End", "abcdefghij|kl\\nxy", 35},
    {"end at a row's end stays", true, kRow5, 20, "a|bcdefghijkl\\nxy", "End End", "abcde|fghijkl\\nxy", 35},
    {"end on a line's last row", true, kRow5, 20, "abcdefghijk|l\\nxy", "End", "abcdefghijkl|\\nxy", 14},
    {"shift home on a lower row", true, kRow5, 20, "abcdefg|hijkl", "S-Home", "abcde|fg^hijkl", 0},
    {"down through rows", true, kRow5, 20, "abcd|efghijkl\\nxy", "Down", "abcdefghi|jkl\\nxy", 28},
    {"down to a short row", true, kRow5, 20, "abcd|efghijkl\\nxy", "Down Down", "abcdefghijkl|\\nxy", 14},
    {"down to the next line", true, kRow5, 20, "abcd|efghijkl\\nxy", "Down Down Down", "abcdefghijkl\\nxy|", 14},
    {"back up to the remembered x", true, kRow5, 20, "abcd|efghijkl\\nxy", "Down Down Down Up Up",
     "abcdefghi|jkl\\nxy", 28},
    {"down from a row's end", true, kRow5, 20, "a|bcdefghijkl\\nxy", "End Down", "abcdefghij|kl\\nxy", 35},
    {"up from a row's end", true, kRow5, 20, "a|bcdefghijkl\\nxy", "End Down Up", "abcde|fghijkl\\nxy", 35},
    {"down from a lower row's start", true, kRow5, 20, "a|bcdefghijkl\\nxy", "End Right Down", "abcdefghij|kl\\nxy",
     0},
    {"left onto a wrapped line's line feed", true, kRow5, 20, "abcdefghijkl\\n|xy", "Left", "abcdefghijkl|\\nxy", 14},
    {"up from a wrapped line's first row", true, kRow5, 20, "abcdefghijkl\\nab|cdefgh", "Up Up",
     "abcdefg|hijkl\\nabcdefgh", 14},
    {"document end on a wrapped line", true, kRow5, 20, "|abcdefghijkl", "C-End", "abcdefghijkl|", 14},

    // Pages: 30 lines, 10 visible rows; the first line can go up to 26.
    {"page down", false, kWide, 10, "line00\\nlin|e01\\nline02", "PgDn", "line00\\nline01\\nlin|e02", 21, 0},
    {"page up at the top", false, kWide, 10, "lin|e00\\nline01", "PgUp", "lin|e00\\nline01", 21, 0},
};
