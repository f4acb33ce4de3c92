#include "docs/document_saving.h"

#include <memory>
#include <utility>

#include "docs/store_text_writing.h"
#include "docs/text_file_writer.h"
#include "platform/busy_cursor.h"
#include "platform/file_replace.h"
#include "platform/file_source.h"
#include "platform/path_text.h"
#include "platform/target_writer.h"

namespace document_saving {
namespace {

bool WriteText(Document& document, byte_file::Target& file, int encoding, int line_breaks) {
  byte_file::TargetWriter sink(file);
  TextFileWriter writer(encoding, line_breaks, sink);
  return writer.Valid() && writer.WritePrefix() && WriteStoreText(document.Store(), writer) && sink.Finish();
}

void TakeSavedState(Document& document, const char16_t* target, WideString new_path, int encoding,
                    int line_breaks) {
  document.MarkSaved();
  if (!new_path.Empty()) {
    document.SetPath(std::move(new_path));
    document.RepaintAll();
  }
  document.SetFormat(static_cast<EncodingId>(encoding), static_cast<LineBreakStyle>(line_breaks));
  const byte_file::FileStamp stamp = byte_file::StampOf(target);
  document.SetDiskStamp(stamp.time, stamp.size);
  document.NotifyModifiedChanged();
}

}  // namespace

bool Save(Document& document, const char16_t* target, int encoding, int line_breaks) {
  byte_file::ClearFailure();
  if (!target || !*target || encoding < kUtf8 || encoding > kSingleByte || line_breaks < kCrLf || line_breaks > kCr)
    return false;
  const std::u16string_view target_view(target);
  // The new path is made before the file is touched: once the file is
  // replaced, nothing can fail any more.
  WideString new_path;
  if (!path_text::SameName(document.File().path.View(), target_view) && !new_path.Assign(target_view)) return false;
  BusyCursor busy;
  std::unique_ptr<byte_file::Target> file = byte_file::CreateFileReplacement(target_view);
  const bool written = file && WriteText(document, *file, encoding, line_breaks) && file->Commit();
  // A file written in place and not committed gets its old bytes back here.
  file.reset();
  if (!written) return false;
  TakeSavedState(document, target, std::move(new_path), encoding, line_breaks);
  return true;
}

}  // namespace document_saving
