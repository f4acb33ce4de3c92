#include "tools/file_browser/node_serials.h"

std::uint32_t NodeSerials::Issue(void* node) {
  if (++next_ == 0) ++next_;
  live_[next_] = node;
  return next_;
}

void NodeSerials::Retire(std::uint32_t serial) { live_.erase(serial); }

void* NodeSerials::Answered(std::uint32_t serial, bool stopping) const {
  if (stopping) return nullptr;
  const auto found = live_.find(serial);
  return found == live_.end() ? nullptr : found->second;
}
