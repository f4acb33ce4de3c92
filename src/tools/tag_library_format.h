#pragma once
// The keys that begin the records of a tag library file, shared by its
// reader and writer.  A key counts only at the start of a line, spelled
// exactly, colon included.
#include <string_view>

namespace tag_library_format {

enum class Key { kNone, kFolder, kExp, kName, kStart, kEnd, kNote, kMove };

inline constexpr std::u16string_view kKeyTexts[] = {u"",      u"Folder:", u"Exp:",  u"Name:",
                                                    u"Start:", u"End:",    u"Note:", u"Move:"};

constexpr std::u16string_view KeyText(Key key) { return kKeyTexts[static_cast<int>(key)]; }

// The key the line begins with; kNone for any other line.
inline Key KeyOf(std::u16string_view line) {
  for (int k = 1; k < static_cast<int>(std::size(kKeyTexts)); ++k) {
    if (line.starts_with(kKeyTexts[k])) return static_cast<Key>(k);
  }
  return Key::kNone;
}

}  // namespace tag_library_format
