#pragma once
// Gathers adjacent units drawn in the same style into one text call with
// explicit advances.
#include <cstdint>
#include <vector>

#include "platform/canvas.h"

class TextRunBuilder {
 public:
  explicit TextRunBuilder(Canvas& canvas) : canvas_(canvas) {}
  TextRunBuilder(const TextRunBuilder&) = delete;
  TextRunBuilder& operator=(const TextRunBuilder&) = delete;

  // unit points into a line's units; it joins the current run when it
  // follows the run's last unit, at the run's end x, in the same style.
  void Add(const char16_t* unit, std::int32_t x, std::int32_t y, std::int32_t advance, const TextStyle& style);
  // Puts the unit after the run's last one into the run, whatever its
  // colour: the second half of a surrogate pair goes with the first.
  void Extend(std::int32_t advance);
  bool Empty() const { return advances_.empty(); }
  void Flush();

 private:
  Canvas& canvas_;
  const char16_t* first_ = nullptr;
  std::int32_t x_ = 0;
  std::int32_t y_ = 0;
  std::int32_t end_x_ = 0;
  TextStyle style_{};
  std::vector<std::int32_t> advances_;
};
