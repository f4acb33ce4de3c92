#pragma once
// Wrapping the active document's selection in a tag: the start text before
// it, the end text after it, as one undoable edit, the caret just after the
// start text.  Used by the tag panel and by the quick-tag commands.
#include <cstdint>
#include <string_view>

#include "editor/control/document.h"
#include "editor/store/text_position.h"
#include "settings/settings.h"
#include "tools/tag_library.h"

namespace tag_insertion {

// Where the caret goes after `start` was inserted at `base`: a line feed
// starts the next line, every other unit but CR takes one column; then
// `move` columns more.  Counted wide and held to the int32 range, as the
// editor lets a column past either end of a line flow on.
TextPosition CaretTarget(const TextPosition& base, std::u16string_view start, std::int64_t move);

// Start text, selected text and end text in place of the selection; the
// caret after the start text plus the tag's move.  Nothing happens without
// a document or when start and end are both empty; true when the text was
// inserted.
bool InsertTag(Document* document, const TagEntry& tag);

// Quick tag (command - command_ids::kFirstQuickTag) of the settings, inserted the same
// way without a move.  False for another command or when nothing was
// inserted.
bool InsertQuickTag(Document* document, const Settings& settings, std::uint16_t command);

}  // namespace tag_insertion
