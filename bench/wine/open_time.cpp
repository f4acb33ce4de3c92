// Under Wine: how long the real program takes from its start until a file
// given on its command line is open (an editor window titled with the file's
// path exists and the program waits for input), for a tiny file and a large
// one, best of a few runs each.  Built and run by bench/open_under_wine.sh;
// prints tiny_open_ms, large_open_ms and large_minus_tiny_ms, and the
// processor time the program had used by then (*_cpu_ms, all its threads),
// which a machine busy with other work changes less than the clock.
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

struct OpenTimes {
  double ms = -1;
  double cpu_ms = -1;
};

double CpuMs(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
  auto ticks = [](const FILETIME& time) { return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime; };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e4;
}

// From the start to the open file; -1 when it did not open.
OpenTimes Open(const std::wstring& program, const std::wstring& path) {
  std::wstring command = L"\"" + program + L"\" \"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return {};
  }
  OpenTimes times;
  for (;;) {
    QueryPerformanceCounter(&now);
    const double elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
    if (elapsed > 60000) break;
    if (EditorOpen(path.c_str()) && WaitForInputIdle(process.hProcess, 0) == 0) {
      times.ms = elapsed;
      times.cpu_ms = CpuMs(process.hProcess);
      break;
    }
    Sleep(2);
  }
  if (HWND main = FindWindowW(L"Vorndel_main_class", nullptr)) PostMessageW(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return times;
}

OpenTimes BestOf(int runs, const std::wstring& program, const std::wstring& path) {
  OpenTimes best;
  for (int i = 0; i < runs; ++i) {
    const OpenTimes times = Open(program, path);
    if (times.ms >= 0 && (best.ms < 0 || times.ms < best.ms)) best.ms = times.ms;
    if (times.cpu_ms >= 0 && (best.cpu_ms < 0 || times.cpu_ms < best.cpu_ms)) best.cpu_ms = times.cpu_ms;
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
  const OpenTimes tiny = BestOf(runs, argv[1], argv[2]);
  const OpenTimes large = BestOf(runs, argv[1], argv[3]);
  std::printf("tiny_open_ms=%.0f\nlarge_open_ms=%.0f\n", tiny.ms, large.ms);
  std::printf("tiny_cpu_ms=%.0f\nlarge_cpu_ms=%.0f\n", tiny.cpu_ms, large.cpu_ms);
  if (tiny.ms < 0 || large.ms < 0) return 1;
  std::printf("large_minus_tiny_ms=%.0f\nlarge_minus_tiny_cpu_ms=%.0f\n", large.ms - tiny.ms, large.cpu_ms - tiny.cpu_ms);
  return 0;
}
