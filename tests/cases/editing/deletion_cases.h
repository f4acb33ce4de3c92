#pragma once
// Backspace, Delete and deleting the selection. Format: see
// tests/portable/editor/editing/editing_cases_test.cpp.
inline constexpr const char* kDeletionCases = R"cases(
case: Backspace at column 0 of line 3 joins it onto line 2; undo restores the break
text: l0\nl1\nl2\n|l3
do: backspace
expect: l0\nl1\nl2|l3
notify: changed modified removed(2,1)
returns: 2
do: undo
expect: l0\nl1\nl2\n|l3
notify: inserted(2,1) changed modified
do: redo
expect: l0\nl1\nl2|l3
notify: removed(2,1) changed modified

case: Backspace takes one unit; at the start of the text it does nothing
text: a|bc
do: backspace
expect: |bc
notify: changed modified
returns: 0
do: backspace
expect: |bc
notify: -
returns: -1

case: Delete on the line feed joins the next line; at the end of the text it does nothing
text: ab|\ncd
do: delete
expect: ab|cd
notify: changed modified removed(0,1)
do: select 0 4 0 4
do: delete
returns: -1
notify: -
expect: abcd|

case: Delete on a line holding only its line feed removes that line
text: a\n|\nb
do: delete
expect: a\n|b
notify: changed modified removed(1,1)
do: undo
expect: a\n|\nb
notify: inserted(1,1) changed modified

case: Backspace onto an empty line removes it; the joined empty last line goes too
text: a\n\n|
do: backspace
expect: a\n|
notify: changed modified removed(1,1)
do: backspace
expect: a|
notify: changed removed(0,1)

case: Backspace after a surrogate pair takes one unit at a time
text: x\u{1F600}|y
do: backspace
expect: x\u{D83D}|y
do: backspace
expect: x|y
do: undo
expect: x\u{D83D}|y
do: undo
expect: x\u{1F600}|y

case: A stored NUL survives its deletion and undo
text: a\0|\0b
do: backspace
expect: a|\0b
do: delete
expect: a|b
do: undo
do: undo
expect: a\0|\0b

case: Deleting a selection within one line
text: a^bc|d
do: delete-selection
expect: a|d
notify: changed modified
returns: 0
do: undo
expect: a^bc|d
notify: changed modified

case: Deleting over lines keeps the head of the first line and the tail of the last
text: l0\nab^c\nmid\nmid2\nx|yz\nl5
do: delete-selection
expect: l0\nab|yz\nl5
notify: changed modified removed(1,3)
returns: 1
do: undo
expect: l0\nab^c\nmid\nmid2\nx|yz\nl5
notify: inserted(1,3) changed modified

case: A selection from column 0 removes its first line; the selection direction survives undo
text: l0\n|abc\ndef^gh
do: delete-selection
expect: l0\n|gh
notify: changed modified removed(1,1)
do: undo
expect: l0\n|abc\ndef^gh

case: A selection ending at column 0 takes the line feed before it
text: a^b\n|cd
do: delete-selection
expect: a|cd
notify: changed modified removed(0,1)

case: Deleting the whole text leaves one empty line
text: ^ab\ncd\n|
do: delete-selection
expect: |
notify: changed modified removed(0,2)

case: Deleting with nothing selected does nothing
text: ab|c
do: delete-selection
returns: -1
notify: -
modified: no
)cases";
