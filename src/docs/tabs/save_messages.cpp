#include "docs/tabs/save_messages.h"

namespace save_messages {
namespace {

constexpr std::size_t kPathWidth = 80;

std::u16string Number(std::int64_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

std::u16string FillIn(std::u16string_view text, const std::vector<std::u16string>& values) {
  std::u16string filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool mark = text[i] == u'%' && i + 1 < text.size() && text[i + 1] >= u'1' && text[i + 1] <= u'9';
    const std::size_t index = mark ? static_cast<std::size_t>(text[i + 1] - u'1') : values.size();
    if (index < values.size()) {
      filled += values[index];
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

std::u16string LossQuestion(std::u16string_view text, std::u16string_view encoding_name, const CharacterLoss& loss) {
  return FillIn(text,
                {std::u16string(encoding_name), Number(loss.line + 1), Number(loss.column + 1), Number(loss.count)});
}

std::u16string WrapPath(std::u16string_view path, std::size_t width) {
  std::u16string wrapped;
  std::size_t line_start = 0;
  while (path.size() - line_start > width) {
    // The last separator that keeps the line within the width, else the
    // first one after it.
    std::size_t cut = path.rfind(u'\\', line_start + width - 1);
    if (cut == std::u16string_view::npos || cut < line_start) cut = path.find(u'\\', line_start + width);
    if (cut == std::u16string_view::npos || cut + 1 >= path.size()) break;
    wrapped.append(path.substr(line_start, cut + 1 - line_start));
    wrapped += u'\n';
    line_start = cut + 1;
  }
  wrapped.append(path.substr(line_start));
  return wrapped;
}

std::u16string FailureText(std::u16string_view head, const std::vector<FailedFile>& files,
                           std::u16string_view kept_text) {
  std::u16string text(head);
  for (const FailedFile& file : files) {
    text += u"\n\n";
    text += WrapPath(file.path, kPathWidth);
    if (!file.reason.empty()) text += u"\n" + file.reason + u".";
    if (!file.kept_copy.empty()) text += u"\n" + FillIn(kept_text, {file.kept_copy});
  }
  return text;
}

}  // namespace save_messages
