#pragma once
// How failures are shown: a message box with the error icon, brought to the
// front.  Before a language module exists only the fixed start-up texts
// can be shown; afterwards every text is a language string.
#include <string_view>

namespace error_box {

// Caption "Error", no owner: for the two start-up failures.
void ShowFixed(const char16_t* text);

// Language string id as the text, string 30000 as the caption, owned by
// the main window.
void Show(unsigned text_id);
// The same with a file's name on a line of its own after the text.
void ShowNamed(unsigned text_id, std::u16string_view name);

}  // namespace error_box
