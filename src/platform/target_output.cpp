#include "platform/target_output.h"

namespace byte_file {

bool TargetOutput::WriteThrough(const void* bytes, std::size_t count) {
  const std::size_t written = target_.WriteAt(position_, bytes, count);
  position_ += written;
  return written == count;
}

}  // namespace byte_file
