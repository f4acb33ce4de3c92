#pragma once
// Case and width conversion of the selection.
inline constexpr const char* kConversionCases = R"cases(
case: Upper case is a joined pair; NULs in the selection survive
text: x^a\0b|y
do: upper
expect: xA\0B|y
notify: changed modified changed
returns: 0
do: undo
expect: x^a\0b|y
notify: changed modified

case: Lower case over lines
text: ^AB\nCD|
do: lower
expect: ab\ncd|
notify: changed modified removed(0,1) changed inserted(0,1)

case: Full width and back to half width
text: ^Ab 1|
do: fullwidth
expect: Ａｂ　１|
do: select 0 0 0 4
do: halfwidth
expect: Ab 1|

case: Katakana and back to hiragana
text: ^かな|
do: katakana
expect: カナ|
do: select 0 0 0 2
do: hiragana
expect: かな|

case: A failed mapping leaves the selection as it was
text: a^bc|d
do: convert 300000
returns: -1
expect: a^bc|d
notify: -
modified: no

case: Converting with nothing selected does nothing
text: ab|c
do: upper
returns: -1
notify: -
)cases";
