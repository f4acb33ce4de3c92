// Recovery snapshots: the byte format read back, what the reader refuses,
// a write failing at each step, the stepped copy of a store, the schedule
// and the names in the folder.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "docs/recovery/recovery_names.h"
#include "docs/recovery/recovery_snapshot.h"
#include "docs/recovery/snapshot_file.h"
#include "docs/recovery/snapshot_schedule.h"
#include "docs/recovery/snapshot_text.h"
#include "editor/control/document_set.h"
#include "platform/fixed_text_measurer.h"
#include "platform/memory_file.h"
#include "platform/target_writer.h"
#include "support/replacement_faults.h"
#include "support/scratch_file.h"

namespace {

const SnapshotHeader kHeader{u"C:\\site\\index.html", 3, 1, 7, 0x01D9'0000'1234'5678ull, 4242};

std::vector<std::uint8_t> Written(const SnapshotHeader& header, std::vector<std::u16string_view> pieces) {
  byte_file::MemoryFile file;
  byte_file::MemoryTarget target(file);
  byte_file::TargetWriter sink(target);
  EXPECT_TRUE(recovery_snapshot::Write(header, pieces, sink) && sink.Finish());
  return file.bytes;
}

TEST(RecoverySnapshot, PiecesReadBackAsOneTextWithEveryField) {
  const std::vector<std::uint8_t> bytes = Written(kHeader, {u"<p>caf\u00e9\n", u"", u"second"});
  SnapshotHeader header;
  std::u16string text;
  ASSERT_TRUE(recovery_snapshot::Read(bytes.data(), bytes.size(), header, text));
  EXPECT_EQ(text, u"<p>caf\u00e9\nsecond");
  EXPECT_EQ(header.path, kHeader.path);
  EXPECT_EQ(header.encoding, 3u);
  EXPECT_EQ(header.line_breaks, 1u);
  EXPECT_EQ(header.caret_line, 7);
  EXPECT_EQ(header.file_time, kHeader.file_time);
  EXPECT_EQ(header.file_size, 4242u);
}

TEST(RecoverySnapshot, ReaderRefusesWhatIsNotOneWholeSnapshot) {
  const std::vector<std::uint8_t> good = Written(kHeader, {u"text"});
  struct Case {
    const char* what;
    std::size_t offset;  // byte changed, or the new size when cut
    bool cut;
  };
  const Case cases[] = {
      {"cut before the end marker", good.size() - 1, true},
      {"cut inside the text", good.size() - 6, true},
      {"one byte more", good.size() + 1, true},
      {"magic", 0, false},
      {"encoding beyond single-byte", 12, false},
      {"line breaks beyond CR", 16, false},
      {"caret line negative", 23, false},
      {"text length", 40, false},
      {"end marker", good.size() - 2, false},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> bytes = good;
    if (c.cut) {
      bytes.resize(c.offset, 0);
    } else {
      bytes[c.offset] ^= 0x80;
    }
    SnapshotHeader header;
    header.caret_line = 99;
    std::u16string text = u"untouched";
    EXPECT_FALSE(recovery_snapshot::Read(bytes.data(), bytes.size(), header, text)) << c.what;
    EXPECT_EQ(text, u"untouched") << c.what;
    EXPECT_EQ(header.caret_line, 99) << c.what;
  }
  SnapshotHeader bad = kHeader;
  bad.path = std::u16string(u"a\0b", 3);
  const std::vector<std::uint8_t> nul = Written(bad, {u""});
  SnapshotHeader header;
  std::u16string text;
  EXPECT_FALSE(recovery_snapshot::Read(nul.data(), nul.size(), header, text)) << "NUL inside the path";
}

// Written over an older snapshot with a fault at one step: the reader finds
// the old one or the new one whole, nothing else stays in the folder, and
// the failure has the system's reason.  Never written in place, so a
// folder that takes no new file keeps the old snapshot as it was.
TEST(RecoverySnapshot, AFaultAtAnyStepOfAWriteLeavesTheOldSnapshotOrTheNewOne) {
  using byte_file::Step;
  const std::u16string old_text = u"old";
  // Three writes of the gathered bytes.
  const std::u16string new_text(300000, u'n');
  struct Fault {
    const char* what;
    Step step;
    int at;  // 0: no fault
  };
  const Fault faults[] = {
      {"none", Step::kWrite, 0},     {"no new file in the folder", Step::kCreate, 1},
      {"first write", Step::kWrite, 1}, {"third write", Step::kWrite, 3},
      {"flush", Step::kFlush, 1},    {"rename", Step::kReplace, 1},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.what);
    test_support::ScratchFolder folder("snapshot_faults");
    const std::u16string path = folder.Path("a-1.snapshot");
    std::uint32_t error = 0;
    ASSERT_TRUE(snapshot_file::Write(path, kHeader, {old_text}, error));
    bool written = false;
    {
      test_support::ReplacementFaults faults_now;
      if (fault.at > 0) faults_now.Fail(fault.step, fault.at);
      written = snapshot_file::Write(path, kHeader, {new_text}, error);
      EXPECT_EQ(faults_now.Count(Step::kCopyOld), 0) << "written in place";
    }
    EXPECT_EQ(written, fault.at == 0);
    EXPECT_EQ(error != 0, fault.at != 0) << error;
    SnapshotHeader header;
    std::u16string text;
    ASSERT_TRUE(snapshot_file::Read(path.c_str(), header, text));
    EXPECT_EQ(text, fault.at == 0 ? new_text : old_text);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a-1.snapshot"});
  }
}

TEST(RecoverySnapshot, StepsOfAStoreCopyJoinLinesAndASpentBudgetStopsEarly) {
  DocumentSet set(std::make_unique<platform::FixedTextMeasurer>());
  ASSERT_TRUE(set.EnsureFonts());
  Document document(set.Metrics(), set.Settings());
  std::u16string expected;
  for (int i = 0; i < 3000; ++i) expected += u"line " + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) + u"\n";
  expected += u"last";
  ASSERT_TRUE(document.LoadText(expected));
  SnapshotText text;
  EXPECT_FALSE(text.Continue(document.Store(), std::chrono::nanoseconds(0)));
  EXPECT_FALSE(text.Complete());
  EXPECT_FALSE(text.Failed());
  while (!text.Continue(document.Store(), std::chrono::nanoseconds(0))) ASSERT_FALSE(text.Failed());
  std::u16string joined;
  for (std::u16string_view piece : text.Pieces()) joined += piece;
  EXPECT_EQ(joined, expected);
  EXPECT_EQ(text.Size(), expected.size());
  text.Restart();
  EXPECT_EQ(text.Size(), 0u);
  EXPECT_FALSE(text.Complete());
}

TEST(RecoverySnapshot, DueAfterAPauseOrAtTheLatestTheLongestWait) {
  using namespace snapshot_schedule;
  struct Case {
    std::vector<std::uint64_t> changes;
    std::uint64_t now;
    bool due;
  };
  const Case cases[] = {
      {{}, 100000, false},
      {{1000}, 1000 + kPauseMs - 1, false},
      {{1000}, 1000 + kPauseMs, true},
      {{0, 2000, 4000}, 4000 + kPauseMs - 1, false},
      // Typing that never pauses: due once the first change is old enough.
      {{0, 2000, 4000, 6000, 8000, 10000, 12000, 14000, 16000, 18000, 20000, 22000, 24000, 26000, 28000, 29000},
       kLongestWaitMs, true},
  };
  for (const Case& c : cases) {
    Pending pending;
    for (std::uint64_t at : c.changes) Changed(pending, at);
    EXPECT_EQ(Due(pending, c.now), c.due) << c.changes.size() << " changes, now " << c.now;
  }
  // A copy spoiled by typing long after the first change is not due again
  // at once.
  Pending spoiled;
  Changed(spoiled, 0);
  Spoiled(spoiled, kLongestWaitMs + 10);
  EXPECT_FALSE(Due(spoiled, kLongestWaitMs + 20));
  EXPECT_TRUE(Due(spoiled, kLongestWaitMs + 10 + kPauseMs));
}

TEST(RecoverySnapshot, NamesCarryTheirOwnerAndNothingElseParses) {
  const std::u16string token = recovery_names::OwnerToken(0x1234, 0xABCDEF0123ull);
  EXPECT_EQ(token, u"00001234cdef0123");
  EXPECT_EQ(token.size(), 16u);
  EXPECT_NE(token, recovery_names::OwnerToken(0x1234, 0xABCDEF0124ull));
  EXPECT_EQ(recovery_names::OwnerFileName(token), token + u".owner");
  std::u16string parsed;
  std::uint32_t serial = 0;
  ASSERT_TRUE(recovery_names::ParseSnapshotName(recovery_names::SnapshotName(token, 4294967295u), parsed, serial));
  EXPECT_EQ(parsed, token);
  EXPECT_EQ(serial, 4294967295u);
  for (std::u16string_view name : {u"0000123401234567-4294967296.snapshot", u"0000123401234567-07.snapshot",
                                   u"0000123401234567-.snapshot", u"0000123401234567-1.snapshot.vorndel-save",
                                   u"000012340123456G-1.snapshot", u"0000123401234567_1.snapshot",
                                   u"0000123401234567.owner"})
    EXPECT_FALSE(recovery_names::ParseSnapshotName(name, parsed, serial)) << std::string(name.begin(), name.end());
  // A write's temporary file: only as the replacement names it.
  const std::u16string snapshot = recovery_names::SnapshotName(token, 3);
  for (const std::u16string& name : {snapshot + u".vorndel-save", snapshot + u".vorndel-save-2"}) {
    parsed.clear();
    EXPECT_TRUE(recovery_names::ParseSnapshotTemporaryName(name, parsed)) << std::string(name.begin(), name.end());
    EXPECT_EQ(parsed, token);
  }
  for (const std::u16string& name :
       {snapshot, snapshot + u".vorndel-old", snapshot + u".vorndel-save-02", snapshot + u".x.vorndel-save",
        std::u16string(u"page.html.vorndel-save"), std::u16string(u"0000123401234567-.snapshot.vorndel-save")})
    EXPECT_FALSE(recovery_names::ParseSnapshotTemporaryName(name, parsed)) << std::string(name.begin(), name.end());
}

}  // namespace
