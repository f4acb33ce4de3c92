// Saving with the real system calls: the saved file keeps its attributes,
// its access rules and its named streams, and a process killed at any step of a save leaves the old file or the new
// one whole beside at most one temporary file whose name tells what it is,
// or, written in place, the old file whole in its copy.
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "docs/document_saving.h"
#include "support/document_fixture.h"
#include "support/replacement_faults.h"
#include "support/scratch_file.h"
#include "win/killed_child.h"

namespace {

using byte_file::Step;
using Names = std::vector<std::string>;
using test_support::ReplacementFaults;
using test_support::ScratchFolder;

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

DWORD AttributesOf(const std::u16string& path) { return GetFileAttributesW(Wide(path)); }

constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The file's access list as text, as the system reads it back.
std::wstring AccessRules(const std::u16string& path) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  PACL rules = nullptr;
  if (GetNamedSecurityInfoW(Wide(path), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &rules, nullptr,
                            &descriptor) != ERROR_SUCCESS)
    return L"unreadable";
  wchar_t* text = nullptr;
  ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text,
                                                       nullptr);
  std::wstring rules_text = text ? text : L"";
  LocalFree(text);
  LocalFree(descriptor);
  return rules_text;
}

// Full access for everyone, shutting out the folder's rules.
bool OpenToEveryone(const std::u16string& path) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;FA;;;WD)", SDDL_REVISION_1, &descriptor, nullptr))
    return false;
  BOOL present = FALSE, defaulted = FALSE;
  PACL rules = nullptr;
  const bool set = GetSecurityDescriptorDacl(descriptor, &present, &rules, &defaulted) &&
                   SetNamedSecurityInfoW(const_cast<wchar_t*>(Wide(path)), SE_FILE_OBJECT,
                                         DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                                         nullptr, rules, nullptr) == ERROR_SUCCESS;
  LocalFree(descriptor);
  return set;
}

bool VolumeHasStreams(const std::u16string& path) {
  wchar_t root[MAX_PATH];
  DWORD flags = 0;
  return GetVolumePathNameW(Wide(path), root, MAX_PATH) &&
         GetVolumeInformationW(root, nullptr, 0, nullptr, nullptr, &flags, nullptr, 0) && (flags & FILE_NAMED_STREAMS);
}

}  // namespace

// Hidden, system and archive, the file's own access rules and its named
// streams (where the volume has them) stay with the file, whether it is
// renamed over or written in place.
TEST(DocumentSavingWin, TheSavedFileKeepsItsAttributesAccessRulesAndStreams) {
  ScratchFolder folder("saving_attributes");
  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(u"new"));
  for (const bool folder_takes_new_files : {true, false}) {
    for (const DWORD attributes : {DWORD{FILE_ATTRIBUTE_ARCHIVE}, DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE},
                                   DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}}) {
      SCOPED_TRACE(std::to_string(folder_takes_new_files) + " " + std::to_string(attributes));
      folder.Put("page.html", "old");
      const bool streams = VolumeHasStreams(folder.Path("page.html"));
      if (streams) folder.Put("page.html:note", "kept");
      ASSERT_TRUE(OpenToEveryone(folder.Path("page.html")));
      const std::wstring rules = AccessRules(folder.Path("page.html"));
      ASSERT_TRUE(SetFileAttributesW(Wide(folder.Path("page.html")), attributes));
      ASSERT_EQ(AttributesOf(folder.Path("page.html")) & kKept, attributes & kKept);
      ReplacementFaults faults;
      if (!folder_takes_new_files) faults.Fail(Step::kCreate);
      ASSERT_TRUE(document_saving::Save(f.document, folder.Path("page.html").c_str(), kUtf8, kLf));
      const DWORD after = AttributesOf(folder.Path("page.html"));
      EXPECT_EQ(after & kKept, attributes & kKept);
      // Windows marks every changed file for archiving; a marked file stays so.
      if (attributes & FILE_ATTRIBUTE_ARCHIVE) EXPECT_TRUE(after & FILE_ATTRIBUTE_ARCHIVE);
      EXPECT_EQ(folder.Get("page.html"), "new");
      EXPECT_EQ(AccessRules(folder.Path("page.html")), rules);
      if (streams) EXPECT_EQ(folder.Get("page.html:note"), "kept");
      EXPECT_EQ(folder.Names(), Names{"page.html"});
      SetFileAttributesW(Wide(folder.Path("page.html")), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(Wide(folder.Path("page.html")));
    }
  }
}

namespace {

// A child process of this test program saves a document and ends itself
// at one step of the save, as a kill or a crash there would.
struct KillPoint {
  const char* what;
  bool in_place;  // the target's folder takes no new file
  Step step;
  int at;
};

const KillPoint kKillPoints[] = {
    {"before the temporary file", false, Step::kCreate, 1},
    {"before the first write", false, Step::kWrite, 1},
    {"in the middle of the writes", false, Step::kWrite, 5},
    {"before the flush", false, Step::kFlush, 1},
    {"before the rename", false, Step::kReplace, 1},
    {"after the rename", false, Step::kReplaced, 1},
    {"in place: before the copy of the old file", true, Step::kCreateElsewhere, 1},
    {"in place: while the old file is copied", true, Step::kCopyOld, 1},
    {"in place: before the first write", true, Step::kWrite, 1},
    {"in place: in the middle of the writes", true, Step::kWrite, 5},
    {"in place: before the flush", true, Step::kFlush, 1},
    {"in place: after the flush", true, Step::kReplaced, 1},
};

// About 3 MB: a dozen writes, three pieces of the copy.
std::u16string KillText() { return DocumentFixture::Lines(250000); }

// The child's side: "<kill point> <target>".
[[noreturn]] void SaveAndDie(const std::wstring& request) {
  const std::size_t space = request.find(L' ');
  const KillPoint& point = kKillPoints[std::stoi(request.substr(0, space))];
  const std::wstring target = request.substr(space + 1);
  DocumentFixture f;
  f.document.LoadText(KillText());
  ReplacementFaults faults;
  if (point.in_place) faults.Fail(Step::kCreate);
  faults.Before(point.step, point.at, killed_child::Die);
  const bool saved = document_saving::Save(f.document, std::u16string(target.begin(), target.end()).c_str(), kUtf8,
                                           kLf);
  ExitProcess(saved ? 1 : 2);
}

}  // namespace

TEST(DocumentSavingWin, AKillAtAnyStepLeavesTheOldFileOrTheNewOneWhole) {
  const std::wstring request = killed_child::Request();
  if (!request.empty()) SaveAndDie(request);

  ScratchFolder expected("saving_kill_expected");
  {
    DocumentFixture f;
    ASSERT_TRUE(f.document.LoadText(KillText()));
    ASSERT_TRUE(document_saving::Save(f.document, expected.Path("page.html").c_str(), kUtf8, kLf));
  }
  const std::string new_bytes = expected.Get("page.html");
  const std::string old_bytes = "<p>the old page</p>\r\n";
  for (int i = 0; i < static_cast<int>(std::size(kKillPoints)); ++i) {
    const KillPoint& point = kKillPoints[i];
    SCOPED_TRACE(point.what);
    ScratchFolder folder("saving_kill");
    ScratchFolder temporary("saving_kill_tmp");
    folder.Put("page.html", old_bytes);
    const std::u16string target = folder.Path("page.html");
    ASSERT_EQ(killed_child::Run(std::to_wstring(i) + L" " + std::wstring(target.begin(), target.end()),
                                temporary.Folder().u16string()),
              killed_child::kKilled);

    const std::string left = folder.Get("page.html");
    const bool replaced = point.step == Step::kReplaced;
    const bool overwriting =
        point.in_place && ((point.step == Step::kWrite && point.at > 1) || point.step == Step::kFlush);
    if (overwriting) {
      // Written in place and cut short: the file holds the new text's
      // start, and the old one waits whole in its copy.
      EXPECT_EQ(left, new_bytes.substr(0, left.size()));
      EXPECT_GT(left.size(), old_bytes.size());
      EXPECT_EQ(temporary.Get("page.html.vorndel-old"), old_bytes);
    } else {
      EXPECT_EQ(left, replaced ? new_bytes : old_bytes);
    }
    // Only the file and, when the kill came between its creation and its
    // rename, one temporary file named after it.
    Names others = folder.Names();
    std::erase(others, "page.html");
    const bool temporary_beside = !point.in_place && point.step != Step::kCreate && !replaced;
    EXPECT_EQ(others, temporary_beside ? Names{"page.html.vorndel-save"} : Names{});
    if (temporary_beside && point.step != Step::kWrite)
      EXPECT_EQ(folder.Get("page.html.vorndel-save"), new_bytes);
    // In place, the copy of the old file lies in the temporary folder from
    // its creation until the new text is in.
    const bool temporary_elsewhere = point.in_place && point.step != Step::kCreateElsewhere;
    EXPECT_EQ(temporary.Names(), temporary_elsewhere ? Names{"page.html.vorndel-old"} : Names{});
    if (temporary_elsewhere && point.step != Step::kCopyOld)
      EXPECT_EQ(temporary.Get("page.html.vorndel-old"), old_bytes);
  }
}
