#include "docs/document_opening.h"

#include <utility>

#include "editor/layout/metrics_line_layout.h"
#include "platform/file_source.h"

namespace document_opening {

LoadResult LoadFile(Document& document, const char16_t* path, int choice) {
  WideString loaded_path;
  EncodingId encoding = document.File().encoding;
  LineBreakStyle line_breaks = document.File().line_breaks;
  std::uint64_t time = 0;
  // A decoding failure may have filled and emptied the store again: the
  // refill's reset runs whatever the loader answered.
  const LoadResult loaded = document.Refill([&](TextStore& store) {
    return LoadIntoStore({store, loaded_path, encoding, line_breaks, time}, path, choice);
  });
  if (loaded == kLoadFailed || (loaded == kLoadedEmpty && time == 0)) return kLoadFailed;
  const std::uint64_t size = byte_file::StampOf(loaded_path.View()).size;
  document.SetPath(std::move(loaded_path));
  document.SetFormat(encoding, line_breaks);
  document.SetDiskStamp(time, size);
  return loaded;
}

bool Reload(Document& document) {
  MetricsLineLayout layout(document.Metrics());
  LoadedText loaded(layout, 0);
  if (!loaded.store.Valid()) return false;
  loaded.encoding = document.File().encoding;
  loaded.line_breaks = document.File().line_breaks;
  WideString path;
  if (!path.Assign(document.File().path.View())) return false;
  if (LoadIntoDocument(loaded, path.Text(), document.File().encoding) == kLoadFailed || loaded.last_write_time == 0)
    return false;
  WideString text;
  const std::int32_t last = loaded.store.LineCount() - 1;
  if (!loaded.store.RangeText({0, 0, 0}, {last, TextStore::kEndColumn, 0}, text, false)) return false;
  if (!document.LoadText(text.View())) return false;
  document.SetFormat(document.File().encoding, loaded.line_breaks);
  document.SetDiskStamp(loaded.last_write_time, byte_file::StampOf(path.View()).size);
  return true;
}

bool Untouched(Document& document) {
  // Recovered text has no history but is not to be replaced.
  return document.File().path.Empty() && !document.HasHistory() && !document.Modified();
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
