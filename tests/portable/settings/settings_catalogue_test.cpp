#include "settings/catalogue.h"

#include <gtest/gtest.h>

#include <climits>

#include "platform/stand_in_shell_folders.h"
#include "settings/inline_fields.h"
#include "settings/load_settings.h"
#include "support/settings_bytes.h"

using settings_bytes::FileBuilder;
using settings_bytes::OpenReader;

namespace {

struct ClampCase {
  std::uint32_t entry;
  std::int32_t stored;
  std::int32_t expected;
};

// What LoadSettings leaves in the field of `entry` for a file holding `stored`.
std::int32_t LoadedValue(std::uint32_t entry, std::int32_t stored) {
  SettingsReader reader;
  EXPECT_TRUE(OpenReader(reader, FileBuilder().Int(entry, stored).Build()));
  Settings settings;
  LoadSettings(reader, settings, StandInShellFolders(), nullptr);
  return inline_fields::Of(settings, entry).Get();
}

// Below and above every bound of every rule in the table.
std::vector<ClampCase> CasesFromTheTable() {
  std::vector<ClampCase> cases;
  for (std::uint32_t i = 0; i < catalogue::kEntryCount; ++i) {
    const catalogue::Entry& e = catalogue::At(i);
    switch (e.rule) {
      case catalogue::Rule::Range:
        cases.insert(cases.end(), {{i, e.low - 1, e.low}, {i, INT_MIN, e.low}, {i, e.low, e.low},
                                   {i, e.high, e.high}, {i, e.high + 1, e.high}, {i, INT_MAX, e.high}});
        break;
      case catalogue::Rule::OneOf:
        cases.insert(cases.end(), {{i, e.fallback, e.fallback}, {i, e.low, e.low}, {i, e.fallback + 1, e.fallback},
                                   {i, e.low - 1, e.fallback}, {i, INT_MIN, e.fallback}, {i, INT_MAX, e.fallback}});
        break;
      case catalogue::Rule::UnsignedRange:
        cases.insert(cases.end(), {{i, e.low, e.low}, {i, e.high, e.high}, {i, e.high + 1, e.fallback},
                                   {i, -1, e.fallback}, {i, INT_MIN, e.fallback}, {i, INT_MAX, e.fallback}});
        break;
      default:
        break;
    }
  }
  return cases;
}

}  // namespace

TEST(SettingsCatalogue, EveryClampBelowAndAbove) {
  const std::vector<ClampCase> cases = CasesFromTheTable();
  ASSERT_EQ(cases.size(), 6u * 10u);  // 8, 9, 18, 19, 21, 25, 26, 27, 44, 45
  for (const ClampCase& c : cases)
    EXPECT_EQ(LoadedValue(c.entry, c.stored), c.expected) << "entry " << c.entry << " stored " << c.stored;
}

TEST(SettingsCatalogue, NamedCasesOfTheReadRules) {
  const ClampCase cases[] = {
      {8, 10, 44},     {9, 10, 44},   {8, 100000, catalogue::kMaxPaneWidth},
      {25, 100, 72},   {25, 3, 8},    {26, -5, 0},
      {27, 0, 1},      {18, -13, -12}, {18, -14, -14},
      {19, 600, 400},  {19, 700, 700}, {21, 4, 0},
      {21, -1, 0},     {21, 3, 3},    {44, 7, 0},
      {44, 6, 6},      {44, -1, 0},   {45, 3, 0},
      {45, -2, 0},     {22, -9, -9},  {345, 0, 0},
  };
  for (const ClampCase& c : cases)
    EXPECT_EQ(LoadedValue(c.entry, c.stored), c.expected) << "entry " << c.entry << " stored " << c.stored;
  // Entry 9's clamp leaves entry 8 as stored.
  SettingsReader reader;
  ASSERT_TRUE(OpenReader(reader, FileBuilder().Int(8, 250).Int(9, 10).Build()));
  Settings settings;
  LoadSettings(reader, settings, StandInShellFolders(), nullptr);
  EXPECT_EQ(settings.left_pane_width, 250);
  EXPECT_EQ(settings.right_pane_width, 44);
}

TEST(SettingsCatalogue, KindsMatchTheFieldsTheyAreKeptIn) {
  // Every inline entry outside the list slots has a field, and no other
  // entry has one.
  Settings settings;
  int fields = 0;
  for (std::uint32_t i = 0; i < catalogue::kEntryCount; ++i) {
    const catalogue::Entry& e = catalogue::At(i);
    const bool is_inline = e.kind == catalogue::Kind::Int || e.kind == catalogue::Kind::Bool ||
                           e.kind == catalogue::Kind::Colour;
    const bool list_slot = e.rule == catalogue::Rule::WithPath || e.rule == catalogue::Rule::FirstRun || i == 353;
    EXPECT_EQ(inline_fields::Of(settings, i).Exists(), is_inline && !list_slot) << i;
    fields += inline_fields::Of(settings, i).Exists();
  }
  EXPECT_EQ(fields, 66);
}
