#pragma once
// What painting needs to know about the editor font: each unit's kind and
// advance, and the row geometry. The layout engine's metrics provide it;
// tests use a fixed-width stand-in.
#include <cstdint>

class PaintMetrics {
 public:
  enum UnitClass : std::uint16_t {
    kLineFeed = 1,
    kTab = 2,
    kFullWidthSpace = 3,
    kOrdinary = 4,
    kHighSurrogate = 5,  // width: the whole pair
    kLowSurrogate = 6,   // no advance
  };
  struct Measure {
    std::uint16_t unit_class;
    std::uint16_t width;
  };

  virtual ~PaintMetrics() = default;
  // next is the unit after this one (0 at the line end); it matters only for
  // a high surrogate, whose width is that of the pair.
  virtual Measure MeasureUnit(char16_t unit, char16_t next) = 0;
  virtual std::int32_t TextHeight() const = 0;
  // Text height plus line spacing: the height of one display row.
  virtual std::int32_t LinePitch() const = 0;
  virtual std::int32_t AverageWidth() const = 0;
  virtual std::int32_t TabPixels() const = 0;
};
