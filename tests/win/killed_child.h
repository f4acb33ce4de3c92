#pragma once
// Kill sweeps: a test runs a part of itself in a child process (this test
// program again, on the current test only) that ends itself at a chosen
// step, as a kill or a crash there would, and then looks at what the step
// left.  The child finds its request in its environment and has a
// temporary folder of its own.
#include <windows.h>

#include <string>

namespace killed_child {

// The exit code of a child that ended itself where it was asked to.
inline constexpr UINT kKilled = 77;

// The request this process was started with as a child; empty otherwise.
std::wstring Request();
// Ends this process at once with kKilled.
[[noreturn]] void Die();
// Runs the current test in a child with `request`, TMP and TEMP set to
// `temporary`; the child's exit code (0 when it could not be started).
DWORD Run(const std::wstring& request, const std::u16string& temporary);

}  // namespace killed_child
