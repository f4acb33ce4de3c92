// Mouse buttons and pointer moves over the control: presses, releases,
// double and rocker clicks, the middle and extra buttons, and right-button
// gestures.
#include <algorithm>

#include "editor/control/document.h"
#include "editor/input/hover_zone.h"
#include "editor/input/pointer_motion.h"

namespace {

bool Exactly(std::uint32_t flags, std::uint32_t wanted) { return flags == wanted; }

}  // namespace

void Document::NotifyMouse(EditorNotify message, std::int32_t code) {
  if (window_) window_->NotifyParent(message, static_cast<std::uintptr_t>(code), 0);
}

void Document::HoldMouse(MouseState state, const PointerPoint& point) {
  settings_.mouse_state = state;
  holds_mouse_ = true;
  dragged_ = false;
  press_point_ = point;
  if (window_) {
    window_->CapturePointer();
    window_->TakeFocus();
  }
  if (hover_zone_ == HoverZone::Unclassified) ClassifyZone(point);
}

void Document::LetGoOfMouse() {
  settings_.mouse_state = MouseState::Idle;
  holds_mouse_ = false;
  if (window_) window_->ReleasePointer();
}

void Document::ClassifyZone(const PointerPoint& point) {
  if (hover_zone_ == HoverZone::Unclassified && window_) window_->TrackPointerLeave();
  hover_zone_ = hover_zone::Classify(layout_, navigator_, store_, point);
}

bool Document::HoverCursor(EditorCursor& cursor) const {
  if (hover_zone_ == HoverZone::Margin) {
    cursor = kCursorMargin;
    return true;
  }
  if (hover_zone_ == HoverZone::Selection) {
    cursor = kCursorArrow;
    return true;
  }
  return false;
}

bool Document::TextDragging() const {
  return settings_.mouse_state == MouseState::LeftDragging && holds_mouse_ && hover_zone_ == HoverZone::Selection &&
         dragged_;
}

void Document::LeftButtonDown(const PointerPoint& point, std::uint32_t flags) {
  NotifyMouse(EDN_MOUSEDOWN, 0);
  const MouseState state = settings_.mouse_state;
  if (state == MouseState::Idle) {
    HoldMouse(MouseState::LeftPressed, point);
    const bool plain = Exactly(flags, mouse_flag::kLeft);
    if (hover_zone_ == HoverZone::Margin) {
      MarginPress(point, flags);
    } else if (hover_zone_ == HoverZone::Selection &&
               (plain || Exactly(flags, mouse_flag::kLeft | mouse_flag::kControl))) {
      // The selection may be dragged away from here.
      saved_caret_ = store_.Selection().caret;
      CaretFollow(point, false);
    } else {
      hover_zone_ = HoverZone::Text;
      const bool extend = Exactly(flags, mouse_flag::kLeft | mouse_flag::kShift);
      ClickAt({std::max(point.x, layout_.MarginWidth()), point.y},
              extend ? SelectionMode::Extend : SelectionMode::Collapse);
      if (Exactly(flags, mouse_flag::kLeft | mouse_flag::kControl)) StartTokenSelection();
    }
    return;
  }
  if (state == MouseState::RightPressed && Exactly(flags, mouse_flag::kLeft | mouse_flag::kRight) &&
      hover_zone_ != HoverZone::Margin) {
    settings_.mouse_state = MouseState::LeftPressed;
    NotifyMouse(EDN_MOUSECOMMAND, kActionRocker);
  }
}

void Document::LeftButtonUp(const PointerPoint& point, std::uint32_t flags) {
  token_mode_ = false;
  const MouseState state = settings_.mouse_state;
  if (!holds_mouse_ || (state != MouseState::LeftPressed && state != MouseState::LeftDragging)) return;
  const bool tag_pair_wanted =
      hover_zone_ == HoverZone::Text && !store_.Selection().exists && settings_.tag_pair_highlighting;
  if (state == MouseState::LeftPressed && tag_pair_wanted) FindTagPair();
  LetGoOfMouse();
  if (state == MouseState::LeftDragging && tag_pair_wanted) FindTagPair();
  if (hover_zone_ == HoverZone::Selection) {
    if (dragged_) {
      DropSelection((flags & mouse_flag::kControl) != 0);
    } else if ((flags & mouse_flag::kControl) != 0) {
      SelectToken();
    } else {
      // A click on the selection: it collapses where the caret followed
      // the pointer.
      navigator_.ClearSelection();
    }
  }
  dragged_ = false;
  ClassifyZone(point);
}

void Document::LeftDoubleClick(std::uint32_t flags) {
  if (!Exactly(flags, mouse_flag::kLeft) || hover_zone_ == HoverZone::Margin) return;
  settings_.mouse_state = MouseState::LeftPressed;
  holds_mouse_ = true;
  dragged_ = false;
  if (window_) window_->CapturePointer();
  NotifyMouse(EDN_MOUSECOMMAND, kActionDoubleClick);
}

void Document::RightButtonDown(const PointerPoint& point, std::uint32_t flags) {
  NotifyMouse(EDN_MOUSEDOWN, 0);
  const MouseState state = settings_.mouse_state;
  if (state == MouseState::Idle) {
    HoldMouse(MouseState::RightPressed, point);
    if (hover_zone_ == HoverZone::Text) {
      ClickAt({std::max(point.x, layout_.MarginWidth()), point.y}, SelectionMode::Collapse);
    } else if (hover_zone_ == HoverZone::Selection) {
      CaretFollow(point, false);
    }
    return;
  }
  if (state == MouseState::LeftPressed && Exactly(flags, mouse_flag::kLeft | mouse_flag::kRight) &&
      hover_zone_ != HoverZone::Margin)
    NotifyMouse(EDN_MOUSECOMMAND, kActionRocker);
}

bool Document::RightButtonUp() {
  const MouseState state = settings_.mouse_state;
  if (!holds_mouse_) return false;
  if (state == MouseState::RightPressed) {
    LetGoOfMouse();
    return true;
  }
  const std::int32_t action = pointer_motion::GestureAction(state);
  if (action >= 0) {
    LetGoOfMouse();
    NotifyMouse(EDN_MOUSECOMMAND, action);
  } else if (state == MouseState::GestureCancelled) {
    LetGoOfMouse();
  }
  return false;
}

void Document::MiddleButtonDown(std::uint32_t flags) {
  NotifyMouse(EDN_MOUSEDOWN, 0);
  if (window_) window_->TakeFocus();
  if (Exactly(flags, mouse_flag::kMiddle)) NotifyMouse(EDN_MOUSECOMMAND, kActionMiddle);
}

void Document::ExtraButtonDown(std::int32_t button, std::uint32_t flags) {
  NotifyMouse(EDN_MOUSEDOWN, 0);
  if (window_) window_->TakeFocus();
  if (button == 1 && Exactly(flags, mouse_flag::kExtra1)) {
    NotifyMouse(EDN_MOUSECOMMAND, kActionExtra1);
  } else if (button == 2 && Exactly(flags, mouse_flag::kExtra2)) {
    NotifyMouse(EDN_MOUSECOMMAND, kActionExtra2);
  }
}

void Document::PointerMoved(const PointerPoint& point, std::uint32_t flags) {
  const MouseState state = settings_.mouse_state;
  if (state == MouseState::Idle) {
    ClassifyZone(point);
    return;
  }
  // Another control holds the mouse.
  if (!holds_mouse_) return;
  switch (state) {
    case MouseState::LeftPressed:
      if (pointer_motion::IsDrag(press_point_, point)) settings_.mouse_state = MouseState::LeftDragging;
      break;
    case MouseState::LeftDragging:
      if (hover_zone_ == HoverZone::Selection && !dragged_) {
        dragged_ = true;
        if (window_) window_->ShowCursor((flags & mouse_flag::kControl) != 0 ? kCursorCopy : kCursorMove);
      }
      DragStep(point);
      break;
    case MouseState::RightPressed: {
      const MouseState direction = pointer_motion::GestureStep(press_point_, point);
      if (direction == MouseState::Idle) break;
      settings_.mouse_state = direction;
      press_point_ = point;
      const std::int32_t action = pointer_motion::GestureAction(direction);
      // The gesture cursors stand in the order of the gesture codes.
      if (window_) window_->ShowCursor(static_cast<EditorCursor>(kCursorGestureLeft + action - kActionGestureLeft));
      NotifyMouse(EDN_GESTURE, action);
      break;
    }
    case MouseState::GestureLeft:
    case MouseState::GestureRight:
    case MouseState::GestureUp:
    case MouseState::GestureDown: {
      const MouseState direction = pointer_motion::GestureStep(press_point_, point);
      if (direction == MouseState::Idle) break;
      press_point_ = point;
      if (direction == state) break;
      settings_.mouse_state = MouseState::GestureCancelled;
      if (window_) window_->ShowCursor(kCursorNo);
      NotifyMouse(EDN_GESTURE, kGestureCancelled);
      break;
    }
    default: break;
  }
}

void Document::PointerCaptureLost() {
  // The button-up that would end a token selection will not come here.
  token_mode_ = false;
  if (!holds_mouse_) return;
  const MouseState state = settings_.mouse_state;
  const bool on_selection = hover_zone_ == HoverZone::Selection &&
                            (state == MouseState::LeftPressed || state == MouseState::LeftDragging);
  settings_.mouse_state = MouseState::Idle;
  holds_mouse_ = false;
  dragged_ = false;
  // Where the pointer went meanwhile is unknown.
  hover_zone_ = HoverZone::Unclassified;
  if (window_) window_->RemoveAutoScroll();
  // The caret followed the pointer into the selection; it goes back to the
  // selection's end.
  if (on_selection) RestoreSavedCaret();
}

void Document::KeyUp(std::uint32_t key) {
  const KeyAction action = keyboard::ActionForKeyUp(key, TextDragging());
  if (action.kind == KeyActionKind::ShowMoveCursor && window_) window_->ShowCursor(kCursorMove);
}
