#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "editor/layout/text_metrics.h"
#include "platform/text_measurer.h"
#include "support/measurer_contract.h"

namespace {

TEST(GdiTextMeasurer, KeepsTheContractWithAJapaneseFont) {
  CheckMeasurerContract(platform::CreateScreenTextMeasurer(), u"IPAGothic");
}

TEST(GdiTextMeasurer, KeepsTheContractWithAProportionalFont) {
  CheckMeasurerContract(platform::CreateScreenTextMeasurer(), u"Tahoma");
}

TEST(GdiTextMeasurer, FontSizeFollowsPixelsPerInch) {
  std::unique_ptr<platform::TextMeasurer> measurer = platform::CreateScreenTextMeasurer();
  ASSERT_TRUE(measurer);
  const std::int32_t pixels_per_inch = measurer->PixelsPerInchY();
  TextMetrics metrics(std::move(measurer));
  metrics.SetFaceName(u"IPAGothic");
  metrics.SetFontSize(10);
  ASSERT_TRUE(metrics.RebuildFonts());
  const std::int32_t small = metrics.TextHeight();
  EXPECT_GE(small, pixels_per_inch * 10 / 72);
  metrics.SetFontSize(20);
  ASSERT_TRUE(metrics.RebuildFonts());
  EXPECT_GT(metrics.TextHeight(), small);
  // The font made is the face asked for, not a substitute.
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  HGDIOBJ old = SelectObject(dc, static_cast<HFONT>(metrics.NormalFont()->NativeHandle()));
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  DeleteDC(dc);
  EXPECT_EQ(std::wstring(face), L"IPAGothic");
  // Japanese characters of this face are wider than ASCII letters.
  EXPECT_GT(metrics.Measure(u'\u65E5', 0).width, metrics.Measure(u'i', 0).width);
}

}  // namespace
