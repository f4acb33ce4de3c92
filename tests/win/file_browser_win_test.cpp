// The file browser's Windows side: the worker's lifetime and answers, the
// shell's change notifications reaching a pane in a host window, and a
// list drag that loses the mouse.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "editor/control/edit_control_win32.h"
#include "base/frame_state.h"
#include "platform/shell_namespace_win32.h"
#include "platform/text_measurer.h"
#include "settings/settings.h"
#include "support/wide_list.h"
#include "tools/file_browser/file_browser_win32.h"
#include "tools/file_browser/file_list_win32.h"
#include "tools/file_browser/shell_worker_win32.h"

namespace {

namespace fs = std::filesystem;
using shell_namespace::ItemList;

class ScratchFolder {
 public:
  explicit ScratchFolder(const char* name) : path_(fs::temp_directory_path() / name) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& Path() const { return path_; }
  std::u16string Text() const { return path_.u16string(); }
  fs::path File(const char* name) const {
    std::ofstream(path_ / name) << "x";
    return path_ / name;
  }

 private:
  fs::path path_;
};

// Runs what the queue holds, sent messages included, until test holds.
template <typename Test>
bool PumpUntil(Test test, DWORD timeout_ms = 5000) {
  const ULONGLONG end = GetTickCount64() + timeout_ms;
  while (!test()) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    if (GetTickCount64() >= end) return test();
    Sleep(5);
  }
  return true;
}

// A window receiving the worker's answers.
struct AnswerCounter {
  static inline int answers = 0;
  static inline std::uint32_t last_serial = 0;
  static inline LPARAM last_change = 0;
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message != shell_worker::kAnswer) return DefWindowProcW(window, message, wparam, lparam);
    ++answers;
    last_serial = static_cast<std::uint32_t>(wparam);
    last_change = lparam;
    return 0;
  }
  AnswerCounter() {
    answers = 0;
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = Procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"answer_counter_class";
    RegisterClassExW(&window_class);
    window = CreateWindowExW(0, L"answer_counter_class", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  }
  ~AnswerCounter() { DestroyWindow(window); }
  HWND window = nullptr;
};

TEST(ShellWorker, AnswersOnlyWhenTheButtonChanges) {
  ScratchFolder empty("vorndel_worker_empty");
  ScratchFolder full("vorndel_worker_full");
  fs::create_directory(full.Path() / "sub");
  AnswerCounter counter;
  ASSERT_TRUE(shell_worker::Start());
  ASSERT_TRUE(shell_worker::Ready());
  const ItemList empty_item = ItemList::OfPath(empty.Text());
  const ItemList full_item = ItemList::OfPath(full.Text());
  ASSERT_TRUE(empty_item.Valid() && full_item.Valid());
  using namespace tree_rules;
  EXPECT_TRUE(shell_worker::Ask(counter.window, 7, kOtherNode, kFileSystemFolder, full_item.Get(), kRemoveButtonIfNone));
  EXPECT_TRUE(shell_worker::Ask(counter.window, 8, kOtherNode, kFileSystemFolder, empty_item.Get(), kRemoveButtonIfNone));
  EXPECT_TRUE(shell_worker::Ask(counter.window, 9, kOtherNode, kFileSystemFolder, full_item.Get(), kAddButtonIfAny));
  EXPECT_TRUE(PumpUntil([] { return shell_worker::LiveRequests() == 0; }));
  PumpUntil([] { return AnswerCounter::answers >= 2; }, 500);
  EXPECT_EQ(AnswerCounter::answers, 2);
  EXPECT_TRUE(shell_worker::Stop());
}

TEST(ShellWorker, StopsWithRequestsQueuedAndAnAnswerInFlight) {
  ScratchFolder empty("vorndel_worker_stop");
  AnswerCounter counter;
  ASSERT_TRUE(shell_worker::Start());
  ASSERT_TRUE(shell_worker::Ready());
  const ItemList item = ItemList::OfPath(empty.Text());
  ASSERT_TRUE(item.Valid());
  for (std::uint32_t serial = 1; serial <= 1000; ++serial)
    shell_worker::Ask(counter.window, serial, tree_rules::kOtherNode, tree_rules::kFileSystemFolder, item.Get(),
                      tree_rules::kRemoveButtonIfNone);
  // Not pumping: the first answer waits for this thread while the rest
  // stay queued.
  const ULONGLONG end = GetTickCount64() + 10000;
  while (!(HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) && GetTickCount64() < end) Sleep(5);
  ASSERT_TRUE(HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE);
  EXPECT_GT(shell_worker::LiveRequests(), 900);
  shell_worker::SetStopping();
  shell_worker::Purge();
  EXPECT_TRUE(shell_worker::Stop());
  EXPECT_EQ(shell_worker::LiveRequests(), 0);
  EXPECT_EQ(AnswerCounter::answers, 1);  // the one in flight, taken while joining
}

// The pane in a top-level host window, as the left base holds it.
class PaneHost {
 public:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = 0;
    if (file_browser::HandleMessage(window, message, wparam, lparam, result)) return result;
    return DefWindowProcW(window, message, wparam, lparam);
  }
  PaneHost() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = Procedure;
    window_class.hInstance = instance;
    window_class.lpszClassName = L"pane_host_class";
    RegisterClassExW(&window_class);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    window = CreateWindowExW(0, L"pane_host_class", L"pane", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 10, 10,
                             800, 500, nullptr, nullptr, instance, nullptr);
  }
  ~PaneHost() {
    file_browser::Shutdown();
    DestroyWindow(window);
  }
  HWND window = nullptr;
};

int ListCount() { return static_cast<int>(SendMessageW(file_list::Window(), LVM_GETITEMCOUNT, 0, 0)); }

HWND Tree(HWND host) { return GetDlgItem(host, 402); }

HTREEITEM Child(HWND tree, HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

int Children(HWND tree, HTREEITEM item) {
  int count = 0;
  for (HTREEITEM child = Child(tree, item, TVGN_CHILD); child; child = Child(tree, child, TVGN_NEXT)) ++count;
  return count;
}

TEST(FileBrowserPane, ShellChangesFromThisProcessReachTheListAndTheTree) {
  ScratchFolder site("vorndel_pane_site");
  site.File("a.html");
  fs::create_directory(site.Path() / "old");
  Settings& settings = ProcessSettings();
  settings.document_extensions = WideList({u".html"});
  settings.image_extensions = WideList({u".png"});
  settings.favourite_folders.clear();
  FavouriteFolder favourite;
  favourite.path.Assign(site.Text());
  favourite.expand_at_start = true;
  settings.favourite_folders.push_back(std::move(favourite));
  settings.expand_desktop_root = false;
  settings.expand_favourites_root = true;

  PaneHost host;
  ASSERT_TRUE(file_browser::Create(host.window));
  HWND tree = Tree(host.window);
  const HTREEITEM favourites_root = Child(tree, Child(tree, nullptr, TVGN_ROOT), TVGN_NEXT);
  const HTREEITEM favourite_node = Child(tree, favourites_root, TVGN_CHILD);
  ASSERT_NE(favourite_node, nullptr);
  EXPECT_EQ(Children(tree, favourite_node), 1);

  ASSERT_TRUE(file_list::FillFolder(site.Text()));
  EXPECT_EQ(ListCount(), 1);
  const std::wstring created = site.File("b.html").wstring();
  SHChangeNotify(SHCNE_CREATE, SHCNF_PATHW, created.c_str(), nullptr);
  EXPECT_TRUE(PumpUntil([] { return ListCount() == 2; }));

  fs::create_directory(site.Path() / "sub");
  const std::wstring folder = (site.Path() / "sub").wstring();
  SHChangeNotify(SHCNE_MKDIR, SHCNF_PATHW, folder.c_str(), nullptr);
  EXPECT_TRUE(PumpUntil([&] { return Children(tree, favourite_node) == 2; }));
  fs::remove(site.Path() / "sub");
  SHChangeNotify(SHCNE_RMDIR, SHCNF_PATHW, folder.c_str(), nullptr);
  EXPECT_TRUE(PumpUntil([&] { return Children(tree, favourite_node) == 1; }));

  SHChangeNotify(SHCNE_RMDIR, SHCNF_PATHW, site.Path().wstring().c_str(), nullptr);
  EXPECT_TRUE(PumpUntil([] { return ListCount() == 0; }));
}

TEST(FileBrowserPane, ALargerFontMovesTheViewsBelowATallerTabRow) {
  ProcessSettings().favourite_folders.clear();
  PaneHost host;
  ASSERT_TRUE(file_browser::Create(host.window));
  SendMessageW(host.window, WM_SIZE, 0, MAKELPARAM(300, 400));
  auto top = [&] {
    RECT rect = {};
    GetWindowRect(Tree(host.window), &rect);
    MapWindowPoints(nullptr, host.window, reinterpret_cast<POINT*>(&rect), 2);
    return rect.top;
  };
  const LONG before = top();
  HFONT large = CreateFontW(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  file_browser::ApplyFontAndLanguage(large);
  EXPECT_GT(top(), before + 10);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(file_list::Window(), WM_GETFONT, 0, 0)), large);
  file_browser::ApplyFontAndLanguage(GetStockObject(DEFAULT_GUI_FONT));
  DeleteObject(large);
}

std::u16string Text(Document& document) {
  WideString text;
  document.Navigator().SelectAll();
  document.SelectionText(text);
  document.Navigator().ClearSelection();
  return std::u16string(text.View());
}

TEST(FileBrowserPane, ALostCaptureCancelsTheListsDragWithoutInserting) {
  ScratchFolder site("vorndel_pane_drag");
  site.File("a.html");
  ProcessSettings().document_extensions = WideList({u".html"});
  ProcessSettings().favourite_folders.clear();
  PaneHost host;
  ASSERT_TRUE(file_browser::Create(host.window));
  ASSERT_TRUE(file_list::FillFolder(site.Text()));
  Frame().documents = std::make_unique<DocumentSet>(platform::CreateScreenTextMeasurer());
  edit_control::RegisterWindowClass(GetModuleHandleW(nullptr));
  Document* document = edit_control::Create(*Frame().documents, host.window, 0, 300, 300);
  ASSERT_NE(document, nullptr);
  Frame().documents->SetActive(document);
  SetWindowPos(edit_control::WindowOf(*document), HWND_TOP, 450, 0, 300, 300, SWP_SHOWWINDOW);

  NMLISTVIEW begin = {};
  begin.hdr = {file_list::Window(), file_list::kId, LVN_BEGINDRAG};
  begin.iItem = 0;
  const LPARAM over_editor = MAKELPARAM(500, 50);
  LRESULT result = 0;
  auto send = [&](UINT message, WPARAM wparam, LPARAM lparam) {
    return file_browser::HandleMessage(host.window, message, wparam, lparam, result);
  };

  send(WM_NOTIFY, file_list::kId, reinterpret_cast<LPARAM>(&begin));
  EXPECT_EQ(GetCapture(), host.window);
  EXPECT_TRUE(send(WM_MOUSEMOVE, 0, over_editor));
  EXPECT_TRUE(send(WM_LBUTTONUP, 0, over_editor));
  EXPECT_EQ(Text(*document), u"a.html");  // an untitled document: the name alone

  send(WM_NOTIFY, file_list::kId, reinterpret_cast<LPARAM>(&begin));
  EXPECT_TRUE(send(WM_MOUSEMOVE, 0, over_editor));
  SetCapture(edit_control::WindowOf(*document));  // the mouse taken away mid-drag
  ReleaseCapture();
  EXPECT_FALSE(send(WM_MOUSEMOVE, 0, over_editor));
  EXPECT_FALSE(send(WM_LBUTTONUP, 0, over_editor));
  EXPECT_EQ(Text(*document), u"a.html");

  edit_control::DestroyAll(*Frame().documents);
  Frame().documents.reset();
}

}  // namespace
