#pragma once
// A visible top-level window hosting editor controls for tests under Wine:
// it records the messages its controls send it and pumps messages.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "editor/control/document_set.h"

struct HostMessage {
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};

class WinEditHost {
 public:
  // A set on the screen measurer with the editor font face given.
  explicit WinEditHost(const char16_t* face = u"Courier New");
  ~WinEditHost();
  WinEditHost(const WinEditHost&) = delete;
  WinEditHost& operator=(const WinEditHost&) = delete;

  // A shown, focused control filling a client area sized for rows and
  // columns of the editor font.
  Document* CreateControl(std::int32_t rows = 20, std::int32_t columns = 60);
  void Pump();

  HWND Parent() const { return parent_; }
  DocumentSet& Set() { return *set_; }
  // Messages the parent received from WM_APP on, wheel messages and
  // context-menu requests.
  std::vector<HostMessage>& Messages();

 private:
  HWND parent_ = nullptr;
  std::unique_ptr<DocumentSet> set_;
};
