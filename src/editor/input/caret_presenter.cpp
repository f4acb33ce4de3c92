#include "editor/input/caret_presenter.h"

#include "editor/editing/typing.h"

CaretPresenter::CaretPresenter(platform::SystemCaret& caret, platform::InputMethod& input_method)
    : caret_(caret), input_method_(input_method) {}

void CaretPresenter::Create(std::int32_t height, const CaretPlacement& placement) {
  if (created_) Destroy();
  created_ = caret_.Create(height);
  shown_ = false;
  // Placing shows it when it is inside the text area; showing it
  // unconditionally would draw it over the margin when scrolled away.
  Place(placement);
}

void CaretPresenter::Destroy() {
  if (composing_) {
    input_method_.CancelComposition();
    composing_ = false;
  }
  if (created_) caret_.Destroy();
  created_ = false;
  shown_ = false;
}

void CaretPresenter::Place(const CaretPlacement& placement) {
  if (created_) {
    caret_.MoveTo(placement.x, placement.y);
    if (placement.visible && !shown_) {
      caret_.Show();
      shown_ = true;
    } else if (!placement.visible && shown_) {
      caret_.Hide();
      shown_ = false;
    }
  }
  if (composing_) input_method_.PlaceComposition(platform::CompositionStyle::ForcePosition, placement.x, placement.y);
}

void CaretPresenter::StartComposition(const CaretPlacement& placement, const platform::Font* font) {
  composing_ = true;
  if (font) input_method_.SetCompositionFont(*font);
  input_method_.PlaceComposition(platform::CompositionStyle::Point, placement.x, placement.y);
}

bool CaretPresenter::Composition(bool has_result, DocumentEditor& editor) {
  if (!has_result) return false;
  WideString result;
  if (input_method_.ResultString(result)) {
    typing::InsertComposition(editor, result.Text(), static_cast<std::int32_t>(result.Length()));
  }
  return true;
}
