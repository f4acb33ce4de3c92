#pragma once
// Serial numbers for the folder tree's nodes.  A background answer names
// the node it is for by serial; by the time it arrives the node may be
// gone, so the answer finds its node only while the serial is live.
#include <cstdint>
#include <unordered_map>

class NodeSerials {
 public:
  // A fresh serial for a node (never 0).
  std::uint32_t Issue(void* node);
  void Retire(std::uint32_t serial);
  void Clear() { live_.clear(); }
  // The node an answer is for; null when its serial is not live or the
  // program is stopping.
  void* Answered(std::uint32_t serial, bool stopping) const;

 private:
  std::uint32_t next_ = 0;
  std::unordered_map<std::uint32_t, void*> live_;
};
