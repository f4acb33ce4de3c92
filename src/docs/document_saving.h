#pragma once
// Saving a document: its text is written to a new file beside the target,
// which takes the target's place by one rename once every byte was written
// and flushed, so that the target is at every moment the old file or the
// new one, whole.
#include "editor/control/document.h"

namespace document_saving {

// encoding is an EncodingId (0..6), line_breaks a LineBreakStyle.  A
// read-only target is refused.  Only when the target's folder takes no new
// file is the text written in the user's temporary folder and copied over
// the target instead.  On success the document is marked saved, takes the
// target as its path (unless the two differ only in letter case), the
// encoding, the line-break style and the target's write time, and its
// parent hears of the modified state.  On failure nothing of the document
// and nothing on disk changes; the caller reports it.
bool Save(Document& document, const char16_t* target, int encoding, int line_breaks);

}  // namespace document_saving
