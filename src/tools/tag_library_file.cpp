#include "tools/tag_library_file.h"

#include "base/language/language_choice.h"
#include "base/settings_location.h"
#include "platform/file_exists.h"
#include "tools/tag_library_reader.h"
#include "tools/tag_library_writer.h"

namespace tag_library_file {
namespace {

constexpr std::u16string_view kExtension = u".txt";
constexpr int kLastSaveNumber = 99;

class SystemFiles final : public LibraryFiles {
 public:
  bool Exists(std::u16string_view path) override { return byte_file::FileExists(path); }
  std::unique_ptr<byte_file::Source> Open(std::u16string_view path) override {
    return byte_file::OpenFileSource(path);
  }
  std::unique_ptr<byte_file::Target> Replace(std::u16string_view path) override {
    return byte_file::CreateFileReplacement(path);
  }
};

}  // namespace

LibraryFiles& SystemLibraryFiles() {
  static SystemFiles files;
  return files;
}

bool UserFilePath(std::u16string_view settings_file, WideString& path) {
  return path.AssignJoined(settings_location::FolderOf(settings_file), kUserFileName);
}

bool ChooseFileToRead(const Locations& where, LibraryFiles& files, WideString& chosen) {
  // A path that cannot even be built (memory) must not pass for a missing
  // file: an empty choice reads as unreadable, so this run writes nothing.
  const auto unbuilt = [&chosen] {
    chosen.Clear();
    return true;
  };
  if (!UserFilePath(where.settings_file, chosen)) return unbuilt();
  if (files.Exists(chosen.View())) return true;
  const bool japanese = where.ui_language == language_choice::kJapaneseUiLanguage;
  const std::u16string_view program_folder = settings_location::FolderOf(where.program);
  for (std::u16string_view name : {japanese ? kJapaneseDefault : kEnglishDefault,
                                   japanese ? kEnglishDefault : kJapaneseDefault}) {
    if (!chosen.AssignJoined(program_folder, name)) return unbuilt();
    if (files.Exists(chosen.View())) return true;
  }
  chosen.Clear();
  return false;
}

bool Load(const Locations& where, LibraryFiles& files, TagLibrary& library, WideString& read) {
  read.Clear();
  if (!ChooseFileToRead(where, files, read)) return true;
  if (read.Empty()) return false;
  const std::unique_ptr<byte_file::Source> source = files.Open(read.View());
  return source && LoadTagLibrary(*source, library);
}

bool SavePath(std::u16string_view settings_file, bool loaded_whole, LibraryFiles& files, WideString& path) {
  if (!UserFilePath(settings_file, path)) return false;
  if (loaded_whole || !files.Exists(path.View())) return true;
  const std::u16string_view folder = settings_location::FolderOf(settings_file);
  const std::u16string_view stem = kUserFileName.substr(0, kUserFileName.size() - kExtension.size());
  for (int number = 2; number <= kLastSaveNumber; ++number) {
    WideString name;
    const bool built = name.Assign(stem) && name.Append(u" (") &&
                       (number < 10 || name.Append(static_cast<char16_t>(u'0' + number / 10))) &&
                       name.Append(static_cast<char16_t>(u'0' + number % 10)) && name.Append(u")") &&
                       name.Append(kExtension);
    if (!built || !path.AssignJoined(folder, name.View())) return false;
    if (!files.Exists(path.View())) return true;
  }
  path.Clear();
  return false;
}

bool Save(std::u16string_view settings_file, bool loaded_whole, LibraryFiles& files, TagLibraryWalk& walk,
          WideString& written) {
  if (!SavePath(settings_file, loaded_whole, files, written)) return false;
  const std::unique_ptr<byte_file::Target> target = files.Replace(written.View());
  return target && SaveTagLibrary(walk, *target);
}

}  // namespace tag_library_file
