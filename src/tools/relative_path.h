#pragma once
// How a dropped file is referred to from a document: by a path relative to
// the document's folder.
#include <string_view>

#include "platform/wide_string.h"

namespace relative_path {

// The file as seen from the document's folder: "../" for each of the
// document's folders that the file does not share, the file's own folders
// below the shared ones with forward slashes, then its name. Folders are
// compared as names are (ASCII letters without case). Just the name when
// the document is untitled or lies on another drive, or for UNC paths on
// another server or share. False when memory ran out.
bool PathText(std::u16string_view document, std::u16string_view file, WideString& text);

}  // namespace relative_path
