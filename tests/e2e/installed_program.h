#pragma once
// A fresh copy of the program (and, unless asked otherwise, English.dll) in
// a scratch folder of its own, as a user would install it.
#include <gtest/gtest.h>

#include <string>

#include "e2e/driver.h"

namespace e2e {

struct InstalledProgram {
  explicit InstalledProgram(const std::wstring& scenario, const std::wstring& exe_name = L"Vorndel.exe",
                            bool with_english = true)
      : scratch(scenario), exe(scratch.File(exe_name)) {
    EXPECT_TRUE(scratch.CopyFromBin(L"Vorndel.exe", exe_name));
    if (with_english) EXPECT_TRUE(scratch.CopyFromBin(L"English.dll", L"English.dll"));
  }
  Scratch scratch;
  std::wstring exe;
};

// The scenario's name from the running test, for scratch folders and shots.
inline std::wstring ScenarioName() {
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  const std::string name = std::string(info->test_suite_name()) + "." + info->name();
  return std::wstring(name.begin(), name.end());
}

}  // namespace e2e
