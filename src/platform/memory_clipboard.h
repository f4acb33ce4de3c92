#pragma once
// A clipboard kept in memory, shared by everything that holds the same
// instance. It can be made busy, as when another program keeps the system
// clipboard open, and then refuses both directions.
#include <string>

#include "platform/clipboard.h"

namespace platform {

class MemoryClipboard final : public Clipboard {
 public:
  bool PutText(const char16_t* units, std::int32_t count) override;
  bool GetText(WideString& destination) override;

  void SetBusy(bool busy) { busy_ = busy; }
  // The stored block, its terminating NUL included; empty when no text.
  const std::u16string& Block() const { return block_; }
  // Stores a raw block as another program might, NULs and all.
  void SetBlock(std::u16string block) { block_ = std::move(block); }

 private:
  std::u16string block_;
  bool busy_ = false;
};

}  // namespace platform
