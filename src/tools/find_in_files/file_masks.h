#pragma once
// Which files a search in files reads, by the user's masks text: masks
// separated by ";" (or ","), blanks around each ignored, "*" standing for
// any run of units and "?" for one, ASCII letters without case, as names
// are compared everywhere in the program.  No mask at all takes every file.
// The text is the user's (and the settings file's): any units are taken.
#include <string>
#include <string_view>
#include <vector>

class FileMasks {
 public:
  // More masks, or longer ones, are cut off: no name needs them.
  static constexpr std::size_t kMostMasks = 64;
  static constexpr std::size_t kLongestMask = 260;

  explicit FileMasks(std::u16string_view text = {});
  bool Matches(std::u16string_view name) const;
  const std::vector<std::u16string>& Masks() const { return masks_; }

 private:
  std::vector<std::u16string> masks_;
};

// Whether name as a whole matches one mask; linear in their lengths times
// the stars, so that no mask makes it run away.
bool MaskMatches(std::u16string_view mask, std::u16string_view name);
