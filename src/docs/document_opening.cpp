#include "docs/document_opening.h"

#include <utility>

#include "platform/file_source.h"

namespace document_opening {

LoadResult LoadFile(Document& document, const char16_t* path, int choice) {
  WideString loaded_path;
  EncodingId encoding = document.encoding;
  LineBreakStyle line_breaks = document.line_break_style;
  std::uint64_t time = 0;
  const LoadResult loaded =
      LoadIntoStore({document.Store(), loaded_path, encoding, line_breaks, time}, path, choice);
  if (loaded == kLoadFailed) {
    // A decoding failure may have filled and emptied the store again.
    document.TextReplaced();
    return kLoadFailed;
  }
  if (loaded == kLoadedEmpty && time == 0) return kLoadFailed;
  document.Path() = std::move(loaded_path);
  document.encoding = encoding;
  document.line_break_style = line_breaks;
  document.file_time = time;
  document.disk_time = time;
  document.disk_size = byte_file::StampOf(document.Path().View()).size;
  document.SetSyntaxModeFromPath();
  document.TextReplaced();
  return loaded;
}

bool Untouched(Document& document) {
  // Recovered text has no history but is not to be replaced.
  return document.Path().Empty() && document.Editor().History().Current() == nullptr && !document.Editor().Modified();
}

Result Open(DocumentSet& set, Host& host, std::u16string_view path, int choice) {
  WideString terminated;
  if (path.empty() || !terminated.Assign(path)) return kFailed;
  if (set.Count() == 1 && Untouched(*set.At(0))) {
    Document* only = set.At(0);
    if (LoadFile(*only, terminated.Text(), choice) == kLoadFailed) return kFailed;
    host.Show(only);
    return kOpened;
  }
  if (Document* open = set.FindByPath(path)) {
    host.Show(open);
    return kActivated;
  }
  Document* created = host.CreateDocument();
  if (!created) return kFailed;
  if (LoadFile(*created, terminated.Text(), choice) == kLoadFailed) {
    host.DestroyDocument(created);
    return kFailed;
  }
  host.Show(created);
  return kOpened;
}

}  // namespace document_opening
