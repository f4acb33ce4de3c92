#include "docs/parted_decoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/layout/metrics_line_layout.h"
#include "support/fixed_metrics.h"
#include "support/fixed_width_layout.h"
#include "support/store_text.h"

namespace {

struct Decoded {
  std::vector<std::u16string> lines;
  std::int64_t cr_count = 0;
  std::int64_t lf_count = 0;
  std::int32_t total_rows = 0;
  std::int32_t longest_width = 0;
  bool operator==(const Decoded&) const = default;
};

// Decodes bytes cut just after the first line feed at or after offset near
// (no cut for a near past the end), wrapped at three units a row.
Decoded DecodeCutNear(const std::string& bytes, EncodingId encoding, std::size_t near) {
  FixedWidthLayout layout(8);
  TextStore store(layout, 24);
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  TextFileReader reader(data, static_cast<std::uint32_t>(bytes.size()), encoding);
  const std::uint8_t* cut = parted_decoding::CutAfterLineFeed(reader, data + near);
  EXPECT_TRUE(parted_decoding::Decode(reader, store, nullptr, cut));
  return {StoreLines(store), reader.CrCount(), reader.LfCount(), store.TotalRows(), store.LongestWidth()};
}

bool CutSomewhere(const std::string& bytes, EncodingId encoding) {
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  TextFileReader reader(data, static_cast<std::uint32_t>(bytes.size()), encoding);
  for (std::size_t near = 0; near < bytes.size(); ++near) {
    if (parted_decoding::CutAfterLineFeed(reader, data + near) < reader.End()) return true;
  }
  return false;
}

// Each line's width, laid out unwrapped by the editor's layout over a
// width cache that starts with only the preset units measured.
std::vector<std::int32_t> MeasuredWidthsCutNear(const std::string& bytes, std::size_t near) {
  std::unique_ptr<TextMetrics> metrics = MakeFixedMetrics();
  MetricsLineLayout layout(*metrics);
  TextStore store(layout, 0);
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  TextFileReader reader(data, static_cast<std::uint32_t>(bytes.size()), kUtf8);
  EXPECT_TRUE(parted_decoding::Decode(reader, store, nullptr, parted_decoding::CutAfterLineFeed(reader, data + near)));
  std::vector<std::int32_t> widths;
  for (std::int32_t i = 0; i < store.LineCount(); ++i) widths.push_back(store.Line(i)->Width());
  widths.push_back(store.LongestWidth());
  widths.push_back(store.TotalRows());
  return widths;
}

struct JoinCase {
  const char* name;
  EncodingId encoding;
  std::string bytes;
};

}  // namespace

// Wherever the data is cut, the two parts joined give what one pass gives.
TEST(PartedDecoding, EveryCutDecodesAsOnePass) {
  const std::string long_line = std::string(509, 'a') + "\xE3\x81\x82\xE3\x81\x84" + "\n";
  const JoinCase cases[] = {
      {"CR LF pairs on both sides of a cut", kSingleByte, "ab\r\ncd\r\n\r\nef\n\rg\r"},
      {"UTF-8 characters and a cut-off one around breaks", kUtf8, "\xEF\xBB\xBF\xE3\x81\x82\n\xE3\x81\n\x82x\r\n\xF0\x9F\x98\x80"},
      {"UTF-8 line longer than one input window", kUtf8, long_line + long_line + "z"},
      {"Shift_JIS lead bytes before breaks", kShiftJis, "\x82\xA0\n\x82\n\xA0\xB1\r\n\x81\r\n"},
      {"EUC-JP two- and three-byte characters cut by breaks", kEucJp, "\xA4\xA2\n\x8F\n\xA1\xA1\n\x8E\n\x8F\xA1\xA1\n\xA4"},
      {"UTF-16 LE with units holding LF bytes", kUtf16Le, std::string("\xFF\xFE\x0A\x0A\x0D\x00\x0A\x00\x00\x0A\x0A\x00\x0A\x00\x41", 15)},
      {"UTF-16 BE with units holding LF bytes", kUtf16Be, std::string("\xFE\xFF\x0A\x0A\x00\x0A\x0A\x00\x00\x0D\x00\x0A\x00\x41", 14)},
      {"ISO-2022-JP shift state running across lines", kIso2022Jp, "\x1B$B\n$\"\n$$\x1B(B\na"},
      {"Empty lines as whole parts", kUtf8, "\n\n\r\n\n"},
  };
  for (const JoinCase& join : cases) {
    SCOPED_TRACE(join.name);
    const Decoded whole = DecodeCutNear(join.bytes, join.encoding, join.bytes.size());
    ASSERT_GT(whole.lines.size(), 1u);
    EXPECT_EQ(CutSomewhere(join.bytes, join.encoding), join.encoding != kIso2022Jp);
    for (std::size_t near = 0; near < join.bytes.size(); ++near) {
      SCOPED_TRACE(near);
      EXPECT_EQ(DecodeCutNear(join.bytes, join.encoding, near), whole);
    }
  }
}

// The tail's lines whose units the head has not measured yet are laid out
// after the join: wherever the cut, every width is the one pass's.
TEST(PartedDecoding, TailLinesWithUnmeasuredUnitsGetTheOnePassWidths) {
  const std::string bytes = "ab\t\xE3\x81\x82\n\xE6\x97\xA5x\ncd\n\xF0\x9F\x98\x80\t\n\xE3\x81\x82\n\xF0\x9F\x98\x80";
  const std::vector<std::int32_t> whole = MeasuredWidthsCutNear(bytes, bytes.size());
  ASSERT_EQ(whole.size(), 6u + 2u);
  for (std::size_t near = 0; near < bytes.size(); ++near) {
    SCOPED_TRACE(near);
    EXPECT_EQ(MeasuredWidthsCutNear(bytes, near), whole);
  }
}

// Beyond some tens of thousands of waiting lines the tail's lines are
// looked through after the join instead of listed: here every line waits,
// for the fixed-width layout measures nothing aside.
TEST(PartedDecoding, ManyWaitingLinesGetTheOnePassLayout) {
  std::string bytes;
  for (int i = 0; i < 150000; ++i) bytes += i % 3 ? "abcdefgh\n" : "\n";
  const Decoded whole = DecodeCutNear(bytes, kUtf8, bytes.size());
  EXPECT_EQ(DecodeCutNear(bytes, kUtf8, 1000), whole);
}
