// Copy, cut and paste through the clipboard in Unicode text.
#include "editor/control/document.h"
#include "platform/clipboard.h"

bool Document::Copy(bool cut) {
  if (!window_ || !store_.Selection().exists) return false;
  WideString text;
  if (!store_.SelectionText(text, true)) return false;
  if (!window_->Clipboard().PutText(text.Text(), static_cast<std::int32_t>(text.Length()))) return false;
  // Only text the clipboard took over may leave the document.
  if (cut) editor_.DeleteSelection(RecordMode::Record, true);
  return true;
}

bool Document::Paste() {
  if (!window_) return false;
  WideString text;
  if (!window_->Clipboard().GetText(text) || text.Empty()) return false;
  return editor_.InsertText(text.Text(), static_cast<std::int32_t>(text.Length()), RecordMode::Record, true) >= 0;
}
