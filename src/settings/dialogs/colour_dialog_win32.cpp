#include "settings/dialogs/editing_dialogs_win32.h"

#include <commdlg.h>

#include <array>

#include "editor/control/document_set.h"
#include "base/frame_state.h"
#include "base/language/language_dialog_win32.h"
#include "settings/settings.h"

namespace editing_dialogs {
namespace {

constexpr unsigned kTemplate = 2400;
constexpr int kFirstSwatch = 2411;
constexpr int kFirstButton = 2412;
constexpr int kRowStep = 5;
constexpr COLORREF kSwatchOutline = RGB(0, 0, 0);

using Colours = std::array<std::uint32_t, Settings::kEditorColours>;

// The slot of a swatch or button id of the given first id; -1 for others.
int SlotOf(int id, int first) {
  if (id < first || (id - first) % kRowStep != 0) return -1;
  const int slot = (id - first) / kRowStep;
  return slot < Settings::kEditorColours ? slot : -1;
}

std::uint32_t ColourOf(int slot) { return Frame().documents->Settings().colours.slots[slot]; }

// The editors draw from the shared state; the record keeps it for the file.
void SetColour(int slot, std::uint32_t colour) {
  Frame().documents->Settings().colours.slots[slot] = colour;
  ProcessSettings().editor_colours[slot] = colour;
}

void DrawSwatch(const DRAWITEMSTRUCT& item, int slot) {
  HBRUSH fill = CreateSolidBrush(ColourOf(slot));
  HBRUSH outline = CreateSolidBrush(kSwatchOutline);
  FillRect(item.hDC, &item.rcItem, fill);
  FrameRect(item.hDC, &item.rcItem, outline);
  DeleteObject(outline);
  DeleteObject(fill);
}

void Choose(HWND dialog, int slot) {
  CHOOSECOLORW choose = {};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = dialog;
  choose.rgbResult = ColourOf(slot);
  choose.lpCustColors = reinterpret_cast<COLORREF*>(ProcessSettings().custom_colours.data());
  choose.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorW(&choose)) return;
  SetColour(slot, choose.rgbResult & 0x00FFFFFF);
  Frame().documents->RepaintActive();
  InvalidateRect(GetDlgItem(dialog, kFirstSwatch + kRowStep * slot), nullptr, TRUE);
}

void Restore(const Colours& saved) {
  for (int slot = 0; slot < Settings::kEditorColours; ++slot) SetColour(slot, saved[slot]);
  Frame().documents->RepaintActive();
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      return TRUE;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      const int slot = SlotOf(static_cast<int>(item.CtlID), kFirstSwatch);
      if (slot < 0) return FALSE;
      DrawSwatch(item, slot);
      return TRUE;
    }
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      if (const int slot = SlotOf(id, kFirstButton); slot >= 0) {
        Choose(dialog, slot);
        return TRUE;
      }
      if (id == IDOK || id == IDCANCEL) {
        if (id == IDCANCEL) Restore(*reinterpret_cast<const Colours*>(GetWindowLongPtrW(dialog, DWLP_USER)));
        EndDialog(dialog, id);
        return TRUE;
      }
      break;
    }
  }
  return FALSE;
}

}  // namespace

void EditColours(HWND owner) {
  if (!Frame().documents) return;
  Colours saved;
  for (int slot = 0; slot < Settings::kEditorColours; ++slot) saved[slot] = ColourOf(slot);
  language_dialog::RunModal(kTemplate, owner, Procedure, reinterpret_cast<LPARAM>(&saved),
                            ProcessSettings().ui_font_height);
}

}  // namespace editing_dialogs
