#pragma once
// Go to line: a dialog asks for a line number, and the active document's
// caret goes to the start of that line (the last one when past the end).
namespace go_to_line {

// The typed number, one-based, as a line index; -1 (cancel) for what is no
// number or no line.
int LineIndexFromText(const char16_t* text);
void Run();

}  // namespace go_to_line
