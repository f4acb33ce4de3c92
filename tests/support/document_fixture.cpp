#include "support/document_fixture.h"

#include <memory>

#include "platform/fixed_text_measurer.h"

namespace {

DocumentSet& WithFonts(DocumentSet& set, bool wrapped) {
  set.EnsureFonts();
  set.Settings().wrap = wrapped;
  return set;
}

RecordingControlWindow& Attach(Document& document) {
  auto window = std::make_unique<RecordingControlWindow>();
  RecordingControlWindow& attached = *window;
  document.AttachWindow(std::move(window));
  return attached;
}

}  // namespace

DocumentFixture::DocumentFixture(bool wrapped)
    : set(std::make_unique<platform::FixedTextMeasurer>()),
      document(WithFonts(set, wrapped).Metrics(), set.Settings()),
      window(Attach(document)) {
  document.Resize(kWidth, kHeight);
  document.FocusGained();
  window.Reset();
}

std::u16string DocumentFixture::Lines(std::int32_t count) {
  std::u16string text;
  for (std::int32_t i = 0; i < count; ++i) {
    if (i > 0) text += u'\n';
    text += u"line ";
    for (char c : std::to_string(i)) text += static_cast<char16_t>(c);
  }
  return text;
}

std::u16string DocumentFixture::Text() {
  TextStore& store = document.Store();
  WideString text;
  const std::int32_t last = store.LineCount() - 1;
  store.RangeText({0, 0, 0}, {last, store.Line(last)->Length(), 0}, text, false);
  return std::u16string(text.View());
}

std::string DocumentFixture::LastCaretMove() const {
  for (auto call = window.caret.calls.rbegin(); call != window.caret.calls.rend(); ++call)
    if (call->rfind("move ", 0) == 0) return *call;
  return {};
}
