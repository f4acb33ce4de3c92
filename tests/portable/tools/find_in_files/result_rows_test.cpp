// The results list's rows: the summary first, then each file's heading and
// its matching lines, and where activating a row leads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/find_in_files/result_rows.h"

namespace {

using namespace find_in_files;

TEST(ResultRows, FilesGroupTheirLinesAndEachRowLeadsToAMatch) {
  ResultRows rows;
  rows.SetSummary(u"3 lines");
  rows.Add({u"C:\\site\\a.html", u"a.html", {{0, 3, 8, u"<p>Hello</p>"}, {4, 1, 6, u"hello"}}});
  rows.Add({u"C:\\site\\empty.txt", u"empty.txt", {}});
  rows.Add({u"C:\\site\\sub\\b.css", u"sub\\b.css", {{11, 0, 5, u"hello {}"}}});
  struct Case {
    std::size_t row;
    std::u16string line, text;
    bool heading;
    bool leads;
    std::int32_t target_line, start;
    std::u16string path;
  };
  const Case cases[] = {
      {0, u"", u"3 lines", true, false},
      {1, u"", u"a.html", true, true, 0, 3, u"C:\\site\\a.html"},
      {2, u"1", u"<p>Hello</p>", false, true, 0, 3, u"C:\\site\\a.html"},
      {3, u"5", u"hello", false, true, 4, 1, u"C:\\site\\a.html"},
      {4, u"", u"sub\\b.css", true, true, 11, 0, u"C:\\site\\sub\\b.css"},
      {5, u"12", u"hello {}", false, true, 11, 0, u"C:\\site\\sub\\b.css"},
      {6, u"", u"", false, false},
  };
  EXPECT_EQ(rows.Count(), 6u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(rows.Heading(c.row), c.heading);
    EXPECT_EQ(rows.Cell(c.row, kLineColumn), c.line);
    EXPECT_EQ(rows.Cell(c.row, kTextColumn), c.text);
    RowTarget target;
    ASSERT_EQ(rows.Target(c.row, target), c.leads);
    if (!c.leads) continue;
    EXPECT_EQ(target.path, c.path);
    EXPECT_EQ(target.line, c.target_line);
    EXPECT_EQ(target.start, c.start);
  }
  rows.Clear();
  EXPECT_EQ(rows.Count(), 1u);
  EXPECT_EQ(rows.Cell(0, kTextColumn), u"");
}

TEST(ResultRows, TheSummaryGivesTheCountsTimeAndHowTheSearchEnded) {
  const SummaryNotes notes{u"(limit)", u"(stopped)", u"(complex)"};
  const std::u16string counts_text = u"%1 in %2; %3 searched, %4 skipped; %5 s";
  Counts counts;
  counts.hits = 7;
  counts.files_with_hits = 2;
  counts.files_searched = 40;
  counts.files_skipped = 1;
  EXPECT_EQ(SummaryText(counts_text, notes, counts, 1249), u"7 in 2; 40 searched, 1 skipped; 1.2 s");
  counts.capped = true;
  EXPECT_EQ(SummaryText(counts_text, notes, counts, 50), u"7 in 2; 40 searched, 1 skipped; 0.1 s (limit)");
  counts.capped = false;
  counts.stopped = counts.too_complex = true;
  EXPECT_EQ(SummaryText(counts_text, notes, counts, 0), u"7 in 2; 40 searched, 1 skipped; 0.0 s (stopped) (complex)");
}

}  // namespace
