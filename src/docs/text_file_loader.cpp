#include "docs/text_file_loader.h"

#include <utility>

#include "docs/encoding_detection.h"
#include "docs/parted_decoding.h"
#include "platform/busy_cursor.h"
#include "platform/mapped_file.h"

namespace {

constexpr std::uint64_t kLargestFile = 0xFFFFFFFFull;

bool StoreIsEmpty(TextStore& store) {
  return store.Valid() && store.LineCount() == 1 && store.Line(0)->Length() == 0;
}

// The path is copied before anything changes, so that a failed copy leaves
// the text as it was; nothing to copy when it is the text's own path.
bool CopyPath(const LoadTarget& text, const char16_t* path, WideString& copy) {
  return path == text.path.Data() || copy.Assign(path);
}

void SetPath(const LoadTarget& text, const char16_t* path, WideString& copy) {
  if (path != text.path.Data()) text.path = std::move(copy);
}

}  // namespace

LoadResult LoadIntoDocument(LoadedText& text, const char16_t* path, int choice) {
  return LoadIntoStore({text.store, text.path, text.encoding, text.line_breaks, text.last_write_time}, path, choice);
}

LoadResult LoadIntoStore(const LoadTarget& text, const char16_t* path, int choice) {
  BusyCursor busy;
  if (!path || !StoreIsEmpty(text.store)) return kLoadFailed;
  WideString path_copy;
  if (!CopyPath(text, path, path_copy)) return kLoadFailed;

  MappedFile file;
  MappedFile::OpenResult opened = file.Open(path);
  if (opened == MappedFile::OpenResult::kFailed) return kLoadFailed;
  if (opened == MappedFile::OpenResult::kMissing || file.Size() == 0) {
    text.last_write_time = file.LastWriteTime();
    SetPath(text, path, path_copy);
    return kLoadedEmpty;
  }
  if (file.Size() > kLargestFile || !file.Map()) return kLoadFailed;

  const auto size = static_cast<std::uint32_t>(file.Size());
  int encoding = encoding_detection::ChooseEncoding(file.Data(), size, choice);
  if (encoding < 0) return kLoadFailed;

  TextFileReader reader(file.Data(), size, static_cast<EncodingId>(encoding));
  if (!parted_decoding::Decode(reader, text.store, &file, parted_decoding::PlannedCut(reader))) {
    text.store.Clear();
    return kLoadFailed;
  }
  text.encoding = reader.Encoding();
  text.line_breaks = reader.LineBreaks();
  text.last_write_time = file.LastWriteTime();
  SetPath(text, path, path_copy);
  return kLoadedText;
}
