#pragma once
// Saving a document: its text is written to a fresh temporary file, which is
// copied over the target only once every byte was written, so that a failed
// save leaves the target as it was.
#include "editor/control/document.h"

namespace document_saving {

// encoding is an EncodingId (0..6), line_breaks a LineBreakStyle.  On
// success the document is marked saved, takes the target as its path
// (unless the two differ only in letter case), the encoding, the line-break
// style and the target's write time, and its parent hears of the modified
// state.  On failure nothing of the document changes; the caller reports it.
bool Save(Document& document, const char16_t* target, int encoding, int line_breaks);

}  // namespace document_saving
