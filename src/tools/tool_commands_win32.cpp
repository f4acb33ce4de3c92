#include "tools/tool_commands_win32.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "commands/command_ids.h"
#include "base/language/error_box.h"
#include "base/language/html_help.h"
#include "settings/settings.h"
#include "tools/about_window_win32.h"
#include "tools/external_tools.h"
#include "tools/insertion_tools.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace tool_commands {
namespace {

constexpr unsigned kCannotStart = 30005;
constexpr unsigned kHelpDisplayTopic = 0;
constexpr wchar_t kOnlineHelp[] = L"https://vorndel.example.org/help/";

const wchar_t* Wide(const WideString& text) {
  return text.Empty() ? L"" : reinterpret_cast<const wchar_t*>(text.Text());
}

// The colour dialog opens with its corner on the active editor's.
UINT_PTR CALLBACK PlaceColourDialog(HWND dialog, UINT message, WPARAM, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    const auto* choose = reinterpret_cast<const CHOOSECOLORW*>(lparam);
    if (HWND anchor = reinterpret_cast<HWND>(choose->lCustData)) {
      RECT rect = {};
      GetWindowRect(anchor, &rect);
      SetWindowPos(dialog, nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  return 0;
}

void InsertColour(Document& document, HWND main_window, HWND anchor) {
  Settings& settings = ProcessSettings();
  CHOOSECOLORW choose = {};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = main_window;
  choose.rgbResult = settings.last_inserted_colour;
  choose.lpCustColors = reinterpret_cast<COLORREF*>(settings.custom_colours.data());
  choose.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ENABLEHOOK;
  choose.lpfnHook = PlaceColourDialog;
  choose.lCustData = reinterpret_cast<LPARAM>(anchor);
  if (!ChooseColorW(&choose)) return;
  settings.last_inserted_colour = choose.rgbResult;
  insertion_tools::InsertColour(document, choose.rgbResult);
}

bool Execute(const wchar_t* file, const wchar_t* parameters) {
  SHELLEXECUTEINFOW execute = {};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_FLAG_NO_UI;
  execute.lpFile = file;
  execute.lpParameters = parameters;
  execute.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&execute) != FALSE;
}

void RunTool(std::size_t slot, Document* active) {
  const ExternalTool& tool = ProcessSettings().external_tools[slot];
  if (tool.path.Empty()) return;
  DWORD kind = 0;
  WideString parameters;
  // Something that is no program (a shortcut, a document) is opened as it
  // is, without the document.
  const bool program = GetBinaryTypeW(Wide(tool.path), &kind) != FALSE;
  if (program && !external_tools::ParameterText(tool, active ? active->File().path.View() : std::u16string_view(),
                                                ProcessSettings().url_mappings, parameters))
    return;
  if (!Execute(Wide(tool.path), program && !parameters.Empty() ? Wide(parameters) : nullptr))
    error_box::Show(kCannotStart);
}

void OpenHelp() {
  wchar_t program[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH + 1);
  WideString help;
  if (length > 0 && length <= MAX_PATH &&
      external_tools::HelpPath(std::u16string_view(reinterpret_cast<const char16_t*>(program), length), help) &&
      PathFileExistsW(Wide(help))) {
    html_help::Call(nullptr, help.Text(), kHelpDisplayTopic, 0);
    return;
  }
  Execute(kOnlineHelp, nullptr);
}

}  // namespace

bool Run(std::uint16_t command, Document* active, HWND main_window, HWND anchor) {
  if (command >= command_ids::kFirstTool && command <= command_ids::kLastTool) {
    RunTool(command - command_ids::kFirstTool, active);
    return true;
  }
  switch (command) {
    case command_ids::kComment:
      if (active) insertion_tools::ToggleComment(*active);
      return true;
    case command_ids::kColour:
      if (active) InsertColour(*active, main_window, anchor);
      return true;
    case command_ids::kDate: {
      SYSTEMTIME now = {};
      GetLocalTime(&now);
      if (active) insertion_tools::InsertDate(*active, {now.wYear, now.wMonth, now.wDay});
      return true;
    }
    case command_ids::kHelp:
      OpenHelp();
      return true;
    case command_ids::kAbout:
      about_window::Show(main_window);
      return true;
  }
  return false;
}

}  // namespace tool_commands
