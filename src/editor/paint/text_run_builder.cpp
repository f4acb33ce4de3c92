#include "editor/paint/text_run_builder.h"

void TextRunBuilder::Add(const char16_t* unit, std::int32_t x, std::int32_t y, std::int32_t advance,
                         const TextStyle& style) {
  const bool joins = !advances_.empty() && unit == first_ + advances_.size() && x == end_x_ && y == y_ &&
                     style == style_;
  if (!joins) {
    Flush();
    first_ = unit;
    x_ = end_x_ = x;
    y_ = y;
    style_ = style;
  }
  advances_.push_back(advance);
  end_x_ += advance;
}

void TextRunBuilder::Extend(std::int32_t advance) {
  if (advances_.empty()) return;
  advances_.push_back(advance);
  end_x_ += advance;
}

void TextRunBuilder::Flush() {
  if (advances_.empty()) return;
  canvas_.DrawText(x_, y_, first_, static_cast<std::int32_t>(advances_.size()), advances_.data(), style_);
  advances_.clear();
}
