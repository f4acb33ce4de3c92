// Under Wine: how long the real program takes from its start until a file
// given on its command line is open (an editor window titled with the file's
// path exists and the program waits for input), for a tiny file and a large
// one, best of a few runs each.  Built and run by bench/open_under_wine.sh;
// prints tiny_open_ms, large_open_ms and large_minus_tiny_ms.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
  const wchar_t* path;
  bool found;
};

BOOL CALLBACK FindEditor(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  wchar_t class_name[64] = {};
  wchar_t title[1024] = {};
  GetClassNameW(window, class_name, 64);
  GetWindowTextW(window, title, 1024);
  if (std::wcscmp(class_name, L"edit_window_class") == 0 && _wcsicmp(title, search->path) == 0) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

bool EditorOpen(const wchar_t* path) {
  HWND main = FindWindowW(L"Vorndel_main_class", nullptr);
  if (!main) return false;
  Search search{path, false};
  EnumChildWindows(main, FindEditor, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Milliseconds from the start to the open file, or -1.
double OpenMs(const std::wstring& program, const std::wstring& path) {
  std::wstring command = L"\"" + program + L"\" \"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return -1;
  }
  double ms = -1;
  for (;;) {
    QueryPerformanceCounter(&now);
    const double elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
    if (elapsed > 60000) break;
    if (EditorOpen(path.c_str()) && WaitForInputIdle(process.hProcess, 0) == 0) {
      ms = elapsed;
      break;
    }
    Sleep(2);
  }
  if (HWND main = FindWindowW(L"Vorndel_main_class", nullptr)) PostMessageW(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ms;
}

double BestOf(int runs, const std::wstring& program, const std::wstring& path) {
  double best = -1;
  for (int i = 0; i < runs; ++i) {
    const double ms = OpenMs(program, path);
    if (ms >= 0 && (best < 0 || ms < best)) best = ms;
  }
  return best;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fwprintf(stderr, L"usage: open_time PROGRAM TINY_FILE LARGE_FILE [RUNS]\n");
    return 2;
  }
  const int runs = argc > 4 ? _wtoi(argv[4]) : 3;
  const double tiny = BestOf(runs, argv[1], argv[2]);
  const double large = BestOf(runs, argv[1], argv[3]);
  std::printf("tiny_open_ms=%.0f\nlarge_open_ms=%.0f\n", tiny, large);
  if (tiny < 0 || large < 0) return 1;
  std::printf("large_minus_tiny_ms=%.0f\n", large - tiny);
  return 0;
}
