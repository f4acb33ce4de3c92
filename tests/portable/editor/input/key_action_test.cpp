#include "editor/input/key_action.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyAction, NavigationKeysMoveAndShiftExtends) {
  struct Case {
    std::uint32_t key;
    KeyActionKind kind;
    VerticalKey vertical;
    HorizontalKey horizontal;
  } cases[] = {
      {virtual_key::kPageUp, KeyActionKind::Vertical, VerticalKey::PageUp, HorizontalKey::Home},
      {virtual_key::kPageDown, KeyActionKind::Vertical, VerticalKey::PageDown, HorizontalKey::Home},
      {virtual_key::kUp, KeyActionKind::Vertical, VerticalKey::Up, HorizontalKey::Home},
      {virtual_key::kDown, KeyActionKind::Vertical, VerticalKey::Down, HorizontalKey::Home},
      {virtual_key::kHome, KeyActionKind::Horizontal, VerticalKey::Up, HorizontalKey::Home},
      {virtual_key::kEnd, KeyActionKind::Horizontal, VerticalKey::Up, HorizontalKey::End},
      {virtual_key::kLeft, KeyActionKind::Horizontal, VerticalKey::Up, HorizontalKey::Left},
      {virtual_key::kRight, KeyActionKind::Horizontal, VerticalKey::Up, HorizontalKey::Right},
  };
  for (const Case& c : cases) {
    for (const bool shift : {false, true}) {
      for (const bool control : {false, true}) {
        const KeyAction action = keyboard::ActionForKeyDown(c.key, {shift, control, false}, false, false);
        EXPECT_EQ(action.kind, c.kind) << c.key;
        if (c.kind == KeyActionKind::Vertical) EXPECT_EQ(action.vertical, c.vertical) << c.key;
        if (c.kind == KeyActionKind::Horizontal) EXPECT_EQ(action.horizontal, c.horizontal) << c.key;
        EXPECT_EQ(action.mode, shift ? SelectionMode::Extend : SelectionMode::Collapse) << c.key;
      }
    }
  }
}

TEST(KeyAction, OtherKeysAreLeftToTheAcceleratorTable) {
  // Delete, Insert, Tab, A, F1.
  for (const std::uint32_t key : {0x2Eu, 0x2Du, 0x09u, 0x41u, 0x70u}) {
    EXPECT_EQ(keyboard::ActionForKeyDown(key, {}, false, false).kind, KeyActionKind::None) << key;
  }
}

TEST(KeyAction, ControlDuringATextDragSwitchesTheCursor) {
  const auto down = [](bool repeat, bool dragging) {
    return keyboard::ActionForKeyDown(virtual_key::kControl, {false, true, false}, repeat, dragging).kind;
  };
  EXPECT_EQ(down(false, true), KeyActionKind::ShowCopyCursor);
  EXPECT_EQ(down(true, true), KeyActionKind::None);
  EXPECT_EQ(down(false, false), KeyActionKind::None);
  EXPECT_EQ(keyboard::ActionForKeyUp(virtual_key::kControl, true).kind, KeyActionKind::ShowMoveCursor);
  EXPECT_EQ(keyboard::ActionForKeyUp(virtual_key::kControl, false).kind, KeyActionKind::None);
  EXPECT_EQ(keyboard::ActionForKeyUp(virtual_key::kLeft, true).kind, KeyActionKind::None);
}

TEST(KeyAction, Characters) {
  SelectionState none;
  SelectionState one_line;
  one_line.exists = true;
  one_line.start = {2, 1, 7};
  one_line.end = {2, 4, 28};
  SelectionState two_lines = one_line;
  two_lines.end = {3, 0, 0};
  const KeyModifiers plain{};
  const KeyModifiers shift{true, false, false};
  const KeyModifiers control{false, true, false};
  const KeyModifiers alt_gr{false, true, true};
  struct Case {
    char16_t unit;
    KeyModifiers modifiers;
    const SelectionState* selection;
    CharacterAction action;
  } cases[] = {
      {8, plain, &none, CharacterAction::Backspace},
      {8, plain, &one_line, CharacterAction::DeleteSelection},
      {27, plain, &one_line, CharacterAction::Ignore},
      {9, plain, &none, CharacterAction::InsertTab},
      {9, shift, &one_line, CharacterAction::InsertTab},
      {9, plain, &two_lines, CharacterAction::Indent},
      {9, shift, &two_lines, CharacterAction::Unindent},
      {13, plain, &none, CharacterAction::LineBreak},
      {u'a', plain, &none, CharacterAction::Insert},
      {u'A', shift, &one_line, CharacterAction::Insert},
      {u'a', control, &none, CharacterAction::Ignore},
      {8, control, &none, CharacterAction::Ignore},
      {u'@', alt_gr, &none, CharacterAction::Insert},
      {0x3042, plain, &none, CharacterAction::Insert},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(keyboard::ActionForCharacter(c.unit, c.modifiers, *c.selection), c.action)
        << static_cast<int>(c.unit) << " shift " << c.modifiers.shift << " control " << c.modifiers.control;
  }
}

}  // namespace
