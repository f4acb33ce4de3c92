#include "frame/commands/editor_commands.h"

#include <array>

#include "commands/command_ids.h"
#include "platform/text_mapping.h"

namespace editor_commands {
namespace {

using namespace command_ids;

struct DocumentCommand {
  std::uint16_t id;
  void (*run)(Document&);
};

template <std::uint32_t Mapping>
void Convert(Document& document) {
  document.ConvertSelection(Mapping);
}

constexpr std::array<DocumentCommand, 18> kDocumentCommands = {{
    {kUndo, [](Document& d) { d.Undo(); }},
    {kRedo, [](Document& d) { d.Redo(); }},
    {kCut, [](Document& d) { d.Copy(true); }},
    {kCopy, [](Document& d) { d.Copy(false); }},
    {kPaste, [](Document& d) { d.Paste(); }},
    {kDelete, [](Document& d) { d.DeleteCommand(); }},
    {kSelectAll, [](Document& d) { d.SelectAll(); }},
    {kSelectConstruct, [](Document& d) { d.SelectToken(); }},
    {kUpperCase, Convert<text_mapping::kUppercase>},
    {kLowerCase, Convert<text_mapping::kLowercase>},
    {kFullWidth, Convert<text_mapping::kFullwidth>},
    {kHalfWidth, Convert<text_mapping::kHalfwidth>},
    {kHiragana, Convert<text_mapping::kHiragana>},
    {kKatakana, Convert<text_mapping::kKatakana>},
    {kIndent, [](Document& d) { d.Indent(); }},
    {kUnindent, [](Document& d) { d.Unindent(); }},
    {kDocumentStart, [](Document& d) { d.DocumentStart(); }},
    {kDocumentEnd, [](Document& d) { d.DocumentEnd(); }},
}};

// The shared switches act on every document, active or not.
bool RunSwitch(DocumentSet& set, std::uint16_t command) {
  switch (command) {
    case kBoldTags:
      set.ToggleBoldTags();
      return true;
    case kTagPairHighlighting:
      set.ToggleTagPairHighlighting();
      return true;
    case kWrap:
      set.ToggleWrap();
      return true;
    case kMatchCase:
      set.ToggleCaseSensitiveSearch();
      return true;
    default:
      return false;
  }
}

}  // namespace

bool Run(DocumentSet& set, std::uint16_t command) {
  if (RunSwitch(set, command)) return true;
  for (const DocumentCommand& entry : kDocumentCommands) {
    if (entry.id != command) continue;
    if (Document* active = set.Active()) entry.run(*active);
    return true;
  }
  return false;
}

}  // namespace editor_commands
