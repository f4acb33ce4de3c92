// The command table agrees with itself and with the menus: no number twice,
// every menu item a number of the table, the slots in their stored order,
// and the dispatcher knows exactly the commands it has always known.
#include <gtest/gtest.h>

#include <set>

#include "commands/command_catalogue.h"
#include "commands/command_handlers.h"
#include "settings/menus/menu_tables.h"

namespace {

using command_catalogue::Owner;

TEST(CommandCatalogue, NoNumberTwiceAndEveryMenuItemInTheTable) {
  std::set<std::uint16_t> seen;
  for (const command_catalogue::Command& command : command_catalogue::All())
    EXPECT_TRUE(seen.insert(command.id).second) << command.id;
  for (int popup = 0; popup < menu_tables::kPopupCount; ++popup)
    for (const menu_tables::Item& item : menu_tables::Table(static_cast<menu_tables::Popup>(popup)).items)
      EXPECT_TRUE(item.id == menu_tables::kSeparator || command_catalogue::Find(item.id)) << item.id;
}

TEST(CommandCatalogue, SlotsKeepTheirStoredOrder) {
  const std::pair<int, std::uint16_t> slots[] = {{0, 5010}, {18, 5125}, {41, 5320}, {42, 5411}, {62, 5450},
                                                 {63, 5511}, {71, 5550}, {76, 5902}, {81, 6001}, {82, 5921}, {83, 5940}};
  for (const auto& [slot, id] : slots) EXPECT_EQ(command_catalogue::Slot(slot).id, id) << slot;
  for (int slot = 0; slot < command_catalogue::kSlotCount; ++slot)
    EXPECT_TRUE(command_catalogue::Slot(slot).bindable) << slot;
}

TEST(CommandCatalogue, TheDispatcherKnowsTheCommandsAndNotTheOtherNumbers) {
  const std::pair<std::uint16_t, bool> cases[] = {
      {5000, false}, {5006, false}, {5010, true},  {5021, false}, {5023, false}, {5024, true},  {5043, true},
      {5044, false}, {5125, true},  {5150, false}, {5330, false}, {5350, true},  {5410, false}, {5430, true},
      {5510, false}, {5518, true},  {5519, false}, {5700, false}, {5811, false}, {5902, true},  {5921, true},  {5940, true},  {6001, true},
      {6002, false}, {4999, false}};
  for (const auto& [id, known] : cases) EXPECT_EQ(command_catalogue::IsKnown(id), known) << id;
}

TEST(CommandHandlers, ACommandReachesOnlyItsOwnersHandler) {
  static std::uint16_t ran = 0;
  command_handlers::Register(Owner::kEditor, [](std::uint16_t command) { return ran = command, true; });
  command_handlers::Register(Owner::kDocuments, nullptr);
  ran = 0;
  EXPECT_TRUE(command_handlers::Run(command_ids::kUndo));
  EXPECT_EQ(ran, command_ids::kUndo);
  ran = 0;
  EXPECT_FALSE(command_handlers::Run(command_ids::kSave));   // no handler
  EXPECT_FALSE(command_handlers::Run(command_ids::kFileMenu));  // no command
  EXPECT_EQ(ran, 0);
  command_handlers::Register(Owner::kEditor, nullptr);
}

}  // namespace
