// The rebar and its toolbars on a plain host window under Wine, re-applied
// through the main window's entry point after the settings' font or the
// language module changed, and their tooltips after new key bindings.
#include "frame/layout/main_window.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "settings/accelerator_table.h"
#include "base/frame_state.h"
#include "support/program_folder.h"
#include "base/language/language_module.h"
#include "settings/settings.h"
#include "tools/toolbars/find_bar_win32.h"
#include "tools/toolbars/toolbars_win32.h"

namespace {

using test_support::ProgramFolder;
using test_support::U16;

std::vector<UINT> drawn_controls;  // control ids of WM_DRAWITEM at the host

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DRAWITEM) drawn_controls.push_back(static_cast<UINT>(wparam));
  return DefWindowProcW(window, message, wparam, lparam);
}

// The tooltip window the bars share: the one the host owns.
HWND SharedTooltip(HWND host) {
  std::pair<HWND, HWND> search = {host, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) {
        auto& [owner, found] = *reinterpret_cast<std::pair<HWND, HWND>*>(data);
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        if (GetWindow(window, GW_OWNER) == owner && lstrcmpW(name, TOOLTIPS_CLASSW) == 0) found = window;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

std::wstring TooltipText(HWND tooltip, HWND owner, UINT_PTR id) {
  wchar_t text[256] = {};
  TTTOOLINFOW tool = {};
  tool.cbSize = sizeof tool;
  tool.hwnd = owner;
  tool.uId = id;
  tool.lpszText = text;
  SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
  return text;
}

RECT TooltipRect(HWND tooltip, HWND owner, UINT_PTR id) {
  TTTOOLINFOW tool = {};
  tool.cbSize = sizeof tool;
  tool.hwnd = owner;
  tool.uId = id;
  SendMessageW(tooltip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
  return tool.rect;
}

RECT ChildRect(HWND child) {
  RECT rect = {};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT ButtonRect(HWND bar, int command) {
  RECT rect = {};
  SendMessageW(bar, TB_GETRECT, command, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

class ToolbarReapply : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(language_module::Load(u"English", U16(ProgramFolder())));
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW host_class = {};
    host_class.lpfnWndProc = HostProcedure;
    host_class.hInstance = GetModuleHandleW(nullptr);
    host_class.lpszClassName = L"ToolbarReapplyHost";
    RegisterClassW(&host_class);
    host_ = CreateWindowExW(0, L"ToolbarReapplyHost", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1200, 300, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(host_, nullptr);
    Settings& settings = ProcessSettings();
    settings.ui_font_height = -12;
    settings.ui_font_weight = FW_NORMAL;
    settings.find_bar_shown = true;
    ASSERT_TRUE(accelerator_table::LoadBindings(Settings()));
    // Before the bars exist the entry point only makes the font.
    main_window::ApplyFontAndLanguage();
    ASSERT_NE(Frame().ui_font, nullptr);
    ASSERT_TRUE(toolbars::Create(host_, static_cast<HFONT>(Frame().ui_font)));
    bars_.menu = GetDlgItem(toolbars::Rebar(), toolbars::kMenuBarId);
    bars_.tools = GetDlgItem(toolbars::Rebar(), toolbars::kToolBarId);
    bars_.find = GetDlgItem(toolbars::Rebar(), toolbars::kFindBarId);
    tooltip_ = SharedTooltip(host_);
    ASSERT_TRUE(bars_.menu && bars_.tools && bars_.find && tooltip_);
  }
  void TearDown() override {
    if (IsWindow(host_)) DestroyWindow(host_);
    main_window::DeleteUiFont();
    language_module::Unload();
  }

  void Reapply(int height, int weight) {
    ProcessSettings().ui_font_height = height;
    ProcessSettings().ui_font_weight = weight;
    main_window::ApplyFontAndLanguage();
  }

  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }

  HWND host_ = nullptr;
  HWND tooltip_ = nullptr;
  struct {
    HWND menu, tools, find;
  } bars_ = {};
};

TEST_F(ToolbarReapply, ALargerFontGrowsTheBandsButtonsLabelsAndBoxesAndKeepsThemInPlace) {
  struct Sizes {
    int band_height, button_height, label_height, item_height, field_height, menu_width;
  };
  auto measure = [&] {
    REBARBANDINFOW band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILDSIZE;
    SendMessageW(toolbars::Rebar(), RB_GETBANDINFOW, 1, reinterpret_cast<LPARAM>(&band));
    const RECT label = ChildRect(GetDlgItem(bars_.find, find_bar::kFindLabelId));
    const RECT menu = ButtonRect(bars_.menu, 5000);
    HWND box = GetDlgItem(bars_.find, find_bar::kFindBoxId);
    return Sizes{static_cast<int>(band.cyMinChild), HIWORD(SendMessageW(bars_.tools, TB_GETBUTTONSIZE, 0, 0)),
                 static_cast<int>(label.bottom - label.top), static_cast<int>(SendMessageW(box, CB_GETITEMHEIGHT, 0, 0)),
                 static_cast<int>(SendMessageW(box, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0)),
                 static_cast<int>(menu.right - menu.left)};
  };
  const Sizes before = measure();
  const int bar_height = static_cast<int>(SendMessageW(toolbars::Rebar(), RB_GETBARHEIGHT, 0, 0));
  Reapply(-24, FW_BOLD);
  const Sizes after = measure();
  EXPECT_GT(after.band_height, before.band_height);
  EXPECT_GT(after.button_height, before.button_height);
  EXPECT_GT(after.label_height, before.label_height);
  EXPECT_GT(after.item_height, before.item_height);
  EXPECT_GT(after.field_height, before.field_height);
  EXPECT_GT(after.menu_width, before.menu_width);
  EXPECT_GT(SendMessageW(toolbars::Rebar(), RB_GETBARHEIGHT, 0, 0), bar_height);

  // Each label is followed by its box, and its placeholder ends 4 pixels
  // after the box, so the buttons behind it do not overlap it.
  const struct {
    int label, box, placeholder;
  } fields[] = {{find_bar::kFindLabelId, find_bar::kFindBoxId, 9920},
                {find_bar::kReplaceLabelId, find_bar::kReplaceBoxId, 9921}};
  for (const auto& field : fields) {
    const RECT label = ChildRect(GetDlgItem(bars_.find, field.label));
    const RECT box = ChildRect(GetDlgItem(bars_.find, field.box));
    const RECT placeholder = ButtonRect(bars_.find, field.placeholder);
    EXPECT_EQ(box.left, label.right + 1) << field.box;
    EXPECT_EQ(placeholder.right, box.right + 4) << field.box;
  }
  // The tooltips sit on the buttons' new rectangles.
  for (const auto& [bar, command] : {std::pair{bars_.tools, 5251}, std::pair{bars_.find, 5920}}) {
    RECT button = {};
    SendMessageW(bar, TB_GETITEMRECT, SendMessageW(bar, TB_COMMANDTOINDEX, command, 0), reinterpret_cast<LPARAM>(&button));
    const RECT tip = TooltipRect(tooltip_, bar, static_cast<UINT_PTR>(command));
    EXPECT_TRUE(EqualRect(&button, &tip)) << command;
  }
}

TEST_F(ToolbarReapply, TooltipsShowTheShortcutsOfTheNewBindings) {
  key_bindings::BindingSlots slots = key_bindings::DefaultSlots();
  key_bindings::BindingSlot* save = nullptr;
  for (auto& slot : slots)
    if (slot.command == 5050) save = &slot;
  ASSERT_NE(save, nullptr);
  WideString name;
  language_module::String(5050, name);
  const std::wstring save_name(name.View().begin(), name.View().end());
  ASSERT_FALSE(save_name.empty());
  const struct {
    std::uint8_t modifiers;
    std::uint16_t key;
    std::wstring tip;
  } cases[] = {
      {key_bindings::kVirtualKey | key_bindings::kControl | key_bindings::kShift, 'K', save_name + L" (Ctrl+Shift+K)"},
      {key_bindings::kVirtualKey, VK_F2, save_name + L" (F2)"},
      {key_bindings::kVirtualKey, 0, save_name},
  };
  for (const auto& binding : cases) {
    save->modifiers = binding.modifiers;
    save->key = binding.key;
    ASSERT_TRUE(accelerator_table::RebuildAccelerators(slots));
    toolbars::RefreshTooltips();
    EXPECT_EQ(TooltipText(tooltip_, bars_.tools, 5050), binding.tip);
  }
}

TEST_F(ToolbarReapply, TheOldFontGoesOnlyOnceEveryBarHoldsTheNewOne) {
  std::vector<HGDIOBJ> fonts = {Frame().ui_font};
  for (int i = 0; i < 20; ++i) {
    Reapply(i % 2 ? -12 : -20, i % 3 ? FW_NORMAL : FW_BOLD);
    fonts.push_back(Frame().ui_font);
  }
  for (std::size_t i = 0; i + 1 < fonts.size(); ++i) EXPECT_EQ(GetObjectType(fonts[i]), 0u) << "font " << i;
  EXPECT_EQ(GetObjectType(fonts.back()), static_cast<DWORD>(OBJ_FONT));
  HWND holders[] = {toolbars::Rebar(), GetDlgItem(bars_.find, find_bar::kFindLabelId),
                    GetDlgItem(bars_.find, find_bar::kReplaceLabelId), GetDlgItem(bars_.find, find_bar::kFindBoxId),
                    GetDlgItem(bars_.find, find_bar::kReplaceBoxId)};
  for (HWND holder : holders)
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(holder, WM_GETFONT, 0, 0)), fonts.back());
}

TEST_F(ToolbarReapply, TheBoxesItemsAreDrawnByTheTopWindow) {
  HWND box = GetDlgItem(bars_.find, find_bar::kFindBoxId);
  SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"alpha"));
  drawn_controls.clear();
  SendMessageW(box, CB_SHOWDROPDOWN, TRUE, 0);
  auto drawn = [] {
    return std::ranges::find(drawn_controls, static_cast<UINT>(find_bar::kFindBoxId)) != drawn_controls.end();
  };
  for (const DWORD start = GetTickCount(); !drawn() && GetTickCount() - start < 3000; Sleep(10)) Pump();
  SendMessageW(box, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_TRUE(drawn());
}

}  // namespace
