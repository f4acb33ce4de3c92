#include "tools/file_browser/shell_worker_win32.h"

#include <shlwapi.h>

#include <atomic>
#include <memory>
#include <new>

#include "tools/file_browser/request_table.h"

namespace shell_worker {
namespace {

using namespace tree_rules;

constexpr wchar_t kClassName[] = L"shell_msg_class";
// A worker stuck in the shell (a network folder that does not answer) must
// not hold up the exit noticeably.
constexpr DWORD kJoinBoundMs = 500;

struct Request {
  HWND receiver = nullptr;
  std::uint32_t serial = 0;
  NodeType type = kOtherNode;
  NodeKind kind = kFileSystemFolder;
  CheckMode mode = kRemoveButtonIfNone;
  shell_namespace::ItemList item;
};

HANDLE thread = nullptr;
DWORD thread_id = 0;
HANDLE started = nullptr;
std::atomic<HWND> window{nullptr};
std::atomic<bool> stopping{false};
// The worker's message carries a serial of this table, never a pointer.
RequestTable<Request> requests;

// A folder holds children when it has an ordinary folder or a ".zip"
// archive; one that cannot be looked into keeps its button.
bool FolderTest(PCIDLIST_ABSOLUTE item) {
  WideString path;
  if (!shell_namespace::PathOf(item, path)) return true;
  const wchar_t* text = reinterpret_cast<const wchar_t*>(path.Text());
  if (!PathFileExistsW(text) || PathIsRootW(text)) return true;
  bool found = false;
  shell_namespace::ForEachFolder(item, false, [&](const shell_namespace::Child& child) {
    if (stopping) return false;
    const SFGAOF attributes = child.attributes;
    found = CountsAsChild({(attributes & SFGAO_FILESYSTEM) != 0, (attributes & SFGAO_FOLDER) != 0,
                           (attributes & SFGAO_STREAM) != 0, child.name.View()});
    return !found;
  });
  return found;
}

bool HasChildren(const Request& request) {
  switch (QuestionFor(request.type, request.kind)) {
    case Question::kYes:
      return true;
    case Question::kNo:
      return false;
    case Question::kFolderTest:
      return FolderTest(request.item.Get());
    case Question::kParentAttribute:
      return shell_namespace::Attributes(request.item.Get(), SFGAO_HASSUBFOLDER) != 0;
  }
  return false;
}

void Handle(std::uint32_t serial) {
  std::unique_ptr<Request> request = requests.Take(serial);
  if (!request || stopping) return;
  const ButtonChange change = ChangeFor(request->mode, HasChildren(*request));
  const HWND receiver = request->receiver;
  const std::uint32_t node = request->serial;
  request.reset();
  if (change != ButtonChange::kKeep && !stopping) SendMessageW(receiver, kAnswer, node, static_cast<LPARAM>(change));
}

void DropQueued(HWND target) {
  MSG message;
  while (PeekMessageW(&message, target, kRequest, kRequest, PM_REMOVE)) {
  }
  requests.Clear();
}

LRESULT CALLBACK Procedure(HWND target, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case kRequest:
      Handle(static_cast<std::uint32_t>(wparam));
      return 0;
    case kPurge:
      DropQueued(target);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(target, message, wparam, lparam);
}

DWORD WINAPI Run(void*) {
  // The worker binds its own folders: COM objects belong to the apartment
  // that made them.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.lpszClassName = kClassName;
  const ATOM registered = RegisterClassExW(&window_class);
  HWND made = registered ? CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr)
                         : nullptr;
  window = made;
  // Only now may requests come: the window they are posted to exists.
  SetEvent(started);
  MSG message;
  while (made && GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  window = nullptr;
  if (made && IsWindow(made)) DestroyWindow(made);
  DropQueued(nullptr);
  if (registered) UnregisterClassW(kClassName, instance);
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}

}  // namespace

bool Start() {
  if (thread) return true;
  stopping = false;
  started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!started) return false;
  thread = CreateThread(nullptr, 0, Run, nullptr, 0, &thread_id);
  if (thread) return true;
  CloseHandle(started);
  started = nullptr;
  return false;
}

bool Ready() {
  if (!thread) return false;
  // The thread's end counts too, so that a worker that failed never keeps
  // the pane waiting.
  const HANDLE either[] = {started, thread};
  WaitForMultipleObjects(2, either, FALSE, INFINITE);
  return window.load() != nullptr;
}

bool Ask(HWND receiver, std::uint32_t serial, NodeType type, NodeKind kind, PCIDLIST_ABSOLUTE item, CheckMode mode) {
  if (stopping) return false;
  std::unique_ptr<Request> request(new (std::nothrow) Request);
  if (!request) return false;
  request->receiver = receiver;
  request->serial = serial;
  request->type = type;
  request->kind = kind;
  request->mode = mode;
  request->item = shell_namespace::ItemList::Copy(item);
  const HWND target = window.load();
  if (!request->item.Valid() || !target) return false;
  const std::uint32_t ticket = requests.Add(std::move(request));
  if (ticket != 0 && PostMessageW(target, kRequest, ticket, 0)) return true;
  requests.Take(ticket);
  return false;
}

void Purge() {
  if (const HWND target = window.load()) PostMessageW(target, kPurge, 0, 0);
}

void SetStopping() { stopping = true; }
bool Stopping() { return stopping; }

bool Stop() {
  if (!thread) return true;
  stopping = true;
  const HWND target = window.load();
  if (!target || !PostMessageW(target, WM_CLOSE, 0, 0)) PostThreadMessageW(thread_id, WM_QUIT, 0, 0);
  const ULONGLONG deadline = GetTickCount64() + kJoinBoundMs;
  bool joined = false;
  for (;;) {
    // An answer the worker is sending waits for this thread: take it, also
    // one that arrived before the wait began.
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) break;
    const DWORD woke = MsgWaitForMultipleObjectsEx(1, &thread, static_cast<DWORD>(deadline - now), QS_SENDMESSAGE,
                                                   MWMO_INPUTAVAILABLE);
    if (woke == WAIT_OBJECT_0) {
      joined = true;
      break;
    }
    if (woke != WAIT_OBJECT_0 + 1) break;
  }
  CloseHandle(thread);
  thread = nullptr;
  // A worker still running may yet set the event: it stays open then.
  if (joined) CloseHandle(started);
  started = nullptr;
  return joined;
}

int LiveRequests() { return static_cast<int>(requests.Size()); }

}  // namespace shell_worker
