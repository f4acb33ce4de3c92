#include "e2e/driver.h"

#include <initguid.h>  // the imaging GUIDs are defined here, not linked

#include <objbase.h>
#include <shlobj.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <fstream>

namespace e2e {
namespace {

constexpr UINT kMessageTimeoutMs = 5000;
constexpr DWORD kSettleMs = 300;
constexpr int kMessageBoxTextId = 0xFFFF;

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.rfind(L'\\')); }

// build/win, the parent of the bin folder.
std::wstring BuildFolder() { return FolderOf(BinFolder()); }

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                      &copied);
  return text;
}

struct WindowSearch {
  DWORD process_id;  // 0: any
  const wchar_t* class_name;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lparam) {
  auto* search = reinterpret_cast<WindowSearch*>(lparam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if ((search->process_id == 0 || owner == search->process_id) && ClassOf(window) == search->class_name)
    search->found.push_back(window);
  return TRUE;
}

std::vector<HWND> TopLevel(DWORD process_id, const wchar_t* class_name) {
  WindowSearch search{process_id, class_name, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Releases a COM interface when it goes out of scope.
template <typename T>
struct Com {
  T* p = nullptr;
  ~Com() {
    if (p) p->Release();
  }
  T* operator->() const { return p; }
};

// Encodes the bitmap as a PNG file with the system's imaging codecs.
bool SavePng(HBITMAP bitmap, int width, int height, const std::wstring& path) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  bool saved = false;
  {
    Com<IWICImagingFactory> factory;
    Com<IWICBitmap> source;
    Com<IWICStream> stream;
    Com<IWICBitmapEncoder> encoder;
    Com<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    saved = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IWICImagingFactory, reinterpret_cast<void**>(&factory.p))) &&
            SUCCEEDED(factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha, &source.p)) &&
            SUCCEEDED(factory->CreateStream(&stream.p)) &&
            SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
            SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder.p)) &&
            SUCCEEDED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) &&
            SUCCEEDED(encoder->CreateNewFrame(&frame.p, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
            SUCCEEDED(frame->SetSize(width, height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
            SUCCEEDED(frame->WriteSource(source.p, nullptr)) && SUCCEEDED(frame->Commit()) &&
            SUCCEEDED(encoder->Commit());
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return saved;
}

}  // namespace

std::wstring BinFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return FolderOf(path);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool DeleteTree(const std::wstring& path) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = path + L"\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        DeleteTree(full);
      else
        DeleteFileW(full.c_str());
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(path.c_str());
  return !Exists(path);
}

Scratch::Scratch(const std::wstring& name) {
  const std::wstring root = BuildFolder() + L"\\e2e-scratch";
  CreateDirectoryW(root.c_str(), nullptr);
  path_ = root + L"\\" + name;
  DeleteTree(path_);
  CreateDirectoryW(path_.c_str(), nullptr);
}

bool Scratch::CopyFromBin(const std::wstring& bin_name, const std::wstring& as) const {
  return CopyFileW((BinFolder() + L"\\" + bin_name).c_str(), File(as).c_str(), FALSE);
}

bool Scratch::Write(const std::wstring& name, const std::string& bytes) const {
  std::ofstream out(File(name).c_str(), std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

bool Scratch::MakeFolder(const std::wstring& name) const { return CreateDirectoryW(File(name).c_str(), nullptr); }

std::wstring Quote(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

Program::Program(const std::wstring& exe, const std::vector<std::wstring>& args, const std::wstring& folder) {
  std::wstring command_line = Quote(exe);
  for (const auto& arg : args) command_line += L" " + Quote(arg);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? FolderOf(exe).c_str() : folder.c_str(),
                      &startup, &info))
    return;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
}

Program::~Program() {
  if (!process_) return;
  if (Running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, kExitTimeoutMs);
  }
  CloseHandle(process_);
}

bool Program::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

HWND Program::WaitMainWindow(DWORD timeout_ms) const {
  HWND found = nullptr;
  WaitUntil(timeout_ms, [&] {
    found = MainWindowOf(id_);
    return (found != nullptr && IsWindowVisible(found)) || !Running();
  });
  // A round trip through its queue: start-up has finished with it.
  DWORD_PTR result = 0;
  if (found) SendMessageTimeoutW(found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result);
  return found;
}

bool Program::WaitExit(DWORD timeout_ms, DWORD& exit_code) {
  if (!process_) return false;
  if (WaitForSingleObject(process_, timeout_ms) != WAIT_OBJECT_0) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, kExitTimeoutMs);
    return false;
  }
  GetExitCodeProcess(process_, &exit_code);
  return true;
}

std::vector<HWND> MainWindows() { return TopLevel(0, L"Vorndel_main_class"); }

HWND MainWindowOf(DWORD process_id) {
  const auto found = TopLevel(process_id, L"Vorndel_main_class");
  return found.empty() ? nullptr : found.front();
}

bool WaitMessageBox(DWORD process_id, DWORD timeout_ms, MessageBoxSeen& seen) {
  return WaitUntil(timeout_ms, [&] {
    for (HWND box : TopLevel(process_id, L"#32770")) {
      HWND text = GetDlgItem(box, kMessageBoxTextId);
      if (!text || !IsWindowVisible(box) || !IsWindowEnabled(box)) continue;
      seen.box = box;
      seen.caption = TextOf(box);
      seen.text = TextOf(text);
      return true;
    }
    return false;
  });
}

bool AnswerAndWait(HWND box, int button) {
  PostMessageW(box, WM_COMMAND, button, 0);
  return WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(box) || !IsWindowVisible(box); });
}

void PressOk(HWND box) { AnswerAndWait(box, IDOK); }

HWND WaitDialog(DWORD process_id, const std::wstring& caption, DWORD timeout_ms) {
  HWND found = nullptr;
  WaitUntil(timeout_ms, [&] {
    for (HWND dialog : TopLevel(process_id, L"#32770")) {
      if (!IsWindowVisible(dialog) || TextOf(dialog) != caption) continue;
      found = dialog;
      return true;
    }
    return false;
  });
  return found;
}

HWND WaitOwnedDialog(HWND owner, DWORD timeout_ms) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(owner, &process_id);
  HWND found = nullptr;
  WaitUntil(timeout_ms, [&] {
    for (HWND dialog : TopLevel(process_id, L"#32770"))
      if (IsWindowVisible(dialog) && GetWindow(dialog, GW_OWNER) == owner) found = dialog;
    return found != nullptr;
  });
  return found;
}

HWND WaitPopup(DWORD process_id, DWORD timeout_ms) {
  HWND found = nullptr;
  WaitUntil(timeout_ms, [&] {
    for (HWND popup : TopLevel(process_id, L"#32768"))
      if (IsWindowVisible(popup)) found = popup;
    return found != nullptr;
  });
  return found;
}

std::wstring WindowText(HWND window) { return TextOf(window); }

BOOL CALLBACK CollectEditor(HWND window, LPARAM lparam) {
  if (ClassOf(window) == L"edit_window_class") reinterpret_cast<std::vector<HWND>*>(lparam)->push_back(window);
  return TRUE;
}

std::vector<EditorWindow> Editors(HWND main_window) {
  std::vector<HWND> windows;
  EnumChildWindows(main_window, CollectEditor, reinterpret_cast<LPARAM>(&windows));
  // Control identifiers count up as documents are made.
  std::sort(windows.begin(), windows.end(), [](HWND a, HWND b) { return GetDlgCtrlID(a) < GetDlgCtrlID(b); });
  std::vector<EditorWindow> editors;
  for (HWND window : windows) editors.push_back({window, TextOf(window), IsWindowVisible(window) != FALSE});
  return editors;
}

HWND ActiveEditor(HWND main_window) {
  for (const EditorWindow& editor : Editors(main_window))
    if (editor.visible) return editor.window;
  return nullptr;
}

std::wstring ModuleText(const std::wstring& module_file, unsigned id) {
  HMODULE module = LoadLibraryExW((BinFolder() + L"\\" + module_file).c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  wchar_t text[128] = {};
  if (module) {
    LoadStringW(module, id, text, 128);
    FreeLibrary(module);
  }
  return text;
}

std::wstring UntitledTitle(const std::wstring& module_file) { return ModuleText(module_file, 20220); }

std::vector<std::wstring> OpenedFiles(HWND main_window) {
  const std::wstring untitled = UntitledTitle();
  std::vector<std::wstring> paths;
  for (const EditorWindow& editor : Editors(main_window))
    if (editor.title != untitled) paths.push_back(editor.title);
  return paths;
}

int ActiveFile(HWND main_window) {
  const std::wstring untitled = UntitledTitle();
  int index = 0;
  for (const EditorWindow& editor : Editors(main_window)) {
    if (editor.title == untitled) continue;
    if (editor.visible) return index;
    ++index;
  }
  return -1;
}

bool WaitForFiles(HWND main_window, std::size_t count, DWORD timeout_ms) {
  return WaitUntil(timeout_ms, [&] { return OpenedFiles(main_window).size() == count; });
}

bool ClipboardText(std::wstring& text) {
  if (!WaitUntil(kMessageTimeoutMs, [] { return OpenClipboard(nullptr) != FALSE; })) return false;
  bool found = false;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
      found = true;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return found;
}

bool SetClipboardText(const std::wstring& text) {
  if (!WaitUntil(kMessageTimeoutMs, [] { return OpenClipboard(nullptr) != FALSE; })) return false;
  EmptyClipboard();
  bool set = false;
  if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
    memcpy(GlobalLock(data), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(data);
    set = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
    if (!set) GlobalFree(data);
  }
  CloseClipboard();
  return set;
}

std::wstring CopiedSelection(HWND main_window) {
  std::wstring text;
  // Something the program cannot have copied, so that a failed copy shows.
  SetClipboardText(L"\x1F(nothing copied)");
  SendCommand(main_window, 5121);
  ClipboardText(text);
  return text;
}

std::wstring WaitForSelection(HWND main_window, const std::wstring& expected) {
  std::wstring copied;
  WaitUntil(kStartTimeoutMs, [&] { return (copied = CopiedSelection(main_window)) == expected; });
  return copied;
}

std::wstring DocumentText(HWND main_window) {
  SendCommand(main_window, 5124);
  return CopiedSelection(main_window);
}

bool MarkWrittenLater(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  FILETIME time = {};
  GetSystemTimeAsFileTime(&time);
  ULARGE_INTEGER later = {{time.dwLowDateTime, time.dwHighDateTime}};
  later.QuadPart += 50'000'000;
  time = {later.LowPart, later.HighPart};
  const bool set = SetFileTime(file, nullptr, nullptr, &time) != FALSE;
  CloseHandle(file);
  return set;
}

bool SamePicture(const ClientPicture& a, const ClientPicture& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.At(x, y) != b.At(x, y)) return false;
  return true;
}

void SendKey(HWND window, UINT virtual_key) {
  const UINT scan = MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC);
  const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_KEYDOWN, virtual_key, down, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result);
  SendMessageTimeoutW(window, WM_KEYUP, virtual_key, down | (1u << 30) | (1u << 31), SMTO_ABORTIFHUNG,
                      kMessageTimeoutMs, &result);
}

void SendCharacters(HWND window, const std::wstring& text) {
  DWORD_PTR result = 0;
  for (wchar_t unit : text)
    SendMessageTimeoutW(window, WM_CHAR, unit, 1, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result);
}

bool PressWithShift(HWND main_window, UINT virtual_key, int times) {
  return PressWithModifier(main_window, VK_SHIFT, virtual_key, times);
}

bool PressWithModifier(HWND main_window, UINT modifier, UINT virtual_key, int times) {
  SetForegroundWindow(main_window);
  if (!WaitUntil(kMessageTimeoutMs, [&] { return GetForegroundWindow() == main_window; })) return false;
  // The display server learns of the new focus after the window system.
  Sleep(kSettleMs);
  std::vector<INPUT> inputs;
  auto key = [&](UINT vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(vk);
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) |
                       (vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN || vk == VK_HOME ||
                                vk == VK_END
                            ? KEYEVENTF_EXTENDEDKEY
                            : 0);
    inputs.push_back(input);
  };
  key(modifier, false);
  for (int i = 0; i < times; ++i) {
    key(virtual_key, false);
    key(virtual_key, true);
  }
  key(modifier, true);
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  // The input queue is read after sent messages; a posted round trip
  // follows the keys.
  Sleep(kSettleMs);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(main_window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result);
  return sent == inputs.size();
}

ClientPicture::ClientPicture(HWND window) {
  DWORD_PTR result = 0;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result);
  Sleep(kSettleMs);
  RECT client = {};
  GetClientRect(window, &client);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  width_ = client.right;
  height_ = client.bottom;
  if (width_ <= 0 || height_ <= 0) return;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width_, height_, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  pixels_.resize(static_cast<std::size_t>(width_) * height_);
  const auto* source = static_cast<const std::uint32_t*>(bits);
  for (std::size_t i = 0; i < pixels_.size(); ++i) {
    const std::uint32_t pixel = source[i];
    pixels_[i] = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

bool SendCopyData(HWND window, ULONG_PTR dw_data, const void* bytes, DWORD count) {
  COPYDATASTRUCT data = {};
  data.dwData = dw_data;
  data.cbData = count;
  data.lpData = const_cast<void*>(bytes);
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                             kMessageTimeoutMs, &result) != 0;
}

std::wstring PackNames(const std::vector<std::wstring>& names) {
  std::wstring block;
  for (const auto& name : names) {
    block += name;
    block.push_back(L'\0');
  }
  return block;
}

bool SendCommand(HWND window, WORD command) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_COMMAND, MAKEWPARAM(command, 0), 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &result) != 0;
}

void PostKey(HWND window, UINT virtual_key, bool alt) {
  const LPARAM context = alt ? (1 << 29) : 0;
  const UINT scan = MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC);
  const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16) | context;
  const LPARAM up = down | (1u << 30) | (1u << 31);
  PostMessageW(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtual_key, down);
  PostMessageW(window, alt ? WM_SYSKEYUP : WM_KEYUP, virtual_key, up);
}

bool MakeShellLink(const std::wstring& link_path, const std::wstring& target) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  bool made = false;
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->SetPath(target.c_str())) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      made = SUCCEEDED(file->Save(link_path.c_str(), TRUE));
      file->Release();
    }
    link->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return made;
}

std::wstring AppDataFolder() {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
  return std::wstring(path) + L"\\Vorndel";
}

bool Screenshot(const std::wstring& name) {
  // Every window of the program repainted, and a moment for the display
  // server to show it.
  DWORD_PTR result = 0;
  for (HWND window : MainWindows()) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result);
  }
  Sleep(kSettleMs);
  const std::wstring folder = BuildFolder() + L"\\e2e-shots";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring path = folder + L"\\" + name + L".png";
  HDC screen = GetDC(nullptr);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const bool copied = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  const bool saved = copied && SavePng(bitmap, width, height, path);
  DeleteObject(bitmap);
  return saved;
}

}  // namespace e2e
