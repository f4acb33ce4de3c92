#include "platform/recording_canvas.h"

#include <cstdio>

namespace {

std::string HexColour(Colour colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour & 0xFFFFFF));
  return text;
}

}  // namespace

std::string CanvasCall::Describe() const {
  std::string text;
  switch (kind) {
    case Kind::Text: {
      text = "text " + std::to_string(a) + "," + std::to_string(b) + " " + HexColour(colour) + "/" +
             HexColour(background) + (bold ? " bold '" : " '");
      for (char16_t unit : units) {
        if (unit >= 0x20 && unit < 0x7F) {
          text += static_cast<char>(unit);
        } else {
          char escaped[12];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(unit));
          text += escaped;
        }
      }
      text += "' [";
      for (std::size_t i = 0; i < advances.size(); ++i) {
        if (i > 0) text += ' ';
        text += std::to_string(advances[i]);
      }
      return text + "]";
    }
    case Kind::Fill:
      return "fill " + std::to_string(a) + "," + std::to_string(b) + "-" + std::to_string(c) + "," +
             std::to_string(d) + " " + HexColour(colour);
    case Kind::Line:
      return "line " + std::to_string(a) + "," + std::to_string(b) + "->" + std::to_string(c) + "," +
             std::to_string(d) + " " + HexColour(colour);
  }
  return text;
}

void RecordingCanvas::DrawText(std::int32_t x, std::int32_t y, const char16_t* units, std::int32_t count,
                               const std::int32_t* advances, const TextStyle& style) {
  CanvasCall call{CanvasCall::Kind::Text, x, y, 0, 0, style.text, style.background, style.bold, {}, {}};
  if (count > 0) {
    call.units.assign(units, units + count);
    call.advances.assign(advances, advances + count);
  }
  calls_.push_back(std::move(call));
}

void RecordingCanvas::FillRect(const CanvasRect& rect, Colour colour) {
  calls_.push_back({CanvasCall::Kind::Fill, rect.left, rect.top, rect.right, rect.bottom, colour, 0, false, {}, {}});
}

void RecordingCanvas::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colour colour) {
  calls_.push_back({CanvasCall::Kind::Line, x1, y1, x2, y2, colour, 0, false, {}, {}});
}
