#include "tools/find_in_files/results_page_win32.h"

#include <algorithm>
#include <string>

#include "base/frame_services_win32.h"
#include "base/language/error_box.h"
#include "base/language/language_module.h"
#include "base/language/string_ids.h"
#include "docs/tabs/save_messages.h"
#include "tools/find_in_files/result_rows.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace results_page {
namespace {

constexpr UINT_PTR kSubclassId = 413;
constexpr unsigned kStopText = 21201;
constexpr unsigned kColumnTexts = 21202;  // Line, Text
constexpr unsigned kCountsText = 21204;
constexpr unsigned kCappedText = 21205;
constexpr unsigned kStoppedText = 21206;
constexpr unsigned kTooComplexText = 21207;
constexpr unsigned kProgressText = 21208;
constexpr unsigned kSearchingText = 21210;
constexpr int kColumnWidths[find_in_files::kColumnCount] = {44, 800};
constexpr int kButtonWidth = 80;
constexpr int kGap = 2;

struct Page {
  HWND list = nullptr;
  HWND stop = nullptr;
  std::uint32_t search = 0;  // the search whose batches are taken
  find_in_files::ResultRows rows;
};
Page page;

std::u16string Text(unsigned id) { return std::u16string(language_module::StringView(id)); }

void SetCount() {
  SendMessageW(page.list, LVM_SETITEMCOUNT, page.rows.Count(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  InvalidateRect(page.list, nullptr, FALSE);
}

void Received(const search_worker::Batch& batch) {
  if (batch.finished) {
    const find_in_files::SummaryNotes notes{language_module::StringView(kCappedText),
                                            language_module::StringView(kStoppedText),
                                            language_module::StringView(kTooComplexText)};
    const std::u16string summary =
        find_in_files::SummaryText(language_module::StringView(kCountsText), notes, batch.counts, batch.milliseconds);
    page.rows.SetSummary(summary);
    frame_services::ShowStatusMessage(summary);
    EnableWindow(page.stop, FALSE);
    page.search = 0;
  } else {
    const std::string searched = std::to_string(batch.counts.files_searched);
    frame_services::ShowStatusMessage(save_messages::FillIn(language_module::StringView(kProgressText),
                                                            {std::u16string(searched.begin(), searched.end())}));
  }
  SetCount();
}

void TakeBatch(WPARAM search, LPARAM serial) {
  std::unique_ptr<search_worker::Batch> batch =
      search_worker::Take(static_cast<std::uint32_t>(search), static_cast<std::uint32_t>(serial));
  if (!batch || page.search != search) return;
  for (find_in_files::FileHits& file : batch->files) page.rows.Add(std::move(file));
  Received(*batch);
}

void Activate(int row) {
  find_in_files::RowTarget target;
  if (row < 0 || !page.rows.Target(static_cast<std::size_t>(row), target)) return;
  if (GetFileAttributesW(reinterpret_cast<const wchar_t*>(target.path.c_str())) == INVALID_FILE_ATTRIBUTES) {
    error_box::ShowNamed(string_ids::kCannotOpen, target.path);
    return;
  }
  if (!frame_services::OpenDocument(target.path)) return;
  frame_services::SelectInActiveLine(target.line, target.start, target.end);
  frame_services::FocusActiveDocument();
}

// Headings (the summary and each file) on the face colour, so that the
// lines group under their file.
LRESULT Paint(NMLVCUSTOMDRAW& draw) {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && page.rows.Heading(draw.nmcd.dwItemSpec))
    draw.clrTextBk = GetSysColor(COLOR_BTNFACE);
  return CDRF_DODEFAULT;
}

void FillCell(NMLVDISPINFOW& info) {
  if (!(info.item.mask & LVIF_TEXT) || !info.item.pszText || info.item.cchTextMax <= 0) return;
  const std::u16string cell = page.rows.Cell(static_cast<std::size_t>(info.item.iItem), info.item.iSubItem);
  const std::size_t units = std::min<std::size_t>(cell.size(), static_cast<std::size_t>(info.item.cchTextMax) - 1);
  std::copy_n(cell.data(), units, reinterpret_cast<char16_t*>(info.item.pszText));
  info.item.pszText[units] = L'\0';
}

void SetColumnTexts(bool insert) {
  for (int column = 0; column < find_in_files::kColumnCount; ++column) {
    std::u16string text = Text(kColumnTexts + static_cast<unsigned>(column));
    LVCOLUMNW item = {};
    item.mask = LVCF_TEXT | (insert ? LVCF_WIDTH : 0);
    item.cx = kColumnWidths[column];
    item.pszText = reinterpret_cast<wchar_t*>(text.data());
    SendMessageW(page.list, insert ? LVM_INSERTCOLUMNW : LVM_SETCOLUMNW, column, reinterpret_cast<LPARAM>(&item));
  }
}

LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case search_worker::kBatchReady:
      TakeBatch(wparam, lparam);
      return 0;
    case WM_NCDESTROY:
      search_worker::Abandon();
      RemoveWindowSubclass(list, ListProcedure, kSubclassId);
      page = Page();
      break;
  }
  return DefSubclassProc(list, message, wparam, lparam);
}

HWND Child(HWND base, const wchar_t* kind, DWORD style, DWORD extended, int id) {
  return CreateWindowExW(extended, kind, L"", WS_CHILD | style, 0, 0, 0, 0, base,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(base, GWLP_HINSTANCE)), nullptr);
}

}  // namespace

bool Create(HWND base, HFONT font) {
  page.list = Child(base, WC_LISTVIEWW, LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
                    WS_EX_STATICEDGE, kListId);
  page.stop = Child(base, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 0, kStopId);
  if (!page.list || !page.stop || !SetWindowSubclass(page.list, ListProcedure, kSubclassId, 0)) {
    if (page.list) DestroyWindow(page.list);
    if (page.stop) DestroyWindow(page.stop);
    page = Page();
    return false;
  }
  SendMessageW(page.list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  SetColumnTexts(true);
  ApplyFontAndLanguage(font);
  SetCount();
  return true;
}

void Show(bool shown) {
  ShowWindow(page.list, shown ? SW_SHOW : SW_HIDE);
  ShowWindow(page.stop, shown ? SW_SHOW : SW_HIDE);
}

void Place(const RECT& area) {
  const int height = std::max<int>(frame_services::TabRowHeight(), 20);
  MoveWindow(page.stop, area.left + kGap, area.top + kGap, kButtonWidth, height, TRUE);
  const int top = area.top + height + 2 * kGap;
  MoveWindow(page.list, area.left, top, std::max<int>(area.right - area.left, 0),
             std::max<int>(area.bottom - top, 0), TRUE);
}

bool Notify(const NMHDR& header, LRESULT& result) {
  if (header.idFrom != kListId) return false;
  switch (header.code) {
    case LVN_GETDISPINFOW:
      FillCell(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
      return true;
    case NM_DBLCLK:
      Activate(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
      return true;
    case NM_RETURN:
      Activate(static_cast<int>(SendMessageW(page.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED)));
      return true;
    case NM_CUSTOMDRAW:
      result = Paint(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
      return true;
  }
  return false;
}

bool Command(WPARAM wparam) {
  if (LOWORD(wparam) != kStopId) return false;
  search_worker::RequestStop();
  return true;
}

void ApplyFontAndLanguage(HFONT font) {
  if (!page.list) return;
  SendMessageW(page.list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SendMessageW(page.stop, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  const std::u16string stop = Text(kStopText);
  SetWindowTextW(page.stop, reinterpret_cast<const wchar_t*>(stop.c_str()));
  SetColumnTexts(false);
}

bool Begin(search_worker::Request request, std::u16string& error) {
  if (!page.list) return false;
  const std::uint32_t search = search_worker::Start(page.list, std::move(request), error);
  if (search == 0) return false;
  page.search = search;
  page.rows.Clear();
  page.rows.SetSummary(Text(kSearchingText));
  LVITEMW none = {};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(page.list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  EnableWindow(page.stop, TRUE);
  SetCount();
  return true;
}

}  // namespace results_page
