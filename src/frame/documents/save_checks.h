#pragma once
// What the frame asks before a document is written, and how a failed save
// is told (Windows only).
#include <string_view>
#include <vector>

#include "docs/tabs/save_messages.h"
#include "editor/control/document.h"

namespace save_checks {

// Before `document` is written to `path` in `encoding`: when the path is
// its own and the file changed on disk since it was loaded or saved, asks
// whether to overwrite; when characters would be lost, asks whether to
// save in UTF-8 instead (`encoding` becomes UTF-8), with "?" in their
// place, or not at all.  False when the user chose not to save.
bool Confirm(Document& document, std::u16string_view path, int& encoding);

// The file a save failed on, with the system's reason and any copy of the
// old bytes that had to be kept (from the last file replacement).
save_messages::FailedFile FailureOf(std::u16string_view path);

// One error box: the language string `head_id`, then every file.
void ShowFailures(unsigned head_id, const std::vector<save_messages::FailedFile>& files);

}  // namespace save_checks
