#include "docs/document_saving.h"

#include "docs/store_text_writing.h"
#include "docs/text_file_writer.h"
#include "platform/busy_cursor.h"
#include "platform/path_text.h"
#include "platform/save_files.h"

namespace document_saving {
namespace {

bool WriteTemporary(Document& document, const char16_t* name, int encoding, int line_breaks) {
  std::unique_ptr<save_files::OutputFile> file = save_files::OpenForWriting(name);
  if (!file) return false;
  TextFileWriter writer(encoding, line_breaks, *file);
  const bool written = writer.Valid() && writer.WritePrefix() && WriteStoreText(document.Store(), writer);
  // Closed in every case; a failed close (the last bytes not written) fails
  // the save too.
  const bool closed = file->Close();
  return written && closed;
}

void TakeSavedState(Document& document, const char16_t* target, int encoding, int line_breaks) {
  document.Editor().SetSavedPosition();
  const std::u16string_view target_view(target);
  if (!path_text::SameName(document.Path().View(), target_view) && document.Path().Assign(target_view)) {
    document.SetSyntaxModeFromPath();
    document.RepaintAll();
  }
  document.encoding = static_cast<EncodingId>(encoding);
  document.line_break_style = static_cast<LineBreakStyle>(line_breaks);
  document.file_time = save_files::LastWriteTime(target);
  document.NotifyModifiedChanged();
}

}  // namespace

bool Save(Document& document, const char16_t* target, int encoding, int line_breaks) {
  if (!target || encoding < kUtf8 || encoding > kSingleByte || line_breaks < kCrLf || line_breaks > kCr) return false;
  BusyCursor busy;
  WideString temporary;
  if (!save_files::MakeTemporaryFile(temporary)) return false;
  const bool saved = WriteTemporary(document, temporary.Text(), encoding, line_breaks) &&
                     save_files::CopyOver(temporary.Text(), target);
  save_files::DeleteNamed(temporary.Text());
  if (saved) TakeSavedState(document, target, encoding, line_breaks);
  return saved;
}

}  // namespace document_saving
