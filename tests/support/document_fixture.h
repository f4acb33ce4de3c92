#pragma once
// An editor document on fixed-width metrics (7-pixel units, 14-pixel line
// pitch, 31-pixel margin) attached to a focused recording window whose
// client area shows 20 rows and 40 columns.
#include <cstdint>
#include <string>

#include "editor/control/document.h"
#include "editor/control/document_set.h"
#include "support/recording_control_window.h"

class DocumentFixture {
 public:
  static constexpr std::int32_t kRows = 20;
  static constexpr std::int32_t kColumns = 40;
  static constexpr std::int32_t kPitch = 14;
  static constexpr std::int32_t kUnit = 7;
  static constexpr std::int32_t kMargin = 31;
  static constexpr std::int32_t kWidth = kMargin + 1 + kColumns * kUnit;
  static constexpr std::int32_t kHeight = 2 + kRows * kPitch;

  explicit DocumentFixture(bool wrapped = false);

  // "line 0\nline 1\n..." with count lines (the last without line feed).
  static std::u16string Lines(std::int32_t count);
  std::u16string Text();
  // The y of a display row (or line) in the client area.
  std::int32_t RowY(std::int32_t row) { return document.Layout().RowTop(row); }
  // The last "move x,y" of the system caret; empty when none.
  std::string LastCaretMove() const;

  DocumentSet set;
  Document document;
  RecordingControlWindow& window;
};
