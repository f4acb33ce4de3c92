#include "settings/dialogs/font_fields.h"

#include <algorithm>
#include <new>
#include <string>

#include "platform/path_text.h"

namespace font_fields {
namespace {

constexpr std::size_t kFaceLimit = 31;
constexpr std::uint32_t kTrueType = 4;
constexpr std::uint8_t kFixedPitch = 1;

bool AppendNumber(WideString& text, std::int32_t number) {
  const std::string digits = std::to_string(number);
  for (char digit : digits)
    if (!text.Append(static_cast<char16_t>(digit))) return false;
  return true;
}

}  // namespace

bool RangeLabel(Range range, WideString& label) {
  return label.Assign(u"(") && AppendNumber(label, range.low) && label.Append(u'-') &&
         AppendNumber(label, range.high) && label.Append(u')');
}

std::u16string_view FaceName(std::u16string_view chosen) { return chosen.substr(0, kFaceLimit); }

bool Offer(std::vector<WideString>& faces, std::u16string_view face, std::uint32_t font_type,
           std::uint8_t pitch_and_family) {
  if (!(font_type & kTrueType) || !(pitch_and_family & kFixedPitch)) return false;
  if (face.empty() || face.front() == u'@') return false;
  if (std::any_of(faces.begin(), faces.end(),
                  [&](const WideString& offered) { return path_text::SameName(offered.View(), face); }))
    return false;
  WideString added;
  if (!added.Assign(face)) return false;
  try {
    faces.push_back(std::move(added));
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

}  // namespace font_fields
