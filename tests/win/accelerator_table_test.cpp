// The bindings in the system's own accelerator table: what entry 20 holds
// goes in and comes out as stored, and a rebuild replaces the table whole.
#include "settings/accelerator_table.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "base/frame_state.h"
#include "support/accelerator_bytes.h"

namespace {

using accelerator_bytes::Bytes;
using accelerator_bytes::Join;
using accelerator_bytes::Record;

std::u16string Shortcut(std::uint16_t command) {
  WideString text;
  accelerator_table::ShortcutText(command, text);
  return std::u16string(text.View());
}

TEST(AcceleratorTable, StoredRecordsRoundTripAndARebuildReplacesTheTable) {
  Settings settings;
  // Alt and a foreign command survive as stored; a keyless record binds
  // nothing and is left out.
  const Bytes kept = Join({Record(FVIRTKEY | FCONTROL | FALT, 'N', 5010), Record(FVIRTKEY | FCONTROL, 'K', 4999),
                           Record(FVIRTKEY | FSHIFT, VK_F3, 5901)});
  settings.key_binding_records = Join({kept, Record(FVIRTKEY, 0, 5020)});
  ASSERT_TRUE(accelerator_table::LoadBindings(settings));
  accelerator_table::SaveBindings(settings);
  EXPECT_EQ(settings.key_binding_records, kept);
  EXPECT_EQ(Shortcut(5010), u"Ctrl+N");
  EXPECT_EQ(Shortcut(5901), u"Shift+F3");
  EXPECT_EQ(Shortcut(4999), u"");

  HACCEL before = static_cast<HACCEL>(Frame().accelerators);
  key_bindings::BindingSlots slots = key_bindings::DefaultSlots();
  slots[1] = {FVIRTKEY | FCONTROL | FSHIFT, 'O', 5020};
  ASSERT_TRUE(accelerator_table::RebuildAccelerators(slots));
  EXPECT_EQ(accelerator_table::SlotsFromTable(), slots);
  ACCEL any = {};
  EXPECT_EQ(CopyAcceleratorTableW(before, &any, 1), 0) << "the old table is still there";

  // No key at all: no table, saved as one keyless record, read back unbound.
  ASSERT_TRUE(accelerator_table::RebuildAccelerators(key_bindings::UnboundSlots()));
  EXPECT_EQ(Frame().accelerators, nullptr);
  accelerator_table::SaveBindings(settings);
  EXPECT_EQ(settings.key_binding_records, Record(FVIRTKEY, 0, 5010));
  ASSERT_TRUE(accelerator_table::LoadBindings(settings));
  EXPECT_EQ(Frame().accelerators, nullptr);
  EXPECT_EQ(accelerator_table::SlotsFromTable(), key_bindings::UnboundSlots());
}

}  // namespace
