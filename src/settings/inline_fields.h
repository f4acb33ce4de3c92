#pragma once
// Where each stand-alone inline entry lives in the Settings record, so that
// reading and writing them follows the catalogue instead of a hand-written
// line per entry.  Inline entries that belong to a list slot (recent files,
// bookmarks, tools, mappings, reopen list) are handled with their lists.
#include <cstdint>

#include "settings/settings.h"

namespace inline_fields {

class Ref {
 public:
  Ref() = default;
  explicit Ref(std::int32_t* value) : integer_(value) {}
  explicit Ref(std::uint32_t* value) : colour_(value) {}
  explicit Ref(bool* value) : flag_(value) {}

  bool Exists() const { return integer_ || colour_ || flag_; }
  std::int32_t Get() const;
  void Set(std::int32_t value) const;

 private:
  std::int32_t* integer_ = nullptr;
  std::uint32_t* colour_ = nullptr;
  bool* flag_ = nullptr;
};

// The field of entry i, or a Ref that does not exist.
Ref Of(Settings& settings, std::uint32_t i);

}  // namespace inline_fields
