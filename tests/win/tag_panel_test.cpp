// The tag panel under Wine on a plain host window that passes it the
// right base's messages: records freed with the tree, drags that lose the
// mouse, and long notes as tips.
#include "tools/tag_panel/tag_panel_win32.h"

#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <cstring>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>


namespace {

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (tag_panel::Handle(window, message, wparam, lparam, result)) return result;
  return DefWindowProcW(window, message, wparam, lparam);
}

class TagPanelWindow : public testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW host_class = {};
    host_class.lpfnWndProc = HostProcedure;
    host_class.hInstance = GetModuleHandleW(nullptr);
    host_class.lpszClassName = L"TagPanelHost";
    RegisterClassW(&host_class);
    host_ = CreateWindowExW(0, L"TagPanelHost", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 400, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(host_, nullptr);
  }
  void TearDown() override {
    if (IsWindow(host_)) DestroyWindow(host_);
  }

  // The panel over open folders with their tags; the records are noted.
  void Make(const std::vector<std::pair<std::u16string, std::vector<std::u16string>>>& folders,
            std::u16string_view note = u"") {
    TagLibrary library;
    for (const auto& [name, tags] : folders) {
      TagFolder* folder = CreateTagFolder();
      ASSERT_TRUE(folder && folder->name.Assign(name));
      folder->expanded = true;
      records_.push_back(folder);
      ASSERT_TRUE(library.AppendFolder(folder));
      for (const auto& tag_name : tags) {
        TagEntry* tag = CreateTagEntry();
        ASSERT_TRUE(tag && tag->name.Assign(tag_name) && tag->note.Assign(note));
        records_.push_back(tag);
        ASSERT_TRUE(library.AppendTag(tag));
      }
    }
    ASSERT_TRUE(tag_panel::CreateWith(host_, library, true));
    tree_ = GetDlgItem(host_, tag_panel::kTreeId);
    ASSERT_NE(tree_, nullptr);
  }

  HTREEITEM Item(UINT relation, HTREEITEM from = nullptr) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
  }
  std::wstring Text(HTREEITEM item) {
    wchar_t text[64] = {};
    TVITEMW data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = 64;
    SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
    return text;
  }
  // Every node in display order as "folder" or "folder/tag".
  std::vector<std::pair<std::wstring, HTREEITEM>> Nodes() {
    std::vector<std::pair<std::wstring, HTREEITEM>> nodes;
    for (HTREEITEM folder = Item(TVGN_ROOT); folder; folder = Item(TVGN_NEXT, folder)) {
      nodes.push_back({Text(folder), folder});
      for (HTREEITEM tag = Item(TVGN_CHILD, folder); tag; tag = Item(TVGN_NEXT, tag))
        nodes.push_back({Text(folder) + L"/" + Text(tag), tag});
    }
    return nodes;
  }
  HTREEITEM Find(const std::wstring& path) {
    for (const auto& [name, item] : Nodes())
      if (name == path) return item;
    return nullptr;
  }
  // The middle of a node's row (or its button) in the host's pixels.
  LPARAM At(HTREEITEM item, bool button = false) {
    RECT row = {};
    std::memcpy(&row, &item, sizeof item);  // the item goes in, the rectangle comes out
    SendMessageW(tree_, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&row));
    POINT point = {button ? row.left - 10 : (row.left + row.right) / 2, (row.top + row.bottom) / 2};
    MapWindowPoints(tree_, host_, &point, 1);
    return MAKELPARAM(point.x, point.y);
  }
  LRESULT Notify(NMHDR& header) {
    header.hwndFrom = tree_;
    header.idFrom = tag_panel::kTreeId;
    return SendMessageW(host_, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  }

  HWND host_ = nullptr;
  HWND tree_ = nullptr;
  std::vector<const void*> records_;
};

// How many of the blocks are still allocated on the process heap.
int LiveBlocks(const std::vector<const void*>& blocks) {
  const std::set<const void*> wanted(blocks.begin(), blocks.end());
  HANDLE heap = GetProcessHeap();
  int live = 0;
  HeapLock(heap);
  PROCESS_HEAP_ENTRY entry = {};
  while (HeapWalk(heap, &entry))
    if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) && wanted.count(entry.lpData)) ++live;
  HeapUnlock(heap);
  return live;
}

TEST_F(TagPanelWindow, TheTreeFreesEveryRecordItTookOverWhenItGoes) {
  Make({{u"A", {u"a1", u"a2", u"a3"}}, {u"B", {}}, {u"C", {u"c1", u"c2"}}});
  EXPECT_EQ(SendMessageW(tree_, TVM_GETCOUNT, 0, 0), 8);
  EXPECT_EQ(LiveBlocks(records_), 8);
  DestroyWindow(host_);
  EXPECT_EQ(LiveBlocks(records_), 0);
}

TEST_F(TagPanelWindow, ALostMouseEndsEveryDragWithNothingMovedOrLeftBehind) {
  const struct {
    bool shift;
    const wchar_t* dragged;
    const wchar_t* over;
    bool over_button;
  } cases[] = {
      {true, L"A/a1", L"B", false},     // a tag onto a folder: drop highlight
      {true, L"A/a1", L"C", true},      // a tag over a button: the hover timer
      {true, L"A", L"C/c1", false},     // a folder: the insert mark
      {false, L"A/a1", L"C/c1", false}, // towards the editor
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dragged);
    Make({{u"A", {u"a1", u"a2"}}, {u"B", {}}, {u"C", {u"c1"}}});
    const auto before = Nodes();
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = c.shift ? 0x80 : 0;
    SetKeyboardState(keys);
    NMTREEVIEWW begin = {};
    begin.hdr.code = TVN_BEGINDRAGW;
    begin.itemNew.hItem = Find(c.dragged);
    Notify(begin.hdr);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    ASSERT_EQ(GetCapture(), host_);
    const LPARAM over = At(Find(c.over), c.over_button);
    TVHITTESTINFO hit = {{GET_X_LPARAM(over), GET_Y_LPARAM(over)}};
    MapWindowPoints(host_, tree_, &hit.pt, 1);
    SendMessageW(tree_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    ASSERT_EQ((hit.flags & TVHT_ONITEMBUTTON) != 0, c.over_button);
    SendMessageW(host_, WM_MOUSEMOVE, MK_LBUTTON, over);

    SendMessageW(host_, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_NE(GetWindowLongPtrW(tree_, GWL_STYLE) & TVS_TRACKSELECT, 0);
    EXPECT_EQ(Item(TVGN_DROPHILITE), nullptr);
    EXPECT_EQ(Item(TVGN_CARET), nullptr);
    EXPECT_FALSE(KillTimer(tree_, 100000));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    // The release that follows finds no drag.
    SendMessageW(host_, WM_MOUSEMOVE, MK_LBUTTON, At(Find(L"B")));
    SendMessageW(host_, WM_LBUTTONUP, 0, At(Find(L"B")));
    EXPECT_EQ(Nodes(), before);
    DestroyWindow(tree_);
  }
}

TEST_F(TagPanelWindow, ALongNoteFillsTheTipsBufferAndNoMore) {
  const std::u16string note(5000, u'n');
  Make({{u"A", {u"a1"}}}, note);
  const struct {
    const wchar_t* node;
    std::size_t shown;
  } cases[] = {{L"A/a1", 1023}, {L"A", 0}};
  for (const auto& c : cases) {
    std::vector<wchar_t> buffer(1025, L'Z');
    NMTVGETINFOTIPW tip = {};
    tip.hdr.code = TVN_GETINFOTIPW;
    tip.pszText = buffer.data();
    tip.cchTextMax = 1024;
    tip.hItem = Find(c.node);
    Notify(tip.hdr);
    EXPECT_EQ(std::wstring(buffer.data()), std::wstring(c.shown, L'n')) << c.node;
    EXPECT_EQ(buffer[1024], L'Z');
  }
}

}  // namespace
