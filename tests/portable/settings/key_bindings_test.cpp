#include "settings/key_bindings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/binding_names.h"
#include "settings/key_names.h"
#include "support/accelerator_bytes.h"

using key_bindings::AcceleratorRecord;
using key_bindings::AcceleratorRecords;
using key_bindings::BindingSlots;
using accelerator_bytes::Bytes;
using accelerator_bytes::Join;
using accelerator_bytes::Record;

namespace {

constexpr std::uint8_t kAlt = 16;

int BoundCount(const BindingSlots& slots) {
  int count = 0;
  for (const auto& slot : slots) count += slot.Bound();
  return count;
}

std::u16string Shortcut(const key_bindings::BindingSlot& slot) {
  WideString text;
  key_names::ShortcutText(slot, text);
  return std::u16string(text.View());
}

}  // namespace

// Entry 20 as the start of a run reads it, and what the exit writes back.
TEST(KeyBindings, EntryTwentyGivesTheTableAndTheSlots) {
  struct Case {
    const char* name;
    Bytes stored;
    std::size_t records;           // in the starting table
    int bound;                     // slots with a key
    AcceleratorRecord first;       // of the starting table
    std::u16string slot_0;         // shortcut of slot 0 (5010)
  };
  Bytes many;
  for (int i = 0; i < 100; ++i) many = Join({many, Record(9, 'A' + i % 26, i == 0 ? 5010 : 4000 + i)});
  many.resize(600);
  const Case cases[] = {
      {"nothing stored: the defaults", {}, 37, 37, {9, 'N', 5010}, u"Ctrl+N"},
      {"a stray byte after a record", Join({Record(13, 'Q', 5010), {0x77}}), 1, 1, {13, 'Q', 5010}, u"Ctrl+Shift+Q"},
      {"shorter than a record: the defaults", {9, 0, 'N', 0, 0x92}, 37, 37, {9, 'N', 5010}, u"Ctrl+N"},
      {"600 bytes: one record a slot", many, key_bindings::kSlotCount, 1, {9, 'A', 5010}, u"Ctrl+A"},
      {"a foreign command stays in the table, in no slot", Join({Record(9, 'K', 4999), Record(1, 'K', 5010)}), 2, 1,
       {9, 'K', 4999}, u"K"},
      {"Alt kept in the table, dropped in the slot", Record(9 | kAlt, 'N', 5010), 1, 1, {9 | kAlt, 'N', 5010},
       u"Ctrl+N"},
      {"the first record of a command wins", Join({Record(5, 'P', 5010), Record(9, 'P', 5010)}), 2, 1, {5, 'P', 5010},
       u"Shift+P"},
      {"no virtual-key bit, other flags: a plain key", Record(2, 'M', 5010), 1, 1, {2, 'M', 5010}, u"M"},
      {"every key removed: unbound, no table", Record(1, 0, 5010), 0, 0, {}, u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const AcceleratorRecords records = key_bindings::StartingRecords(c.stored);
    ASSERT_EQ(records.size(), c.records);
    if (!records.empty()) EXPECT_EQ(records[0], c.first);
    const BindingSlots slots = key_bindings::SlotsFromRecords(records);
    EXPECT_EQ(BoundCount(slots), c.bound);
    EXPECT_EQ(Shortcut(slots[0]), c.slot_0);
    for (const auto& slot : slots) EXPECT_TRUE(slot.modifiers == 1 || slot.modifiers == 5 || slot.modifiers == 9 ||
                                                slot.modifiers == 13);
    // What the exit writes reads back as the same table.
    const Bytes written = key_bindings::BytesFromRecords(records);
    EXPECT_LE(written.size(), key_bindings::kSlotCount * key_bindings::kRecordBytes);
    EXPECT_EQ(key_bindings::StartingRecords(written), records);
  }

  // The defaults in slot order, as a first run writes them.
  const Bytes first_run = key_bindings::BytesFromRecords(key_bindings::StartingRecords({}));
  ASSERT_EQ(first_run.size(), 222u);
  EXPECT_EQ(Bytes(first_run.end() - 6, first_run.end()), (Bytes{0x0D, 0x00, 0x46, 0x00, 0x34, 0x17}));
  EXPECT_EQ(Bytes(first_run.begin(), first_run.begin() + 6), (Bytes{0x09, 0x00, 0x4E, 0x00, 0x92, 0x13}));
  // Nothing bound is written as one keyless record, not as an empty entry.
  EXPECT_EQ(key_bindings::BytesFromRecords({}), Record(1, 0, 5010));
}

// What the user reads: key names, prefixes and the dialog's command names.
TEST(KeyBindings, NamesReadAsTheUserSeesThem) {
  const key_bindings::BindingSlots defaults = key_bindings::DefaultSlots();
  const struct {
    key_bindings::BindingSlot slot;
    std::u16string text;
  } shortcuts[] = {
      {defaults[12], u"Ctrl+Shift+Z"},   {defaults[29], u"CapsLock"}, {defaults[30], u"Shift+Insert"},
      {{1, 96, 5010}, u"[Num] 0 "},      {{1, 8, 5010}, u"BackSpace"}, {{9, 220, 5010}, u"Ctrl+\\"},
      {defaults[52], u""},
  };
  for (const auto& s : shortcuts) EXPECT_EQ(Shortcut(s.slot), s.text);
  for (std::uint8_t key : key_names::DialogKeys()) EXPECT_FALSE(key_names::KeyName(key).empty()) << int(key);

  Settings settings;
  settings.quick_tags[1].label.Assign(u"<h2>");
  settings.external_tools[7].label.Assign(std::u16string(300, u'x'));
  const LanguageText language = [](std::uint32_t id) -> std::u16string_view {
    return id == 5001 ? u"Edit" : id == 5150 ? u"Convert" : id == 20509 ? u"(Quick tag" : u"N";
  };
  const struct {
    int slot;
    std::u16string name;
  } names[] = {
      {21, u"Edit - Convert - N"}, {42, u"N - (Quick tag 1)"}, {43, u"N - <h2>"},
      {61, u"N - (Quick tag 20)"}, {70, u"N - " + std::u16string(300, u'x')}, {74, u"N"},
  };
  for (const auto& n : names) {
    WideString name;
    ASSERT_TRUE(binding_names::DisplayName(n.slot, settings, language, name));
    EXPECT_EQ(name.View(), n.name) << n.slot;
  }
}
