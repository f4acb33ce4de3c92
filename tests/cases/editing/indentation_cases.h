#pragma once
// Indenting and unindenting lines with leading tabs.
inline constexpr const char* kIndentationCases = R"cases(
case: A selection from line 4 column 2 to line 7 column 0 indents lines 4 to 6 only
text: l0\nl1\nl2\nl3\nl4^x\nl5\nl6\n|l7
do: indent
expect: l0\nl1\nl2\nl3\n\tl4^x\n\tl5\n\tl6\n|l7
notify: changed modified
returns: 4
do: undo
expect: l0\nl1\nl2\nl3\nl4^x\nl5\nl6\n|l7
notify: changed modified
do: redo
expect: l0\nl1\nl2\nl3\n\tl4^x\n\tl5\n\tl6\n|l7

case: Anchor and caret move with their lines' text, except at column 0
text: a^b\ncd|
do: indent
expect: \ta^b\n\tcd|
do: indent
expect: \t\ta^b\n\t\tcd|
do: undo
expect: \ta^b\n\tcd|

case: A two-line selection ending at column 0 indents one line
text: ^ab\n|cd
do: indent
expect: ^\tab\n|cd
returns: 0

case: Unindent skips lines starting with spaces; undo restores tabs only where one went
text: ^\ta\n\s\sb\n\t\tc\n\td|
do: unindent
expect: ^a\n\s\sb\n\tc\nd|
notify: changed modified
returns: 0
do: undo
expect: ^\ta\n\s\sb\n\t\tc\n\td|
notify: changed modified
do: redo
expect: ^a\n\s\sb\n\tc\nd|

case: Unindent leaves the caret where it is on a line that kept its text
text: \ta^b\n\s\scd|
do: unindent
expect: a^b\n\s\scd|

case: Undoing the unindent of a line holding only a tab puts the caret back after it
text: a\n\t|
do: unindent
expect: a\n|
do: undo
expect: a\n\t|
do: redo
expect: a\n|

case: Unindent with no leading tab changes nothing and records nothing
text: ^ab\n\s\scd|
do: unindent
returns: -1
notify: -
modified: no

case: Indenting with nothing selected indents the caret line unless the caret is at column 0
text: |ab
do: indent
returns: -1
notify: -
do: select 0 1 0 1
do: indent
expect: \ta|b
)cases";
