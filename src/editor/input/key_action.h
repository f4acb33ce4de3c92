#pragma once
// What a key or a typed character does in the editor, decided from the key
// and the modifier state alone, so that the control's WM_KEYDOWN, WM_KEYUP
// and WM_CHAR handlers only forward. Keys not listed here reach the editor
// as commands through the frame's accelerator table.
#include <cstdint>

#include "editor/input/caret_navigator.h"
#include "editor/store/text_store.h"

// Virtual-key codes of the keys the control handles itself.
namespace virtual_key {
inline constexpr std::uint32_t kControl = 0x11;
inline constexpr std::uint32_t kPageUp = 0x21;
inline constexpr std::uint32_t kPageDown = 0x22;
inline constexpr std::uint32_t kEnd = 0x23;
inline constexpr std::uint32_t kHome = 0x24;
inline constexpr std::uint32_t kLeft = 0x25;
inline constexpr std::uint32_t kUp = 0x26;
inline constexpr std::uint32_t kRight = 0x27;
inline constexpr std::uint32_t kDown = 0x28;
}  // namespace virtual_key

struct KeyModifiers {
  bool shift = false;
  bool control = false;
  bool alt = false;
};

enum class KeyActionKind {
  None,
  Vertical,
  Horizontal,
  // During a text drag: Ctrl down copies, Ctrl up moves again.
  ShowCopyCursor,
  ShowMoveCursor,
};

struct KeyAction {
  KeyActionKind kind = KeyActionKind::None;
  VerticalKey vertical = VerticalKey::Up;
  HorizontalKey horizontal = HorizontalKey::Home;
  SelectionMode mode = SelectionMode::Collapse;  // Shift extends
};

enum class CharacterAction {
  Ignore,
  DeleteSelection,
  Backspace,
  Indent,
  Unindent,
  InsertTab,
  LineBreak,  // Enter: automatic indentation or a line feed
  Insert,
};

namespace keyboard {

// auto_repeat: the key was already down (bit 30 of the key message).
KeyAction ActionForKeyDown(std::uint32_t key, KeyModifiers modifiers, bool auto_repeat, bool text_dragging);
KeyAction ActionForKeyUp(std::uint32_t key, bool text_dragging);
CharacterAction ActionForCharacter(char16_t unit, KeyModifiers modifiers, const SelectionState& selection);

// Runs a movement action; false for actions that are not movements.
bool Perform(CaretNavigator& navigator, const KeyAction& action);

}  // namespace keyboard
