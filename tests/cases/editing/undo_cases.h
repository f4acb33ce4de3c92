#pragma once
// The undo history: single steps, joined pairs, the branch discarded by a
// new edit, and the modified state following the saved position.
inline constexpr const char* kUndoCases = R"cases(
case: Every typed unit is one undo step
text: |
do: type a
do: type b
do: type c
do: undo
expect: ab|
returns: 1

case: Undo and redo with nothing recorded do nothing
text: a|b
do: undo
returns: 0
notify: -
do: redo
returns: 0
notify: -

case: Save, type, undo: not modified again, and the state flipped twice
text: ab|
do: save
do: type x
modified: yes
notify: changed modified
do: undo
modified: no
notify: changed modified
do: redo
modified: yes
notify: changed modified

case: Undoing below the saved position and redoing back to it is not modified
text: |
do: type a
do: type b
do: save
do: undo
modified: yes
do: redo
modified: no
notify: changed modified

case: Save, undo twice, type: the saved state is out of reach for good
text: |
do: type a
do: type b
do: save
modified: no
do: undo
modified: yes
notify: changed modified
do: undo
modified: yes
notify: changed
do: type c
modified: yes
notify: changed
do: undo
modified: yes
notify: changed
do: undo
returns: 0
modified: yes

case: A new edit after undo discards the redo branch
text: |
do: type a
do: type b
do: undo
do: type c
expect: ac|
do: redo
returns: 0
do: undo
expect: a|
do: undo
expect: |
do: redo
expect: a|
do: redo
expect: ac|

case: Joined pairs are undone and redone one pair at a time
text: ^ab|\ncd
do: type X
do: select 1 0 1 2
do: insert YZ
expect: X\nYZ|
do: undo
expect: X\n^cd|
notify: changed
do: undo
expect: ^ab|\ncd
notify: changed modified
do: redo
expect: X|\ncd
do: redo
expect: X\nYZ|

case: Undo after a conversion over lines restores lines and selection
text: a^b\ncd\ne|f
do: upper
expect: aB\nCD\nE|f
do: undo
expect: a^b\ncd\ne|f
notify: removed(0,2) inserted(0,2) changed modified
)cases";
