#include "settings/binding_edits.h"

#include <gtest/gtest.h>

using binding_edits::BindingEdit;
using binding_edits::MouseActions;
using binding_edits::Outcome;

namespace {

constexpr int kNewSlot = 0;  // Ctrl+N by default
constexpr int kOpenSlot = 1;
constexpr int kSelectTagSlot = 18;  // 5125, on the double click by default
constexpr int kFindSlot = 19;       // 5130, on the middle button

BindingEdit Defaults() {
  BindingEdit edit;
  edit.slots = key_bindings::DefaultSlots();
  edit.mouse_actions = binding_edits::DefaultMouseActions();
  return edit;
}

}  // namespace

TEST(BindingEdits, AKeyIsTakenOnlyWhenNoSlotHasTheSameCombination) {
  const struct {
    const char* name;
    int row;
    std::uint16_t key;
    bool ctrl, shift;
    Outcome outcome;
    std::uint8_t modifiers;  // of the slot when changed
  } cases[] = {
      {"Ctrl+N for a second command", kOpenSlot, 'N', true, false, Outcome::kInUse, 0},
      {"a slot's own combination", kNewSlot, 'N', true, false, Outcome::kInUse, 0},
      {"plain N", kOpenSlot, 'N', false, false, Outcome::kChanged, 1},
      {"Shift+N", kOpenSlot, 'N', false, true, Outcome::kChanged, 5},
      {"CapsLock takes no Shift", kOpenSlot, 240, true, true, Outcome::kChanged, 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    BindingEdit edit = Defaults();
    EXPECT_EQ(binding_edits::AssignKey(edit, c.row, c.key, c.ctrl, c.shift), c.outcome);
    key_bindings::BindingSlots expected = key_bindings::DefaultSlots();
    if (c.outcome == Outcome::kChanged) expected[c.row] = {c.modifiers, c.key, expected[c.row].command};
    EXPECT_EQ(edit.slots, expected);
    EXPECT_EQ(edit.keys_changed, c.outcome == Outcome::kChanged);
    EXPECT_EQ(edit.mouse_actions, binding_edits::DefaultMouseActions());
  }
}

TEST(BindingEdits, AMouseActionIsTakenOnlyWhenFreeAndTheCommandMovesToIt) {
  const struct {
    const char* name;
    int row;
    int action;
    Outcome outcome;
    MouseActions actions;
  } cases[] = {
      {"held by another command", kFindSlot, 0, Outcome::kInUse, binding_edits::DefaultMouseActions()},
      {"held by the command itself", kSelectTagSlot, 0, Outcome::kInUse, binding_edits::DefaultMouseActions()},
      {"free", kFindSlot, 3, Outcome::kChanged, {5125, 5310, 0, 5130, 0, 5121, 5122, 6000, 6001}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    BindingEdit edit = Defaults();
    EXPECT_EQ(binding_edits::AssignMouseAction(edit, c.row, c.action), c.outcome);
    EXPECT_EQ(edit.mouse_actions, c.actions);
    EXPECT_EQ(edit.mouse_changed, c.outcome == Outcome::kChanged);
    EXPECT_FALSE(edit.keys_changed);
  }
}

TEST(BindingEdits, RemovingAndRestoringTouchOnlyTheirOwnMode) {
  BindingEdit edit = Defaults();
  binding_edits::RemoveKey(edit, kNewSlot);
  binding_edits::RemoveMouseAction(edit, kSelectTagSlot);
  EXPECT_FALSE(edit.slots[kNewSlot].Bound());
  EXPECT_EQ(edit.mouse_actions[0], 0);

  binding_edits::RestoreDefaultKeys(edit);
  EXPECT_EQ(edit.slots, key_bindings::DefaultSlots());
  EXPECT_EQ(edit.mouse_actions[0], 0);
  binding_edits::RemoveKey(edit, kNewSlot);
  binding_edits::RestoreDefaultMouseActions(edit);
  EXPECT_EQ(edit.mouse_actions, (MouseActions{5125, 5310, 5130, 0, 0, 5121, 5122, 6000, 6001}));
  EXPECT_FALSE(edit.slots[kNewSlot].Bound());
}
