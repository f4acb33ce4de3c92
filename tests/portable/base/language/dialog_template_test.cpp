// Dialog templates of a language module: patching their font size, and
// reading their controls, whatever bytes the module holds.
#include "base/language/dialog_template.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Bytes of an extended template, written field by field.
class TemplateBytes {
 public:
  void Word(std::uint16_t w) {
    bytes.push_back(w & 0xFF);
    bytes.push_back(w >> 8);
  }
  void Double(std::uint32_t d) {
    Word(d & 0xFFFF);
    Word(d >> 16);
  }
  void Units(const std::u16string& s) {
    for (char16_t c : s) Word(c);
  }
  void Align() {
    while (bytes.size() % 4) bytes.push_back(0);
  }
  std::vector<std::uint8_t> bytes;
};

// Builds an extended template header with the given style, menu, class,
// title and font fields.
std::vector<std::uint8_t> Template(std::uint32_t style, std::u16string menu, std::u16string klass,
                                   std::u16string title, bool with_font = true, std::uint16_t items = 2,
                                   std::uint32_t ex_style = 0) {
  TemplateBytes t;
  t.Word(1);
  t.Word(0xFFFF);
  t.Double(0);                                     // help id
  t.Double(ex_style);
  t.Double(style);
  t.Word(items);
  t.Word(0), t.Word(0), t.Word(200), t.Word(100);  // x y cx cy
  t.Units(menu);
  t.Units(klass);
  t.Units(title);
  if (with_font) {
    t.Word(8), t.Word(400);                        // point size, weight
    t.bytes.push_back(0), t.bytes.push_back(1);    // italic, charset
    t.Units(std::u16string(u"Tahoma\0", 7));
  }
  return t.bytes;
}

TEST(DialogTemplate, FindsAndPatchesTheFontAfterEveryFieldForm) {
  const std::u16string none(1, 0), ordinal{0xFFFF, 7};
  const std::u16string named(u"MENU\0", 5), title(u"Go to line\0", 11);
  for (const auto& menu : {none, ordinal, named}) {
    for (const auto& klass : {none, ordinal, named}) {
      auto t = Template(0x80C800C0, menu, klass, title);
      const std::size_t at = 26 + 2 * (menu.size() + klass.size() + title.size());
      EXPECT_EQ(dialog_template::FontSizeOffset(t.data(), t.size()), at);
      ASSERT_TRUE(dialog_template::SetPointSize(t.data(), t.size(), dialog_template::PointSizeFor(-14)));
      EXPECT_EQ(t[at], 11);
      EXPECT_EQ(t[at + 1], 0);
      EXPECT_EQ(t[at + 2], 400 & 0xFF);  // the weight is left alone
    }
  }
  EXPECT_EQ(dialog_template::PointSizeFor(-12), 9);
}

TEST(DialogTemplate, RejectsOtherTemplatesAndNeverReadsPastTheEnd) {
  const std::u16string none(1, 0), title(u"T\0", 2);
  auto no_font = Template(0x80C80000, none, none, title, false);
  EXPECT_EQ(dialog_template::FontSizeOffset(no_font.data(), no_font.size()), 0u);

  auto good = Template(0x40, none, none, title);
  auto old_style = good;
  old_style[2] = 0;  // no 0xFFFF signature: a plain DLGTEMPLATE
  EXPECT_EQ(dialog_template::FontSizeOffset(old_style.data(), old_style.size()), 0u);

  // Every truncation that cuts into the header or the font fields fails,
  // and writes nothing.
  const std::size_t font_at = dialog_template::FontSizeOffset(good.data(), good.size());
  ASSERT_NE(font_at, 0u);
  for (std::size_t size = 0; size < font_at + 6; ++size) {
    std::vector<std::uint8_t> cut(good.begin(), good.begin() + size);
    EXPECT_EQ(dialog_template::FontSizeOffset(cut.data(), cut.size()), 0u) << size;
    EXPECT_FALSE(dialog_template::SetPointSize(cut.data(), cut.size(), 11));
  }
  // An unterminated title runs to the end of the block.
  auto open_title = Template(0x40, none, none, u"abc", false);
  EXPECT_EQ(dialog_template::FontSizeOffset(open_title.data(), open_title.size()), 0u);
  EXPECT_EQ(dialog_template::FontSizeOffset(nullptr, 100), 0u);
}

// One control as a template holds it: class and title as ordinal or name,
// and creation data of any length.
struct ItemBytes {
  std::uint32_t id;
  std::uint32_t style;
  std::uint32_t ex_style;
  std::u16string klass;  // {0xFFFF, ordinal} or a name with its NUL
  std::u16string title;
  std::uint16_t extra_bytes;
};

std::vector<std::uint8_t> WithItems(std::uint32_t style, const std::vector<ItemBytes>& items) {
  TemplateBytes t;
  t.bytes = Template(style, std::u16string(1, 0), std::u16string(1, 0), std::u16string(u"Odd\0", 4), true,
                     static_cast<std::uint16_t>(items.size()), 0x10000);  // WS_EX_CONTROLPARENT
  for (const ItemBytes& item : items) {
    t.Align();
    t.Double(0);  // help id
    t.Double(item.ex_style);
    t.Double(item.style);
    t.Word(7), t.Word(9), t.Word(50), t.Word(14);
    t.Double(item.id);
    t.Units(item.klass);
    t.Units(item.title);
    t.Word(item.extra_bytes);
    t.bytes.insert(t.bytes.end(), item.extra_bytes, 0xAB);
  }
  return t.bytes;
}

TEST(DialogTemplate, ReadsEveryControlWithItsIdStyleAndClass) {
  const std::vector<ItemBytes> items = {
      {1, 0x50010001, 0, {0xFFFF, 0x80}, std::u16string(u"OK\0", 3), 0},
      {0xFFFFFFFF, 0x50000000, 0, {0xFFFF, 0x82}, std::u16string(u"&Line:\0", 7), 3},
      {1550, 0x50810005, 0x200, std::u16string(u"SysListView32\0", 14), std::u16string(1, 0), 0},
      {3152, 0x500000A6, 0, std::u16string(u"msctls_updown32\0", 16), {0xFFFF, 101}, 6},
  };
  const auto bytes = WithItems(0x80C800C0, items);
  dialog_template::Controls read;
  ASSERT_TRUE(dialog_template::ReadControls(bytes.data(), bytes.size(), read));
  EXPECT_EQ(read.style, 0x80C800C0u);
  EXPECT_EQ(read.ex_style, 0x10000u);
  const std::vector<dialog_template::Control> expected = {
      {1, 0x50010001, 0, 0x80, u""},
      {0xFFFFFFFF, 0x50000000, 0, 0x82, u""},
      {1550, 0x50810005, 0x200, 0, u"SysListView32"},
      {3152, 0x500000A6, 0, 0, u"msctls_updown32"},
  };
  EXPECT_EQ(read.items, expected);

  // A template without controls has none; one cut anywhere among its
  // controls fails and leaves what was read before untouched.
  const auto empty = WithItems(0x40, {});
  ASSERT_TRUE(dialog_template::ReadControls(empty.data(), empty.size(), read));
  EXPECT_TRUE(read.items.empty());
  for (std::size_t size = empty.size(); size < bytes.size(); ++size) {
    EXPECT_FALSE(dialog_template::ReadControls(bytes.data(), size, read)) << size;
    EXPECT_TRUE(read.items.empty());
  }
  // Not a template with a font: no controls are read.
  const auto no_font = Template(0x80C80000, std::u16string(1, 0), std::u16string(1, 0), std::u16string(u"T\0", 2), false, 0);
  EXPECT_FALSE(dialog_template::ReadControls(no_font.data(), no_font.size(), read));
}

}  // namespace
