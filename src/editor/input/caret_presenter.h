#pragma once
// The system caret and the input method's composition window following the
// caret of a focused editor: the caret exists only while the control has
// the focus, is shown only inside the text area, and a composition window
// stands where the caret is.
#include <cstdint>

#include "editor/input/caret_view.h"
#include "editor/editing/document_editor.h"
#include "platform/input_method.h"
#include "platform/system_caret.h"

class CaretPresenter {
 public:
  CaretPresenter(platform::SystemCaret& caret, platform::InputMethod& input_method);
  CaretPresenter(const CaretPresenter&) = delete;
  CaretPresenter& operator=(const CaretPresenter&) = delete;

  bool CaretShown() const { return shown_; }
  bool Composing() const { return composing_; }

  // Focus gained (and after a context menu): a caret of the text height at
  // the placement.
  void Create(std::int32_t height, const CaretPlacement& placement);
  // Focus lost: a composition in progress is cancelled.
  void Destroy();
  void Place(const CaretPlacement& placement);

  // The composition window takes the editor font and stands at the caret.
  void StartComposition(const CaretPlacement& placement, const platform::Font* font);
  void EndComposition() { composing_ = false; }
  // A composition message: with a result, the text is read and inserted as
  // typed and true returned (the message is consumed, no characters
  // follow); without one the input method draws it (false).
  bool Composition(bool has_result, DocumentEditor& editor);

 private:
  platform::SystemCaret& caret_;
  platform::InputMethod& input_method_;
  bool created_ = false;
  bool shown_ = false;
  bool composing_ = false;
};
