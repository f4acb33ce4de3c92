#include "editor/input/key_action.h"

namespace keyboard {

KeyAction ActionForKeyDown(std::uint32_t key, KeyModifiers modifiers, bool auto_repeat, bool text_dragging) {
  KeyAction action;
  action.mode = modifiers.shift ? SelectionMode::Extend : SelectionMode::Collapse;
  const auto vertical = [&](VerticalKey k) {
    action.kind = KeyActionKind::Vertical;
    action.vertical = k;
  };
  const auto horizontal = [&](HorizontalKey k) {
    action.kind = KeyActionKind::Horizontal;
    action.horizontal = k;
  };
  switch (key) {
    case virtual_key::kPageUp: vertical(VerticalKey::PageUp); break;
    case virtual_key::kPageDown: vertical(VerticalKey::PageDown); break;
    case virtual_key::kUp: vertical(VerticalKey::Up); break;
    case virtual_key::kDown: vertical(VerticalKey::Down); break;
    case virtual_key::kHome: horizontal(HorizontalKey::Home); break;
    case virtual_key::kEnd: horizontal(HorizontalKey::End); break;
    case virtual_key::kLeft: horizontal(HorizontalKey::Left); break;
    case virtual_key::kRight: horizontal(HorizontalKey::Right); break;
    case virtual_key::kControl:
      if (text_dragging && !auto_repeat) action.kind = KeyActionKind::ShowCopyCursor;
      break;
    default: break;
  }
  return action;
}

KeyAction ActionForKeyUp(std::uint32_t key, bool text_dragging) {
  KeyAction action;
  if (key == virtual_key::kControl && text_dragging) action.kind = KeyActionKind::ShowMoveCursor;
  return action;
}

CharacterAction ActionForCharacter(char16_t unit, KeyModifiers modifiers, const SelectionState& selection) {
  // Ctrl with Alt is AltGr on many keyboards, which types characters.
  if (modifiers.control && !modifiers.alt) return CharacterAction::Ignore;
  switch (unit) {
    case 8: return selection.exists ? CharacterAction::DeleteSelection : CharacterAction::Backspace;
    case 27: return CharacterAction::Ignore;
    case 9:
      if (selection.exists && selection.start.line != selection.end.line) {
        return modifiers.shift ? CharacterAction::Unindent : CharacterAction::Indent;
      }
      return CharacterAction::InsertTab;
    case 13: return CharacterAction::LineBreak;
    default: return CharacterAction::Insert;
  }
}

bool Perform(CaretNavigator& navigator, const KeyAction& action) {
  switch (action.kind) {
    case KeyActionKind::Vertical: navigator.VerticalMove(action.vertical, action.mode); return true;
    case KeyActionKind::Horizontal: navigator.HorizontalMove(action.horizontal, action.mode); return true;
    default: return false;
  }
}

}  // namespace keyboard
