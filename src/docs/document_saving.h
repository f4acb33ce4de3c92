#pragma once
// Saving a document through the file replacement (see
// platform/file_replace.h): the target is never left partial without a
// whole copy of its old bytes.
#include "editor/control/document.h"

namespace document_saving {

// encoding is an EncodingId (0..6), line_breaks a LineBreakStyle.  A
// read-only target is refused.  Characters the encoding lacks are written
// as its replacement: the caller asks first (docs/character_loss.h).  On
// success the document is marked saved, takes the
// target as its path (unless the two differ only in letter case), the
// encoding, the line-break style and the target's write time and size,
// and its parent hears of the modified state.  On failure nothing of the
// document changes, the target keeps its old bytes (or they stay in the
// copy that byte_file::LastFailure names), and the caller reports it with
// the system's reason from there.
bool Save(Document& document, const char16_t* target, int encoding, int line_breaks);

}  // namespace document_saving
