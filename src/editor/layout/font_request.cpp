#include "editor/layout/font_request.h"

#include <algorithm>

namespace editor_font {

platform::FontRequest Request(std::u16string_view face, std::int32_t points, std::int32_t pixels_per_inch,
                              std::int32_t weight) {
  platform::FontRequest request;
  request.height = -(pixels_per_inch * points) / 72;
  request.weight = weight;
  request.pitch_and_family = 1;  // FIXED_PITCH
  request.char_set = 1;          // DEFAULT_CHARSET
  std::size_t units = std::min<std::size_t>(face.size(), 31);
  std::copy_n(face.data(), units, request.face);
  request.face[units] = 0;
  return request;
}

}  // namespace editor_font
