#pragma once
// Opening a file as a document of the set: an untouched untitled document
// takes the file in, a file already open is only activated, anything else
// gets a new document.  Making, showing and destroying the controls is the
// window side's, reached through Host.
#include <string_view>

#include "docs/text_file_loader.h"
#include "editor/control/document_set.h"

namespace document_opening {

enum Result : int { kFailed = 0, kActivated = 1, kOpened = 2 };

class Host {
 public:
  virtual ~Host() = default;
  // A new empty document (already in the set); null when it cannot be made.
  virtual Document* CreateDocument() = 0;
  virtual void DestroyDocument(Document* document) = 0;
  // Makes the document the active, shown one; also after its path changed.
  virtual void Show(Document* document) = 0;
};

// Loads the file into a document whose store holds one empty line: text,
// path, encoding, line breaks, write time and syntax mode; caret at the
// start, no history.  A file that is not there fails here (it was named from
// outside, so an empty document under its name would only mislead), and so
// does anything the loader refuses; the document keeps its path then.
LoadResult LoadFile(Document& document, const char16_t* path, int choice);

// Reads the document's file again, in its encoding, into a text of its own
// first, so that a file that vanished or cannot be read leaves the document
// as it was (false then).  The text comes in as loaded: no history, caret at
// the start; the line breaks and the file's time and size as found.
bool Reload(Document& document);

// choice is an EncodingId, kAutoDetect included.
Result Open(DocumentSet& set, Host& host, std::u16string_view path, int choice);

// An untitled document nobody has typed in (an undone edit still counts).
bool Untouched(Document& document);

}  // namespace document_opening
