// A process killed at any step of a snapshot's write leaves the old
// snapshot or the new one whole for the reader, beside at most the write's
// temporary file, which the next start knows for a left-over; nothing is
// ever put in the temporary folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "docs/recovery/recovery_names.h"
#include "docs/recovery/snapshot_file.h"
#include "support/replacement_faults.h"
#include "support/scratch_file.h"
#include "win/killed_child.h"

namespace {

using byte_file::Step;
using Names = std::vector<std::string>;

struct KillPoint {
  const char* what;
  Step step;
  int at;
};

const KillPoint kKillPoints[] = {
    {"before the temporary file", Step::kCreate, 1}, {"before the first write", Step::kWrite, 1},
    {"in the middle of the writes", Step::kWrite, 3}, {"before the flush", Step::kFlush, 1},
    {"before the rename", Step::kReplace, 1},         {"after the rename", Step::kReplaced, 1},
};

const std::u16string kToken = u"0123456789abcdef";
const SnapshotHeader kHeader{u"C:\\site\\index.html", 0, 1, 3, 0x01D9'0000'1234'5678ull, 99};
const std::u16string kOldText = u"old";
// About 1.2 MB: five writes.
const std::u16string kNewText(600000, u'n');

std::u16string Wide(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

// The child's side: "<kill point> <snapshot>".
[[noreturn]] void WriteAndDie(const std::wstring& request) {
  const std::size_t space = request.find(L' ');
  const KillPoint& point = kKillPoints[std::stoi(request.substr(0, space))];
  test_support::ReplacementFaults faults;
  faults.Before(point.step, point.at, killed_child::Die);
  std::uint32_t error = 0;
  const bool written = snapshot_file::Write(Wide(request.substr(space + 1)), kHeader, {kNewText}, error);
  ExitProcess(written ? 1 : 2);
}

}  // namespace

TEST(RecoverySnapshotWin, AKillAtAnyStepOfAWriteLeavesTheOldSnapshotOrTheNewOne) {
  const std::wstring request = killed_child::Request();
  if (!request.empty()) WriteAndDie(request);

  const std::u16string name = recovery_names::SnapshotName(kToken, 1);
  const std::string narrow_name(name.begin(), name.end());
  for (int i = 0; i < static_cast<int>(std::size(kKillPoints)); ++i) {
    const KillPoint& point = kKillPoints[i];
    SCOPED_TRACE(point.what);
    test_support::ScratchFolder folder("snapshot_kill");
    test_support::ScratchFolder temporary("snapshot_kill_tmp");
    const std::u16string path = folder.Path(narrow_name);
    std::uint32_t error = 0;
    ASSERT_TRUE(snapshot_file::Write(path, kHeader, {kOldText}, error));
    ASSERT_EQ(killed_child::Run(std::to_wstring(i) + L" " + std::wstring(path.begin(), path.end()),
                                temporary.Folder().u16string()),
              killed_child::kKilled);

    SnapshotHeader header;
    std::u16string text;
    ASSERT_TRUE(snapshot_file::Read(path.c_str(), header, text));
    const bool replaced = point.step == Step::kReplaced;
    EXPECT_EQ(text, replaced ? kNewText : kOldText);
    Names others = folder.Names();
    std::erase(others, narrow_name);
    const bool temporary_beside = point.step != Step::kCreate && !replaced;
    ASSERT_EQ(others.size(), temporary_beside ? 1u : 0u);
    if (temporary_beside) {
      std::u16string owner;
      EXPECT_TRUE(recovery_names::ParseSnapshotTemporaryName(std::u16string(others[0].begin(), others[0].end()), owner))
          << others[0];
      EXPECT_EQ(owner, kToken);
    }
    EXPECT_EQ(temporary.Names(), Names{});
  }
}
