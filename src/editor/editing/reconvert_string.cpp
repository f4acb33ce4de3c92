#include "editor/editing/reconvert_string.h"

#include "editor/store/line_record.h"

namespace reconvert {
namespace {

void PutField(std::uint8_t* buffer, std::uint32_t index, std::uint32_t value) {
  std::uint8_t* field = buffer + 4 * index;
  for (int i = 0; i < 4; ++i) field[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

bool Write(const char16_t* units, std::int32_t count, std::uint8_t* buffer, std::uint32_t capacity) {
  if (count < 0 || !buffer || capacity < AnswerSize(count)) return false;
  const std::uint32_t size = AnswerSize(count);
  const auto length = static_cast<std::uint32_t>(count);
  // size, version, string length and offset, composition length and offset
  // (from the string), target length and offset.
  const std::uint32_t fields[8] = {size, 0, length, kHeaderBytes, length, 0, length, 0};
  for (std::uint32_t i = 0; i < 8; ++i) PutField(buffer, i, fields[i]);
  std::uint8_t* text = buffer + kHeaderBytes;
  for (std::uint32_t i = 0; i < length; ++i) {
    text[2 * i] = static_cast<std::uint8_t>(units[i]);
    text[2 * i + 1] = static_cast<std::uint8_t>(units[i] >> 8);
  }
  text[2 * length] = 0;
  text[2 * length + 1] = 0;
  return true;
}

std::uint32_t Answer(TextStore& store, std::uint8_t* buffer, std::uint32_t capacity) {
  const SelectionState& selection = store.Selection();
  if (!selection.exists || selection.start.line != selection.end.line) return 0;
  LineRecord* line = store.Line(selection.start.line);
  const std::int32_t count = selection.end.column - selection.start.column;
  if (!line || count <= 0 || selection.end.column > line->Length()) return 0;
  const std::uint32_t size = AnswerSize(count);
  if (!buffer) return size;
  if (capacity < size) return 0;
  const char16_t* units = line->MakeContiguous() + selection.start.column;
  return Write(units, count, buffer, capacity) ? size : 0;
}

}  // namespace reconvert
