#pragma once
// Stand-ins for the system caret and the input method that log every call
// as a word, so that tests can feed the control's message sequences.
#include <string>
#include <vector>

#include "platform/input_method.h"
#include "platform/system_caret.h"

class RecordingSystemCaret : public platform::SystemCaret {
 public:
  bool Create(std::int32_t height) override;
  void Destroy() override { calls.push_back("destroy"); }
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void Show() override { calls.push_back("show"); }
  void Hide() override { calls.push_back("hide"); }

  bool refuse_create = false;
  std::vector<std::string> calls;
};

class RecordingInputMethod : public platform::InputMethod {
 public:
  void PlaceComposition(platform::CompositionStyle style, std::int32_t x, std::int32_t y) override;
  void SetCompositionFont(const platform::Font& font) override;
  void CancelComposition() override { calls.push_back("cancel"); }
  bool ResultString(WideString& result) override;

  std::u16string result;  // what the next ResultString gives; empty: none
  std::vector<std::string> calls;
};
