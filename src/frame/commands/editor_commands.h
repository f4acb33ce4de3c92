#pragma once
// The commands that act on the active document or on the editor switches
// every document shares: undo, the clipboard, selection (all, or the HTML
// construct around the caret), case and width conversion, indentation, the
// view switches and the document boundaries.
#include <cstdint>

#include "editor/control/document_set.h"

namespace editor_commands {

inline constexpr std::uint16_t kUndo = 5110;
inline constexpr std::uint16_t kRedo = 5111;
inline constexpr std::uint16_t kCut = 5120;
inline constexpr std::uint16_t kCopy = 5121;
inline constexpr std::uint16_t kPaste = 5122;
inline constexpr std::uint16_t kDelete = 5123;
inline constexpr std::uint16_t kSelectAll = 5124;
inline constexpr std::uint16_t kSelectToken = 5125;
inline constexpr std::uint16_t kUpperCase = 5151;
inline constexpr std::uint16_t kLowerCase = 5152;
inline constexpr std::uint16_t kFullWidth = 5153;
inline constexpr std::uint16_t kHalfWidth = 5154;
inline constexpr std::uint16_t kHiragana = 5155;
inline constexpr std::uint16_t kKatakana = 5156;
inline constexpr std::uint16_t kIndent = 5160;
inline constexpr std::uint16_t kUnindent = 5161;
inline constexpr std::uint16_t kBoldTags = 5251;
inline constexpr std::uint16_t kTagPairHighlighting = 5252;
inline constexpr std::uint16_t kWrap = 5260;
inline constexpr std::uint16_t kMatchCase = 5920;
inline constexpr std::uint16_t kDocumentStart = 6000;
inline constexpr std::uint16_t kDocumentEnd = 6001;

// Carries the command out; false when it is not one of these.  Commands
// on the active document do nothing while there is none.
bool Run(DocumentSet& set, std::uint16_t command);

}  // namespace editor_commands
