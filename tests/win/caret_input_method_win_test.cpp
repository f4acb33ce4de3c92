// The Win32 side of the caret and the input method: the layouts and codes
// the portable code writes for Windows, and the thin caret and imm32 layers
// on a real window.
#include <gtest/gtest.h>
#include <windows.h>
#include <imm.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "editor/input/key_action.h"
#include "editor/editing/reconvert_string.h"
#include "platform/input_method.h"
#include "platform/system_caret.h"

namespace {

TEST(CaretWin32, VirtualKeysAreTheSystemOnes) {
  EXPECT_EQ(virtual_key::kControl, static_cast<std::uint32_t>(VK_CONTROL));
  EXPECT_EQ(virtual_key::kPageUp, static_cast<std::uint32_t>(VK_PRIOR));
  EXPECT_EQ(virtual_key::kPageDown, static_cast<std::uint32_t>(VK_NEXT));
  EXPECT_EQ(virtual_key::kEnd, static_cast<std::uint32_t>(VK_END));
  EXPECT_EQ(virtual_key::kHome, static_cast<std::uint32_t>(VK_HOME));
  EXPECT_EQ(virtual_key::kLeft, static_cast<std::uint32_t>(VK_LEFT));
  EXPECT_EQ(virtual_key::kUp, static_cast<std::uint32_t>(VK_UP));
  EXPECT_EQ(virtual_key::kRight, static_cast<std::uint32_t>(VK_RIGHT));
  EXPECT_EQ(virtual_key::kDown, static_cast<std::uint32_t>(VK_DOWN));
}

TEST(CaretWin32, ReconversionAnswerReadsAsTheSystemStructure) {
  static_assert(sizeof(RECONVERTSTRING) == reconvert::kHeaderBytes);
  const char16_t text[] = u"\u304B\u306Ax";
  const std::uint32_t size = reconvert::AnswerSize(3);
  std::vector<std::uint8_t> buffer(size);
  ASSERT_TRUE(reconvert::Write(text, 3, buffer.data(), size));
  RECONVERTSTRING header;
  std::memcpy(&header, buffer.data(), sizeof header);
  EXPECT_EQ(header.dwSize, size);
  EXPECT_EQ(header.dwVersion, 0u);
  EXPECT_EQ(header.dwStrLen, 3u);
  EXPECT_EQ(header.dwStrOffset, sizeof(RECONVERTSTRING));
  EXPECT_EQ(header.dwCompStrLen, 3u);
  EXPECT_EQ(header.dwCompStrOffset, 0u);
  EXPECT_EQ(header.dwTargetStrLen, 3u);
  EXPECT_EQ(header.dwTargetStrOffset, 0u);
  const auto* string = reinterpret_cast<const wchar_t*>(buffer.data() + header.dwStrOffset);
  EXPECT_EQ(std::wstring(string), L"\u304B\u306Ax");
}

// A plain top-level window of the test's own class.
class TestWindow {
 public:
  TestWindow() {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"caret_test_class";
    RegisterClassExW(&window_class);
    window_ = CreateWindowExW(0, L"caret_test_class", L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  }
  ~TestWindow() {
    if (window_) DestroyWindow(window_);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND Get() const { return window_; }

 private:
  HWND window_;
};

TEST(CaretWin32, TheSystemCaretGoesWhereItIsPlaced) {
  TestWindow window;
  ASSERT_NE(window.Get(), nullptr);
  std::unique_ptr<platform::SystemCaret> caret = platform::CreateSystemCaret(window.Get());
  ASSERT_TRUE(caret);
  ASSERT_TRUE(caret->Create(13));
  caret->MoveTo(40, 16);
  caret->Show();
  POINT point{};
  ASSERT_TRUE(GetCaretPos(&point));
  EXPECT_EQ(point.x, 40);
  EXPECT_EQ(point.y, 16);
  caret->Hide();
  caret->Destroy();
  caret->Destroy();  // a second time does nothing
}

TEST(CaretWin32, TheInputMethodWithoutACompositionHasNoResult) {
  TestWindow window;
  ASSERT_NE(window.Get(), nullptr);
  std::unique_ptr<platform::InputMethod> input_method = platform::CreateInputMethod(window.Get());
  ASSERT_TRUE(input_method);
  input_method->PlaceComposition(platform::CompositionStyle::Point, 40, 16);
  input_method->PlaceComposition(platform::CompositionStyle::ForcePosition, 47, 16);
  input_method->CancelComposition();
  WideString result;
  EXPECT_FALSE(input_method->ResultString(result));
  EXPECT_TRUE(result.Empty());
}

}  // namespace
