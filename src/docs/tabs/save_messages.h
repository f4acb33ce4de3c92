#pragma once
// The texts of the save questions and failure reports, put together from
// language strings and what the save found.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "docs/character_loss.h"

namespace save_messages {

// `text` with "%1", "%2", ... replaced by the values in order; other "%"
// signs stay as they are.
std::u16string FillIn(std::u16string_view text, const std::vector<std::u16string>& values);

// The lost-characters question: %1 the encoding's name, %2 the line and
// %3 the column of the first lost character (both counted from 1), %4 how
// many are lost.
std::u16string LossQuestion(std::u16string_view text, std::u16string_view encoding_name, const CharacterLoss& loss);

// A path broken into lines of at most `width` units after its "\" (a
// longer name stays whole), so that a message box does not grow wider than
// the screen: it breaks lines only at spaces.
std::u16string WrapPath(std::u16string_view path, std::size_t width);

// One failed file: its path (wrapped at 80 units), then the system's reason on the next line when
// there is one, then where the old bytes are kept when they could not be
// put back (`kept_text` with %1 the copy's path).
struct FailedFile {
  std::u16string path;
  std::u16string reason;
  std::u16string kept_copy;
};
std::u16string FailureText(std::u16string_view head, const std::vector<FailedFile>& files,
                           std::u16string_view kept_text);

}  // namespace save_messages
