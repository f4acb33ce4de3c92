#pragma once
// Which language module to try, and where it must be: a stored name is
// tried first, then "English", then "Japanese", each at most once, and
// only ever as a file in the program's own folder.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/wide_string.h"

namespace language_choice {

inline constexpr std::uint16_t kJapaneseUiLanguage = 1041;
inline constexpr std::size_t kMaxCandidates = 3;

// The names to try in order for the stored name (possibly empty) and the
// user's interface language.  A stored name that is not a plain file name
// (a folder separator, a drive, a parent reference) is skipped.  Returns
// how many entries of out were filled.
std::size_t Candidates(std::u16string_view stored, std::uint16_t ui_language,
                       std::u16string_view (&out)[kMaxCandidates]);

// A name that can only mean a file in the program's folder.
bool IsPlainName(std::u16string_view name);

// folder + "\" + name + ".dll".
bool ModulePath(std::u16string_view program_folder, std::u16string_view name, WideString& path);

// The signature resource must begin with the 8 bytes "Vorndel" and NUL.
bool HasSignature(const void* data, std::size_t bytes);

}  // namespace language_choice
