#include "support/wide_list.h"

std::vector<WideString> WideList(std::initializer_list<std::u16string_view> items) {
  std::vector<WideString> list;
  for (std::u16string_view item : items) {
    WideString text;
    text.Assign(item);
    list.push_back(std::move(text));
  }
  return list;
}
