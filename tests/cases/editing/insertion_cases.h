#pragma once
// Typing, inserting texts, caret targets and automatic indentation.
inline constexpr const char* kInsertionCases = R"cases(
case: Typing inserts at the caret; a line feed splits the line
text: ab|c
do: type X
expect: abX|c
notify: changed modified
returns: 0
do: type \n
expect: abX\n|c
notify: changed inserted(0,1)
returns: 0

case: Typing over a selection is a joined pair: one undo reselects, one redo replaces again
text: a^bc|d
do: type X
expect: aX|d
notify: changed modified changed
do: undo
expect: a^bc|d
notify: changed modified
do: redo
expect: aX|d
notify: changed modified

case: A line feed at the end of the last line starts an empty last line
text: ab|
do: type \n
expect: ab\n|
notify: changed modified inserted(0,1)
do: undo
expect: ab|
notify: removed(0,1) changed modified

case: A line feed at column 0 inserts a line before
text: ab\n|cd
do: type \n
expect: ab\n\n|cd
notify: changed modified inserted(1,1)

case: A line feed before trailing NULs keeps them after the break
text: ab|\0\0
do: type \n
expect: ab\n|\0\0

case: A carriage return is never stored as a unit
text: a|b
do: type \r
returns: -1
expect: a|b
notify: -

case: NUL and surrogate halves are typed like any unit
text: a|b
do: type \0
do: type \u{D83D}
do: type \u{DE00}
expect: a\0\u{1F600}|b

case: Inserted text drops carriage returns and keeps NULs
text: x|y
do: insert 1\r\n2\0\r\n3
expect: x1\n2\0\n3|y
notify: changed modified inserted(0,2)
returns: 0
do: undo
expect: x|y
notify: removed(0,2) changed modified

case: Inserting over a multi-line selection
text: a^b\nc|d
do: insert XY
expect: aXY|d
notify: changed modified removed(0,1) changed

case: Inserting nothing over a selection deletes it as a change of its own
text: a^b|c
do: insert \r
expect: a|c
notify: changed modified
do: undo
expect: a^b|c

case: Inserting nothing with no selection does nothing
text: a|b
do: insert \r\r
returns: -1
notify: -

case: A target with column -1 puts the caret on the previous line's line feed
text: ab\ncd|
do: insert-target 1 -1 XY
expect: ab|\ncdXY
do: undo
expect: ab\ncd|
do: redo
expect: ab|\ncdXY

case: A target beyond its line's text moves on into the following lines
text: |ab\ncd\nef
do: insert-target 0 5 Z
expect: Zab\nc|d\nef

case: A target past the end stops at the end; before the start at the start
text: ab\n|cd
do: insert-target 1 9 X
expect: ab\nXcd|
do: insert-target 1 -10 Y
expect: |ab\nXcdY

case: An insertion marked to select after redo selects its text when redone
text: a|b
do: insert-selecting XYZ
expect: aXYZ|b
do: undo
expect: a|b
do: redo
expect: a^XYZ|b

case: Enter after leading tabs repeats them
text: \t\tab|c
do: enter
expect: \t\tab\n\t\t|c
notify: changed modified inserted(0,1)
returns: 1
do: undo
expect: \t\tab|c
notify: removed(0,1) changed modified

case: Enter at column 0 never indents
text: |\t\tabc
do: enter
expect: \n|\t\tabc

case: Enter in a line starting with spaces is a plain line break
text: \s\sab|c
do: enter
expect: \s\sab\n|c

case: In wrapped lines a caret on a row boundary comes back to the same row
# Rows of four letters: the fifth would end on the wrap width.
wrap: 35
text: abcd|efghij
do: type X
expect: abcdX|efghij
do: backspace
do: type \n
expect: abcd\n|efghij
do: undo
expect: abcd|efghij
)cases";
