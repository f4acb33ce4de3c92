// The temporary file of a save lives only during the save, whether it
// succeeds or fails.  TMPDIR points the stand-in at a folder of its own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <random>
#include <string>

#include "docs/document_saving.h"
#include "support/document_fixture.h"

namespace {

namespace fs = std::filesystem;

class TemporaryFolder {
 public:
  TemporaryFolder() : path_(fs::temp_directory_path() / ("vorndel_tmp_" + std::to_string(std::random_device()()))) {
    fs::create_directories(path_);
    const char* old = getenv("TMPDIR");
    if (old) old_ = old;
    had_old_ = old != nullptr;
    setenv("TMPDIR", path_.c_str(), 1);
  }
  ~TemporaryFolder() {
    if (had_old_) {
      setenv("TMPDIR", old_.c_str(), 1);
    } else {
      unsetenv("TMPDIR");
    }
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  bool Empty() const { return fs::is_empty(path_); }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
  std::string old_;
  bool had_old_ = false;
};

}  // namespace

TEST(DocumentSavingTemporary, TheTemporaryFileGoesAfterSuccessAndFailure) {
  TemporaryFolder temporary;
  DocumentFixture f;
  ASSERT_TRUE(f.document.LoadText(u"text\n"));
  const std::u16string target = (temporary.Path().parent_path() / (temporary.Path().filename().string() + ".html")).u16string();
  ASSERT_TRUE(document_saving::Save(f.document, target.c_str(), kUtf8, kLf));
  EXPECT_TRUE(temporary.Empty());
  EXPECT_TRUE(fs::exists(fs::path(target)));
  fs::remove(fs::path(target));

  const std::u16string missing_folder = (temporary.Path() / "missing" / "page.html").u16string();
  EXPECT_FALSE(document_saving::Save(f.document, missing_folder.c_str(), kUtf8, kLf));
  EXPECT_TRUE(temporary.Empty());
}
