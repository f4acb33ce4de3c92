#pragma once
// Commands that put HTML text into a document: the comment toggle, a
// colour, a date, and a file dropped from the file list as a relative path
// or a sized image tag. Each inserts through the document's one undoable
// insertion and returns false when nothing was inserted.
#include <cstdint>
#include <string_view>
#include <vector>

#include "editor/control/document.h"
#include "platform/wide_string.h"
#include "settings/settings.h"
#include "tools/image_size.h"

namespace insertion_tools {

struct CalendarDate {
  std::int32_t year = 0;
  std::int32_t month = 0;
  std::int32_t day = 0;
};

// Wraps the selection, or else the caret line, in "<!--" and "-->", or
// unwraps a text that is so wrapped; the caret goes to the text's start.
// An empty caret line is left alone.
bool ToggleComment(Document& document);

// "2014-03-05"; the year without leading zeros.
bool DateText(const CalendarDate& date, WideString& text);
bool InsertDate(Document& document, const CalendarDate& date);

// A colour 0x00BBGGRR as "#rrggbb".
bool InsertColour(Document& document, std::uint32_t colour);

// <img src="source" width="w" height="h" alt="">, without the size when the
// file's format is unknown or no size was found in it; an unreadable file
// gives zeros.
bool ImageTag(std::u16string_view source, const ImageSize& size, WideString& tag);

// The file's path relative to the document, or for an image (its
// extension one of the image extensions) its tag with the caret left
// inside the empty alt value.
bool InsertDroppedFile(Document& document, std::u16string_view path,
                       const std::vector<WideString>& image_extensions = ProcessSettings().image_extensions);

}  // namespace insertion_tools
