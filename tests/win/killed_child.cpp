#include "win/killed_child.h"

#include <gtest/gtest.h>

namespace killed_child {
namespace {

constexpr wchar_t kRequest[] = L"VORNDEL_KILL_REQUEST";

std::wstring Environment(const wchar_t* name) {
  wchar_t value[1024];
  const DWORD length = GetEnvironmentVariableW(name, value, 1024);
  return length > 0 && length < 1024 ? std::wstring(value, length) : std::wstring();
}

}  // namespace

std::wstring Request() { return Environment(kRequest); }

void Die() {
  TerminateProcess(GetCurrentProcess(), kKilled);
  ExitProcess(kKilled);
}

DWORD Run(const std::wstring& request, const std::u16string& temporary) {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string filter = std::string(test->test_suite_name()) + "." + test->name();
  std::wstring command = L"\"" + std::wstring(exe) + L"\" --gtest_filter=" + std::wstring(filter.begin(), filter.end());
  const std::wstring old_tmp = Environment(L"TMP"), old_temp = Environment(L"TEMP");
  const std::wstring child_temp = std::wstring(temporary.begin(), temporary.end()) + L"\\";
  SetEnvironmentVariableW(kRequest, request.c_str());
  SetEnvironmentVariableW(L"TMP", child_temp.c_str());
  SetEnvironmentVariableW(L"TEMP", child_temp.c_str());
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE quiet = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0,
                             nullptr);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = quiet;
  PROCESS_INFORMATION process = {};
  const bool started =
      CreateProcessW(exe, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
  SetEnvironmentVariableW(kRequest, nullptr);
  SetEnvironmentVariableW(L"TMP", old_tmp.empty() ? nullptr : old_tmp.c_str());
  SetEnvironmentVariableW(L"TEMP", old_temp.empty() ? nullptr : old_temp.c_str());
  CloseHandle(quiet);
  if (!started) return 0;
  DWORD code = 0;
  if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 0);
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return code;
}

}  // namespace killed_child
