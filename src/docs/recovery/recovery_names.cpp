#include "docs/recovery/recovery_names.h"

#include <utility>

#include "platform/file_replace.h"

namespace recovery_names {
namespace {

constexpr std::size_t kTokenUnits = 16;
constexpr std::u16string_view kSnapshotSuffix = u".snapshot";
constexpr std::u16string_view kOwnerSuffix = u".owner";
// Serials are written in decimal without leading zeros; 4294967295 at most.
constexpr std::size_t kMaxSerialDigits = 10;

bool IsTokenUnit(char16_t unit) { return (unit >= u'0' && unit <= u'9') || (unit >= u'a' && unit <= u'f'); }

}  // namespace

std::u16string OwnerToken(std::uint32_t process_id, std::uint64_t start_time) {
  const std::uint64_t value = (static_cast<std::uint64_t>(process_id) << 32) | (start_time & 0xFFFFFFFFu);
  std::u16string token(kTokenUnits, u'0');
  for (std::size_t i = 0; i < kTokenUnits; ++i) token[kTokenUnits - 1 - i] = u"0123456789abcdef"[(value >> (4 * i)) & 15];
  return token;
}

std::u16string OwnerFileName(std::u16string_view token) {
  std::u16string name(token);
  name += kOwnerSuffix;
  return name;
}

std::u16string SnapshotName(std::u16string_view token, std::uint32_t serial) {
  std::u16string digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + serial % 10));
    serial /= 10;
  } while (serial != 0);
  std::u16string name(token);
  name += u'-';
  name += digits;
  name += kSnapshotSuffix;
  return name;
}

bool ParseSnapshotName(std::u16string_view name, std::u16string& token, std::uint32_t& serial) {
  if (name.size() < kTokenUnits + 2 + kSnapshotSuffix.size() || !name.ends_with(kSnapshotSuffix)) return false;
  const std::u16string_view head = name.substr(0, kTokenUnits);
  for (char16_t unit : head)
    if (!IsTokenUnit(unit)) return false;
  if (name[kTokenUnits] != u'-') return false;
  const std::u16string_view digits =
      name.substr(kTokenUnits + 1, name.size() - kTokenUnits - 1 - kSnapshotSuffix.size());
  if (digits.empty() || digits.size() > kMaxSerialDigits || (digits.size() > 1 && digits[0] == u'0')) return false;
  std::uint64_t value = 0;
  for (char16_t unit : digits) {
    if (unit < u'0' || unit > u'9') return false;
    value = value * 10 + static_cast<std::uint64_t>(unit - u'0');
  }
  if (value > 0xFFFFFFFFu) return false;
  token.assign(head);
  serial = static_cast<std::uint32_t>(value);
  return true;
}

bool ParseSnapshotTemporaryName(std::u16string_view name, std::u16string& token) {
  const std::size_t end = name.find(kSnapshotSuffix);
  if (end == std::u16string_view::npos) return false;
  const std::u16string_view snapshot = name.substr(0, end + kSnapshotSuffix.size());
  std::u16string owner;
  std::uint32_t serial = 0;
  if (!ParseSnapshotName(snapshot, owner, serial)) return false;
  // Exactly a name the replacement would have given.
  for (int attempt = 1; attempt <= byte_file::kNameAttempts; ++attempt) {
    if (byte_file::TemporaryName(snapshot, attempt) != name) continue;
    token = std::move(owner);
    return true;
  }
  return false;
}

}  // namespace recovery_names
