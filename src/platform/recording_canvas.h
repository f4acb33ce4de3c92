#pragma once
// A canvas that draws nothing and keeps every call, for tests and
// benchmarks that compare what two paints would have put on the screen.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"

struct CanvasCall {
  enum class Kind { Text, Fill, Line };
  Kind kind;
  // Text: x, y of the run; Fill: the rectangle; Line: the two points.
  std::int32_t a, b, c, d;
  Colour colour;    // fill or line colour; the text colour of a run
  Colour background;  // runs only
  bool bold;          // runs only
  std::u16string units;
  std::vector<std::int32_t> advances;

  bool operator==(const CanvasCall&) const = default;
  // One line, for failure messages: "text 10,2 #000000/#ffffff 'ab' [7 7]".
  std::string Describe() const;
};

class RecordingCanvas : public Canvas {
 public:
  void DrawText(std::int32_t x, std::int32_t y, const char16_t* units, std::int32_t count,
                const std::int32_t* advances, const TextStyle& style) override;
  void FillRect(const CanvasRect& rect, Colour colour) override;
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colour colour) override;

  const std::vector<CanvasCall>& Calls() const { return calls_; }
  void Clear() { calls_.clear(); }

 private:
  std::vector<CanvasCall> calls_;
};
