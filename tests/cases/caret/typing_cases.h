#pragma once
// Typed characters as data: the text with its caret (|) and anchor (^), the
// characters typed (escapes as in the marked text; \b is Backspace, \e
// Escape, \r Enter), whether Shift is held and the auto-indent setting,
// and the text expected.

struct TypingCase {
  const char* name;
  const char* text;
  const char* typed;
  bool shift;
  bool auto_indent;
  const char* expected;
};

inline const TypingCase kTypingCases[] = {
    {"a character", "ab|c", "x", false, false, "abx|c"},
    {"typing replaces the selection", "a^bc|d", "x", false, false, "ax|d"},
    {"backspace", "ab|c", "\\b", false, false, "a|c"},
    {"backspace deletes the selection only", "a^bc|d", "\\b", false, false, "a|d"},
    {"backspace at the start joins lines", "ab\\n|cd", "\\b", false, false, "ab|cd"},
    {"escape does nothing", "a^b|c", "\\e", false, false, "a^b|c"},
    {"tab", "a|b", "\\t", false, false, "a\\t|b"},
    {"tab replaces a selection inside a line", "a^bc|d", "\\t", false, false, "a\\t|d"},
    {"shift tab inside a line still types a tab", "a^bc|d", "\\t", true, false, "a\\t|d"},
    {"tab over two lines indents both", "a^b\\ncd|e", "\\t", false, false, "\\ta^b\\n\\tcd|e"},
    {"tab ending at column 0 indents one line", "a^b\\n|cd", "\\t", false, false, "\\ta^b\\n|cd"},
    {"shift tab unindents", "\\ta^b\\n\\tcd|e\\n\\tf", "\\t", true, false, "a^b\\ncd|e\\n\\tf"},
    {"enter", "ab|c", "\\r", false, false, "ab\\n|c"},
    {"enter with auto-indent copies leading tabs", "\\t\\ta|bc", "\\r", false, true, "\\t\\ta\\n\\t\\t|bc"},
    {"enter without the setting", "\\t\\ta|bc", "\\r", false, false, "\\t\\ta\\n|bc"},
    {"enter at column 0 never auto-indents", "|\\t\\tabc", "\\r", false, true, "\\n|\\t\\tabc"},
    {"enter on a line without tabs", "ab|c", "\\r", false, true, "ab\\n|c"},
    {"enter replaces a selection", "a^bc|d", "\\r", false, false, "a\\n|d"},
    {"several characters", "|", "ab\\rc\\b\\bd", false, false, "abd|"},
    {"a surrogate pair typed in two units", "a|b", "\\u{1F600}", false, false, "a\\u{1F600}|b"},
};
