// Case and width conversion of the selection.
#include "editor/editing/document_editor.h"
#include "platform/text_mapping.h"
#include "platform/wide_string.h"

std::int32_t DocumentEditor::ConvertSelection(std::uint32_t mapping) {
  if (!store_.Selection().exists) return -1;
  WideString source;
  WideString mapped;
  if (!store_.SelectionText(source, false)) return -1;
  if (!text_mapping::Map(mapping, source.Data(), static_cast<std::int32_t>(source.Length()), mapped)) return -1;
  return InsertText(mapped.Data(), static_cast<std::int32_t>(mapped.Length()), RecordMode::Record, true);
}
