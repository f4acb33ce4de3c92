#include "tools/find_in_files/result_rows.h"

#include <string>

#include "docs/tabs/save_messages.h"

namespace find_in_files {
namespace {

std::u16string Number(std::int64_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

void ResultRows::Clear() {
  summary_.clear();
  files_.clear();
  rows_.clear();
}

void ResultRows::Add(FileHits&& file) {
  if (file.hits.empty()) return;
  const auto index = static_cast<std::uint32_t>(files_.size());
  rows_.reserve(rows_.size() + 1 + file.hits.size());
  rows_.push_back({index, -1});
  for (std::size_t k = 0; k < file.hits.size(); ++k) rows_.push_back({index, static_cast<std::int32_t>(k)});
  files_.push_back(std::move(file));
}

std::u16string ResultRows::Cell(std::size_t row, int column) const {
  if (row == 0) return column == kTextColumn ? summary_ : std::u16string();
  if (row > rows_.size()) return {};
  const Row& at = rows_[row - 1];
  const FileHits& file = files_[at.file];
  if (at.hit < 0) return column == kTextColumn ? file.relative : std::u16string();
  const Hit& hit = file.hits[static_cast<std::size_t>(at.hit)];
  if (column == kLineColumn) return Number(std::int64_t{hit.line} + 1);
  return column == kTextColumn ? hit.shown : std::u16string();
}

bool ResultRows::Target(std::size_t row, RowTarget& target) const {
  if (row == 0 || row > rows_.size()) return false;
  const Row& at = rows_[row - 1];
  const FileHits& file = files_[at.file];
  const Hit& hit = file.hits[static_cast<std::size_t>(at.hit < 0 ? 0 : at.hit)];
  target = {file.path, hit.line, hit.start, hit.end};
  return true;
}

std::u16string SummaryText(std::u16string_view counts_text, const SummaryNotes& notes, const Counts& counts,
                           std::int64_t milliseconds) {
  const std::int64_t tenths = (milliseconds + 50) / 100;
  std::u16string text = save_messages::FillIn(
      counts_text, {Number(counts.hits), Number(counts.files_with_hits), Number(counts.files_searched),
                    Number(counts.files_skipped), Number(tenths / 10) + u"." + Number(tenths % 10)});
  if (counts.capped) text.append(u" ").append(notes.capped);
  if (counts.stopped) text.append(u" ").append(notes.stopped);
  if (counts.too_complex) text.append(u" ").append(notes.too_complex);
  return text;
}

}  // namespace find_in_files
