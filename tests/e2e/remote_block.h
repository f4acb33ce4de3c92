#pragma once
// A block of memory inside the process that owns a window, for the
// pointers of common-control messages, which Windows does not marshal
// between processes.
#include <windows.h>

#include <cstddef>
#include <cwchar>
#include <string>

namespace e2e {

class RemoteBlock {
 public:
  RemoteBlock(HWND window, std::size_t size) : size_(size) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteBlock() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  bool Valid() const { return address_ != nullptr; }
  char* At(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
  bool Write(std::size_t offset, const void* bytes, std::size_t count) const {
    return offset + count <= size_ && WriteProcessMemory(process_, At(offset), bytes, count, nullptr);
  }
  bool Read(std::size_t offset, void* bytes, std::size_t count) const {
    return offset + count <= size_ && ReadProcessMemory(process_, At(offset), bytes, count, nullptr);
  }
  // A NUL-terminated text of at most units at offset.
  std::wstring Text(std::size_t offset, std::size_t units) const {
    std::wstring text(units, L'\0');
    if (!Read(offset, text.data(), units * sizeof(wchar_t))) return {};
    text.resize(wcsnlen(text.data(), units));
    return text;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  std::size_t size_;
};

}  // namespace e2e
