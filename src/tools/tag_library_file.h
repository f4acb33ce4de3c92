#pragma once
// Which file holds the tag library.  The user's own library is "Tags.txt"
// in the settings file's folder; until the first save makes one, the
// library comes from a default shipped beside the program.
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/file_replace.h"
#include "platform/file_source.h"
#include "platform/wide_string.h"
#include "tools/tag_library.h"

namespace tag_library_file {

inline constexpr std::u16string_view kUserFileName = u"Tags.txt";
inline constexpr std::u16string_view kJapaneseDefault = u"OptTags.txt";
inline constexpr std::u16string_view kEnglishDefault = u"OptTags_en.txt";

// The file-system questions, behind an interface so that the decisions can
// be tested without touching the disk.
class LibraryFiles {
 public:
  virtual ~LibraryFiles() = default;
  virtual bool Exists(std::u16string_view path) = 0;
  virtual std::unique_ptr<byte_file::Source> Open(std::u16string_view path) = 0;
  virtual std::unique_ptr<byte_file::Target> Replace(std::u16string_view path) = 0;
};

LibraryFiles& SystemLibraryFiles();

struct Locations {
  std::u16string_view settings_file;  // full path
  std::u16string_view program;        // full path of the executable
  std::uint16_t ui_language = 0;      // the user's interface language id
};

// "Tags.txt" in the settings file's folder.
bool UserFilePath(std::u16string_view settings_file, WideString& path);

// The user's library when it exists, else the default the interface
// language prefers, else the other default; false when none exists.  When
// memory runs out the answer is true with an empty path, which Load takes
// for a file it could not read.
bool ChooseFileToRead(const Locations& where, LibraryFiles& files, WideString& chosen);

// Reads the chosen file into `library` and names it in `read` (empty when
// there was none).  True when nothing was left unread: no file was there,
// or one was read to its end.  False for a file that exists but could not
// be opened or read whole (locked, a read error, out of memory); what was
// read stays in the library.
bool Load(const Locations& where, LibraryFiles& files, TagLibrary& library, WideString& read);

// Where the library is written at shutdown: "Tags.txt" in the settings
// folder when this run's library was read whole.  One read only in part
// goes to the first of "Tags.txt", "Tags (2).txt" ... "Tags (99).txt" that
// does not exist, so that the file holding the unread rest stays as it
// was.  False when none is free or memory runs out.
bool SavePath(std::u16string_view settings_file, bool loaded_whole, LibraryFiles& files, WideString& path);

// Writes the walk's content to SavePath's file and names it in `written`.
// True when the file was replaced.
bool Save(std::u16string_view settings_file, bool loaded_whole, LibraryFiles& files, TagLibraryWalk& walk,
          WideString& written);

}  // namespace tag_library_file
