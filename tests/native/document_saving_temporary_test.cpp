// Where a save's temporary file lives on the native stand-in (TMPDIR points
// it at a folder of its own), and the permissions a saved file keeps.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "docs/document_saving.h"
#include "support/document_fixture.h"
#include "support/replacement_faults.h"
#include "support/scratch_file.h"

namespace {

namespace fs = std::filesystem;
using byte_file::Step;
using Names = std::vector<std::string>;
using test_support::ReplacementFaults;
using test_support::ScratchFolder;

class TemporaryFolder : public ScratchFolder {
 public:
  TemporaryFolder() : ScratchFolder("tmpdir") {
    const char* old = getenv("TMPDIR");
    if (old) old_ = old;
    had_old_ = old != nullptr;
    setenv("TMPDIR", Folder().c_str(), 1);
  }
  ~TemporaryFolder() {
    if (had_old_) {
      setenv("TMPDIR", old_.c_str(), 1);
    } else {
      unsetenv("TMPDIR");
    }
  }

 private:
  std::string old_;
  bool had_old_ = false;
};

mode_t ModeOf(const std::u16string& path) {
  struct stat info = {};
  stat(fs::path(path).c_str(), &info);
  return info.st_mode & 07777;
}

}  // namespace

// The temporary folder holds the copy of the old bytes only when the
// target's folder takes no new file, and only during the save, whether it
// succeeds or fails.
TEST(DocumentSavingTemporary, TheTemporaryFolderIsUsedOnlyForAFolderThatTakesNoNewFile) {
  ScratchFolder folder("saving_where");
  TemporaryFolder temporary;
  folder.Put("page.html", "old");
  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(u"text\n"));
  for (const bool folder_takes_new_files : {true, false}) {
    SCOPED_TRACE(folder_takes_new_files);
    Names in_temporary;
    {
      ReplacementFaults faults;
      if (!folder_takes_new_files) faults.Fail(Step::kCreate);
      faults.Before(Step::kFlush, 1, [&] { in_temporary = temporary.Names(); });
      ASSERT_TRUE(document_saving::Save(f.document, folder.Path("page.html").c_str(), kUtf8, kLf));
    }
    EXPECT_EQ(in_temporary, folder_takes_new_files ? Names{} : Names{"page.html.vorndel-old"});
    EXPECT_EQ(folder.Get("page.html"), "text\n");
    EXPECT_EQ(temporary.Names(), Names{});
  }
  ReplacementFaults faults;
  faults.Fail(Step::kCreate).Fail(Step::kFlush);
  EXPECT_FALSE(document_saving::Save(f.document, folder.Path("page.html").c_str(), kUtf8, kCrLf));
  EXPECT_EQ(temporary.Names(), Names{});
}

// The saved file keeps the old one's permissions either way; a new file
// gets what the creation mask allows.
TEST(DocumentSavingTemporary, TheSavedFileKeepsItsPermissions) {
  ScratchFolder folder("saving_mode");
  TemporaryFolder temporary;
  folder.Put("page.html", "old");
  fs::permissions(folder.Folder() / "page.html", fs::perms(0640));
  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(u"text"));
  ASSERT_TRUE(document_saving::Save(f.document, folder.Path("page.html").c_str(), kUtf8, kLf));
  EXPECT_EQ(ModeOf(folder.Path("page.html")), 0640u);
  {
    ReplacementFaults faults;
    faults.Fail(Step::kCreate);
    fs::permissions(folder.Folder() / "page.html", fs::perms(0604));
    ASSERT_TRUE(document_saving::Save(f.document, folder.Path("page.html").c_str(), kUtf8, kLf));
    EXPECT_EQ(ModeOf(folder.Path("page.html")), 0604u);
  }
  const mode_t mask = umask(0);
  umask(mask);
  ASSERT_TRUE(document_saving::Save(f.document, folder.Path("new.html").c_str(), kUtf8, kLf));
  EXPECT_EQ(ModeOf(folder.Path("new.html")), 0666u & ~mask);
}
