#include "tools/file_browser/tree_rules.h"

#include "platform/path_text.h"

namespace tree_rules {
namespace {

bool ZipName(std::u16string_view name) { return path_text::SameName(path_text::ExtensionOf(name), u".zip"); }

}  // namespace

Placement PlaceChild(const ItemFacts& item) {
  if (!item.file_system) {
    if (!item.folder) return {};
    return {true, kVirtualFolder, true, true};
  }
  if (item.stream || !item.folder) {
    if (!ZipName(item.name)) return {};
    return {true, kZipArchive, false, false};
  }
  return {true, kFileSystemFolder, true, true};
}

bool CountsAsChild(const ItemFacts& item) {
  const Placement placement = PlaceChild(item);
  return placement.shown && placement.kind != kVirtualFolder;
}

Question QuestionFor(NodeType type, NodeKind kind) {
  if (type == kDesktopRoot) return Question::kYes;
  if (type == kFavouritesRoot) return Question::kNo;
  if (kind == kFileSystemFolder) return Question::kFolderTest;
  if (kind == kVirtualFolder && type == kOtherNode) return Question::kParentAttribute;
  return Question::kNo;
}

ButtonChange ChangeFor(CheckMode mode, bool has_children) {
  if (mode == kAddButtonIfAny) return has_children ? ButtonChange::kAdd : ButtonChange::kKeep;
  return has_children ? ButtonChange::kKeep : ButtonChange::kRemove;
}

}  // namespace tree_rules
