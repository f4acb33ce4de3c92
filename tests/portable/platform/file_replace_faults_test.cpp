// Both ways of replacing a file with a fault at every step: the file ends
// whole, old or new; a copy of the old bytes stays only when they could not
// be put back, and is named; every failure carries the system's reason.
// And the ways are chosen as they must be: a second hard link or a folder
// that takes no new file writes in place, a symbolic link is followed.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/file_replace.h"
#include "platform/system_error.h"
#include "support/replacement_faults.h"
#include "support/scratch_file.h"

namespace {

using byte_file::Step;
using Names = std::vector<std::string>;
using test_support::ReplacementFaults;
using test_support::ScratchFolder;

const std::string kOld = "the old page, longer than a piece of the new one";
// Three writes of the new text.
const std::string kPiece(40000, 'n');

enum class Way { kRename, kInPlaceLinked, kInPlaceNoNewFile };
enum class Left { kOld, kNew, kOldInCopy };

struct Fault {
  const char* what;
  Way way;
  std::vector<std::pair<Step, int>> fail;  // step, from which time
  Left left;
};

// Writes kPiece three times over `path`; whether the replacement went.
bool Replace(const std::u16string& path) {
  auto target = byte_file::CreateFileReplacement(path);
  if (!target) return false;
  for (std::uint64_t i = 0; i < 3; ++i)
    if (target->WriteAt(i * kPiece.size(), kPiece.data(), kPiece.size()) != kPiece.size()) return false;
  return target->Commit();
}

}  // namespace

TEST(FileReplaceFaults, EveryStepOfBothWaysLeavesAWholeFile) {
  const Fault faults[] = {
      {"rename: no fault", Way::kRename, {}, Left::kNew},
      {"rename: first write", Way::kRename, {{Step::kWrite, 1}}, Left::kOld},
      {"rename: third write", Way::kRename, {{Step::kWrite, 3}}, Left::kOld},
      {"rename: flush", Way::kRename, {{Step::kFlush, 1}}, Left::kOld},
      {"rename: rename", Way::kRename, {{Step::kReplace, 1}}, Left::kOld},
      {"linked: no fault", Way::kInPlaceLinked, {}, Left::kNew},
      {"linked: no copy anywhere", Way::kInPlaceLinked, {{Step::kCreate, 1}, {Step::kCreateElsewhere, 1}}, Left::kOld},
      {"linked: copying the old bytes", Way::kInPlaceLinked, {{Step::kCopyOld, 1}}, Left::kOld},
      {"linked: flushing the copy", Way::kInPlaceLinked, {{Step::kCopyOld, 2}}, Left::kOld},
      {"linked: first write", Way::kInPlaceLinked, {{Step::kWrite, 1}}, Left::kOld},
      {"linked: second write", Way::kInPlaceLinked, {{Step::kWrite, 2}}, Left::kOld},
      {"linked: flush", Way::kInPlaceLinked, {{Step::kFlush, 1}}, Left::kOld},
      {"linked: second write, no way back",
       Way::kInPlaceLinked,
       {{Step::kWrite, 2}, {Step::kRestore, 1}},
       Left::kOldInCopy},
      {"linked: flush, way back cut short",
       Way::kInPlaceLinked,
       {{Step::kFlush, 1}, {Step::kRestore, 2}},
       Left::kOldInCopy},
      {"no new file: no fault", Way::kInPlaceNoNewFile, {}, Left::kNew},
      {"no new file: no copy elsewhere", Way::kInPlaceNoNewFile, {{Step::kCreateElsewhere, 1}}, Left::kOld},
      {"no new file: third write", Way::kInPlaceNoNewFile, {{Step::kWrite, 3}}, Left::kOld},
      {"no new file: flush, no way back",
       Way::kInPlaceNoNewFile,
       {{Step::kFlush, 1}, {Step::kRestore, 1}},
       Left::kOldInCopy},
  };
  const std::string new_bytes = kPiece + kPiece + kPiece;
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.what);
    ScratchFolder folder("replace_faults");
    ScratchFolder elsewhere("replace_faults_link");
    folder.Put("page.html", kOld);
    const bool linked = fault.way == Way::kInPlaceLinked;
    if (linked) std::filesystem::create_hard_link(folder.Folder() / "page.html", elsewhere.Folder() / "link.html");
    bool replaced = false;
    {
      ReplacementFaults faults_now;
      if (fault.way == Way::kInPlaceNoNewFile) faults_now.Fail(Step::kCreate);
      for (const auto& [step, from] : fault.fail) faults_now.Fail(step, from);
      replaced = Replace(folder.Path("page.html"));
      // Only the rename way renames.
      if (replaced) EXPECT_EQ(faults_now.Count(Step::kReplace) == 1, fault.way == Way::kRename);
    }
    const byte_file::Failure failure = byte_file::LastFailure();
    EXPECT_EQ(replaced, fault.left == Left::kNew);
    if (fault.left == Left::kNew) {
      EXPECT_EQ(folder.Get("page.html"), new_bytes);
    } else {
      EXPECT_FALSE(system_error::Text(failure.error).empty());
    }
    if (fault.left == Left::kOld) EXPECT_EQ(folder.Get("page.html"), kOld);
    if (linked) EXPECT_EQ(elsewhere.Get("link.html"), folder.Get("page.html")) << "one file under two names";
    // The copy is named only when it is all that holds the old bytes.
    if (fault.left == Left::kOldInCopy) {
      ASSERT_FALSE(failure.kept_copy.empty());
      EXPECT_EQ(test_support::FileBytes(std::filesystem::path(failure.kept_copy)), kOld);
      EXPECT_TRUE(byte_file::IsTemporaryName(std::filesystem::path(failure.kept_copy).filename().u16string()));
      std::error_code ignored;
      std::filesystem::remove(std::filesystem::path(failure.kept_copy), ignored);
    } else {
      EXPECT_TRUE(failure.kept_copy.empty());
    }
    EXPECT_EQ(folder.Names(), Names{"page.html"});
  }
}

TEST(FileReplaceFaults, ASymbolicLinkStaysAndItsTargetTakesTheBytes) {
  ScratchFolder folder("replace_symlink");
  folder.Put("real.html", kOld);
  std::error_code error;
  std::filesystem::create_symlink(folder.Folder() / "real.html", folder.Folder() / "link.html", error);
  if (error) GTEST_SKIP() << "no symbolic links here: " << error.message();
  ASSERT_TRUE(Replace(folder.Path("link.html")));
  EXPECT_TRUE(std::filesystem::is_symlink(folder.Folder() / "link.html"));
  EXPECT_EQ(folder.Get("real.html"), kPiece + kPiece + kPiece);
  EXPECT_EQ(folder.Names(), (Names{"link.html", "real.html"}));
}

// A name that would pass the limits with the suffix gets the short one.
TEST(FileReplaceNames, ANameThatWouldPassTheLimitGetsAShortOne) {
  struct Case {
    std::size_t name_length;
    std::size_t room;
    std::u16string expected;  // empty: the name with its suffix
  };
  const Case cases[] = {
      {10, 255, u""}, {242, 255, u""}, {243, 255, u"~1.vorndel-save"}, {5, 18, u""}, {5, 17, u"~1.vorndel-save"},
      {5, 14, u""},  // not even the short name fits: none
  };
  for (const Case& c : cases) {
    const std::u16string name(c.name_length, u'a');
    const std::u16string made = byte_file::TemporaryName(name, 1, byte_file::Holds::kNewText, c.room);
    SCOPED_TRACE(std::to_string(c.name_length) + " in " + std::to_string(c.room));
    if (c.room == 14) {
      EXPECT_TRUE(made.empty());
    } else {
      EXPECT_EQ(made, c.expected.empty() ? name + u".vorndel-save" : c.expected);
      EXPECT_TRUE(byte_file::IsTemporaryName(made));
    }
  }
  EXPECT_EQ(byte_file::TemporaryName(u"page.html", 3, byte_file::Holds::kOldFile, 14), u"~3.vorndel-old");
  EXPECT_EQ(byte_file::NameRoom(240, 259, 255), 18u);
  EXPECT_EQ(byte_file::NameRoom(20, 32767, 255), 255u);
  EXPECT_EQ(byte_file::NameRoom(259, 259, 255), 0u);
}
