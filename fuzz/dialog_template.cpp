// Dialog templates from a language module: finding the font field and
// reading the controls must stay inside the block whatever the bytes are.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/language/dialog_template.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy so that the sanitizer sees any read past the end.
  std::vector<std::uint8_t> copy(data, data + size);
  const std::size_t at = dialog_template::FontSizeOffset(copy.data(), copy.size());
  if (at != 0 && at + 6 > size) std::abort();
  // Every control takes at least its fixed fields and three words.
  dialog_template::Controls controls;
  const bool read = dialog_template::ReadControls(copy.data(), copy.size(), controls);
  if (read && (at == 0 || controls.items.size() * 30 > size)) std::abort();
  const bool patched = dialog_template::SetPointSize(copy.data(), copy.size(), 11);
  if (patched != (at != 0)) std::abort();
  if (patched && (copy[at] != 11 || copy[at + 1] != 0)) std::abort();
  return 0;
}
