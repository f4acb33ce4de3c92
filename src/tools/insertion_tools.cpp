#include "tools/insertion_tools.h"

#include "platform/path_text.h"
#include "tools/relative_path.h"

namespace insertion_tools {
namespace {

constexpr std::u16string_view kOpener = u"<!--";
constexpr std::u16string_view kCloser = u"-->";

bool AppendDecimal(WideString& text, std::int64_t value, int min_digits = 1) {
  char16_t digits[24];
  int count = 0;
  std::uint64_t rest = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  do {
    digits[count++] = static_cast<char16_t>(u'0' + rest % 10);
    rest /= 10;
  } while (rest != 0 || count < min_digits);
  if (value < 0) digits[count++] = u'-';
  for (int i = count - 1; i >= 0; --i) {
    if (!text.Append(digits[i])) return false;
  }
  return true;
}

// Wrapped in the comment markers, which must not overlap ("<!-->").
bool Commented(std::u16string_view text) {
  return text.size() >= kOpener.size() + kCloser.size() && text.starts_with(kOpener) && text.ends_with(kCloser);
}

// Closes the value before and opens this attribute's: '" name="value'.
bool AppendAttribute(WideString& text, std::u16string_view name, std::int64_t value) {
  return text.Append(u"\" ") && text.Append(name) && text.Append(u"=\"") && AppendDecimal(text, value);
}

bool IsImage(std::u16string_view path, const std::vector<WideString>& image_extensions) {
  const std::u16string_view extension = path_text::ExtensionOf(path);
  if (extension.empty()) return false;
  for (const WideString& image_extension : image_extensions) {
    if (path_text::SameName(extension, image_extension.View())) return true;
  }
  return false;
}

}  // namespace

bool ToggleComment(Document& document) {
  WideString text;
  if (document.Selection().exists) {
    if (!document.SelectionText(text)) return false;
  } else if (!document.CurrentLineText(text) || text.Empty() || !document.SelectLine()) {
    return false;
  }
  const std::u16string_view view = text.View();
  WideString replacement;
  const bool built =
      Commented(view)
          ? replacement.Assign(view.substr(kOpener.size(), view.size() - kOpener.size() - kCloser.size()))
          : replacement.Assign(kOpener) && replacement.Append(view) && replacement.Append(kCloser);
  const TextPosition start = document.Selection().start;
  return built && document.InsertText(replacement.View(), &start) >= 0;
}

bool DateText(const CalendarDate& date, WideString& text) {
  text.Clear();
  return AppendDecimal(text, date.year) && text.Append(u'-') && AppendDecimal(text, date.month, 2) &&
         text.Append(u'-') && AppendDecimal(text, date.day, 2);
}

bool InsertDate(Document& document, const CalendarDate& date) {
  WideString text;
  return DateText(date, text) && document.InsertText(text.View()) >= 0;
}

bool InsertColour(Document& document, std::uint32_t colour) {
  const std::array<char16_t, 7> text = path_text::ColourText(colour);
  return document.InsertText({text.data(), text.size()}) >= 0;
}

bool ImageTag(std::u16string_view source, const ImageSize& size, WideString& tag) {
  // A known format whose size was not found gets no size rather than a
  // zero one, which would hide the image.
  const bool sized = size.format == ImageFormat::kUnreadable ||
                     (size.format != ImageFormat::kUnknown && (size.width != 0 || size.height != 0));
  return tag.Assign(u"<img src=\"") && tag.Append(source) &&
         (!sized || (AppendAttribute(tag, u"width", size.width) && AppendAttribute(tag, u"height", size.height))) &&
         tag.Append(u"\" alt=\"\">");
}

bool InsertDroppedFile(Document& document, std::u16string_view path,
                       const std::vector<WideString>& image_extensions) {
  WideString text;
  if (!relative_path::PathText(document.File().path.View(), path, text)) return false;
  if (!IsImage(path, image_extensions)) return document.InsertText(text.View()) >= 0;
  WideString tag;
  if (!ImageTag(text.View(), ReadImageSize(path), tag)) return false;
  const SelectionState& selection = document.Selection();
  TextPosition inside_alt = selection.exists ? selection.start : selection.caret;
  inside_alt.column += static_cast<std::int32_t>(tag.Length()) - 2;
  return document.InsertText(tag.View(), &inside_alt) >= 0;
}

}  // namespace insertion_tools
