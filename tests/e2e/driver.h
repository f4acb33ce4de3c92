#pragma once
// End-to-end driver: starts the real Vorndel.exe from a scratch folder, talks
// to it as the shell or a user would, reads back what it shows, and never
// leaves a process behind.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

inline constexpr DWORD kStartTimeoutMs = 15000;
inline constexpr DWORD kExitTimeoutMs = 10000;

// Polls test every 50 ms until it holds or timeout_ms has passed.
template <typename Test>
bool WaitUntil(DWORD timeout_ms, Test test) {
  const ULONGLONG end = GetTickCount64() + timeout_ms;
  for (;;) {
    if (test()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(50);
  }
}

// Folder of the built program and language modules (beside this driver).
std::wstring BinFolder();

// A folder of its own under build/win/e2e-scratch, emptied when made.
class Scratch {
 public:
  explicit Scratch(const std::wstring& name);
  const std::wstring& Path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }
  // Copies a file of the bin folder into the scratch folder under a name.
  bool CopyFromBin(const std::wstring& bin_name, const std::wstring& as) const;
  bool Write(const std::wstring& name, const std::string& bytes) const;
  bool MakeFolder(const std::wstring& name) const;

 private:
  std::wstring path_;
};

// Deletes a folder with everything in it; true when it is gone.
bool DeleteTree(const std::wstring& path);
bool Exists(const std::wstring& path);

// One started program; killed on destruction if it still runs.
class Program {
 public:
  // Started in folder (the program's own when empty).
  Program(const std::wstring& exe, const std::vector<std::wstring>& args, const std::wstring& folder = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD Id() const { return id_; }
  // The process's main window, waiting up to timeout; null when none came.
  HWND WaitMainWindow(DWORD timeout_ms = kStartTimeoutMs) const;
  // Waits for the end; false on timeout (the process is then killed).
  bool WaitExit(DWORD timeout_ms, DWORD& exit_code);
  bool Running() const;

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// Quotes an argument for CreateProcessW's command line.
std::wstring Quote(const std::wstring& arg);

// Top-level windows of class "Vorndel_main_class" (of any process).
std::vector<HWND> MainWindows();
HWND MainWindowOf(DWORD process_id);

struct MessageBoxSeen {
  HWND box = nullptr;
  std::wstring caption;
  std::wstring text;
};
// Waits for a message box of the process and reads its caption and text.
bool WaitMessageBox(DWORD process_id, DWORD timeout_ms, MessageBoxSeen& seen);
// Answers a message box and waits until it has gone: the answer is posted,
// and until it is taken a look for the next box (or for none) finds this
// one.  False when the box stays.
bool AnswerAndWait(HWND box, int button);
void PressOk(HWND box);
// Waits for a shown dialog (or message box) of the process with the
// caption; null when none came.
HWND WaitDialog(DWORD process_id, const std::wstring& caption, DWORD timeout_ms = kStartTimeoutMs);
// Waits for a shown dialog owned by owner (a common dialog a dialog
// opened); null when none came.
HWND WaitOwnedDialog(HWND owner, DWORD timeout_ms = kStartTimeoutMs);
// The popup menu window the process shows; null when none came.
HWND WaitPopup(DWORD process_id, DWORD timeout_ms = kStartTimeoutMs);
// A window's text, read through WM_GETTEXT, which crosses processes.
std::wstring WindowText(HWND window);

// The editor controls of a main window, one per document, in the order they
// were made; each one's window text names its document (full path, or the
// language module's untitled title), and only the active one is visible.
struct EditorWindow {
  HWND window = nullptr;
  std::wstring title;
  bool visible = false;
};
std::vector<EditorWindow> Editors(HWND main_window);
// The visible editor; null when none is.
HWND ActiveEditor(HWND main_window);
// The paths of the documents that have one, and the index among them of the
// active one (-1 when the active document is untitled or there is none).
std::vector<std::wstring> OpenedFiles(HWND main_window);
int ActiveFile(HWND main_window);
// Waits until count documents have paths.
bool WaitForFiles(HWND main_window, std::size_t count, DWORD timeout_ms = kStartTimeoutMs);
// The title of an untitled document (string 20220 of English.dll).
// A string of a language module beside the driver.
std::wstring ModuleText(const std::wstring& module_file, unsigned id);
std::wstring UntitledTitle(const std::wstring& module_file = L"English.dll");

// The clipboard's Unicode text; false when it holds none or cannot be opened.
bool ClipboardText(std::wstring& text);
bool SetClipboardText(const std::wstring& text);
// The active document's whole text as the program copies it (select all,
// then copy), line ends as CR LF.
std::wstring DocumentText(HWND main_window);
// The active document's selection as the program copies it.
std::wstring CopiedSelection(HWND main_window);
// Real input arrives some time after it was made: the selection is copied
// until it is the one expected (or the time is up); the last one copied.
std::wstring WaitForSelection(HWND main_window, const std::wstring& expected);
// Gives the file a write time seconds after now, as another program's
// later write would.
bool MarkWrittenLater(const std::wstring& path);

// Key and character messages sent to a window one by one, so that each is
// handled before the next message of the driver arrives.
void SendKey(HWND window, UINT virtual_key);
void SendCharacters(HWND window, const std::wstring& text);
// Real key presses through the system's input queue with Shift held, so that
// the program sees the modifier: the window's main window comes to the front
// and keeps the focus.
bool PressWithShift(HWND main_window, UINT virtual_key, int times);
// The same with any modifier key held (VK_CONTROL for shortcuts).
bool PressWithModifier(HWND main_window, UINT modifier, UINT virtual_key, int times);

// The client area of a window as shown on the screen, after it repainted.
class ClientPicture {
 public:
  explicit ClientPicture(HWND window);
  int Width() const { return width_; }
  int Height() const { return height_; }
  COLORREF At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> pixels_;
};
bool SamePicture(const ClientPicture& a, const ClientPicture& b);

// Sends WM_COPYDATA as a second instance would, with a bounded wait.
bool SendCopyData(HWND window, ULONG_PTR dw_data, const void* bytes, DWORD count);
// Names packed as the program packs them: each followed by its NUL.
std::wstring PackNames(const std::vector<std::wstring>& names);

bool SendCommand(HWND window, WORD command);
// Posts a key down and up (with the Alt bit for system keys).
void PostKey(HWND window, UINT virtual_key, bool alt);

// Writes a shell link at link_path that points to target.
bool MakeShellLink(const std::wstring& link_path, const std::wstring& target);

// The per-user application-data folder of the program.
std::wstring AppDataFolder();

// Saves a picture of the whole screen as build/win/e2e-shots/<name>.png.
bool Screenshot(const std::wstring& name);

}  // namespace e2e
