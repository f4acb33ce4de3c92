#pragma once
// The rows of the results list, grouped by file: first the summary row,
// then for each file with matches a heading naming it (relative to the
// searched folder) followed by one row per matching line (its number from
// 1 and the line as shown).  Two columns, so that the narrow side pane
// shows the texts: the line's number, and the text of each row.  The list asks for cells by row, so that
// 100,000 rows cost no more than their texts.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/find_in_files/search_results.h"

namespace find_in_files {

enum Column { kLineColumn = 0, kTextColumn = 1, kColumnCount = 2 };

// Where an activated row leads: the file, and the match selected on its
// line.
struct RowTarget {
  std::u16string path;
  std::int32_t line = 0;
  std::int32_t start = 0;
  std::int32_t end = 0;
};

class ResultRows {
 public:
  void Clear();
  // One more file's matches (taken over); a file without any adds no row.
  void Add(FileHits&& file);
  void SetSummary(std::u16string summary) { summary_ = std::move(summary); }

  std::size_t Count() const { return 1 + rows_.size(); }
  std::u16string Cell(std::size_t row, int column) const;
  // The summary and the files' rows.
  bool Heading(std::size_t row) const { return row == 0 || (row <= rows_.size() && rows_[row - 1].hit < 0); }
  // False for the summary row and rows past the end; a file's row leads
  // to its first match.
  bool Target(std::size_t row, RowTarget& target) const;

 private:
  struct Row {
    std::uint32_t file;
    std::int32_t hit;  // -1: the file's own row
  };
  std::u16string summary_;
  std::vector<FileHits> files_;
  std::vector<Row> rows_;
};

// The summary row's text: `counts_text` filled in with the matching lines,
// the files holding them, the files searched, those skipped and the
// seconds taken (one decimal); then each of the notes that applies.
struct SummaryNotes {
  std::u16string_view capped;       // the limit of rows was reached
  std::u16string_view stopped;      // the user stopped the search
  std::u16string_view too_complex;  // some lines were passed over
};
std::u16string SummaryText(std::u16string_view counts_text, const SummaryNotes& notes, const Counts& counts,
                           std::int64_t milliseconds);

}  // namespace find_in_files
