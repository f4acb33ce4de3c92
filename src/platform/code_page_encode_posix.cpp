// Stand-in for the system's conversion from UTF-16 on Linux.  UTF-8 as the
// Windows conversion writes it: an unpaired surrogate becomes U+FFFD.  Code
// page 932 through the way back of the stand-in's tables; a character the
// code page lacks becomes "?".
#include <cstring>
#include <string>

#include "platform/code_page.h"
#include "platform/code_page_tables_posix.h"
#include "platform/utf8_path.h"

namespace code_page {
namespace {

// Counts what a conversion needs and writes what fits.
class ByteOutput {
 public:
  ByteOutput(char* destination, std::int32_t capacity) : at_(destination), capacity_(capacity) {}
  void Put(const char* bytes, std::int32_t count) {
    if (capacity_ > 0 && needed_ + count <= capacity_) {
      std::memcpy(at_ + needed_, bytes, static_cast<std::size_t>(count));
    }
    needed_ += count;
  }
  // As the system reports it: the size asked for, or -1 when it does not
  // fit.
  std::int32_t Result() const {
    if (capacity_ == 0) return needed_;
    return needed_ <= capacity_ ? needed_ : -1;
  }

 private:
  char* at_;
  std::int32_t capacity_;
  std::int64_t needed_ = 0;
};

void Utf16ToUtf8(const char16_t* units, std::int32_t count, ByteOutput& out) {
  const std::string bytes = utf8_path::FromUtf16({units, static_cast<std::size_t>(count)});
  out.Put(bytes.data(), static_cast<std::int32_t>(bytes.size()));
}

void Utf16ToShiftJis(const char16_t* units, std::int32_t count, ByteOutput& out) {
  const ShiftJisTables& tables = ShiftJis();
  for (std::int32_t i = 0; i < count; ++i) {
    const std::uint16_t code = tables.Encode(units[i]);
    if (code == 0 && units[i] != 0) {
      out.Put(&kShiftJisUnmappable, 1);
    } else if (code < 0x100) {
      const char byte = static_cast<char>(code);
      out.Put(&byte, 1);
    } else {
      const char pair[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
      out.Put(pair, 2);
    }
  }
}

}  // namespace

std::int32_t FromUtf16(unsigned code_page, const char16_t* units, std::int32_t count, char* destination,
                       std::int32_t capacity) {
  if (count <= 0 || capacity < 0 || !IsAvailable(code_page)) return 0;
  ByteOutput out(destination, capacity);
  if (code_page == kUtf8) {
    Utf16ToUtf8(units, count, out);
  } else {
    Utf16ToShiftJis(units, count, out);
  }
  return out.Result();
}

}  // namespace code_page
