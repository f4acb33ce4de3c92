#include "frame/commands/command_ids.h"

namespace command_ids {
namespace {

struct Range {
  std::uint16_t first;
  std::uint16_t last;
};

constexpr Range kKnown[] = {
    {5010, 5010}, {5020, 5020}, {5022, 5022}, {5024, 5043}, {5050, 5052}, {5080, 5083}, {5090, 5090},
    {5110, 5111}, {5120, 5125}, {5130, 5130}, {5140, 5140}, {5151, 5156}, {5160, 5161}, {5170, 5170},
    {5180, 5181}, {5210, 5210}, {5220, 5220}, {5230, 5230}, {5240, 5240}, {5250, 5252}, {5260, 5260},
    {5310, 5310}, {5320, 5320}, {5331, 5350}, {5411, 5430}, {5450, 5450}, {5511, 5518}, {5550, 5550},
    {5610, 5610}, {5620, 5620}, {5900, 5902}, {5910, 5911}, {5920, 5920}, {6000, 6001},
};

}  // namespace

bool IsKnown(std::uint16_t id) {
  for (const Range& range : kKnown)
    if (id >= range.first && id <= range.last) return true;
  return false;
}

}  // namespace command_ids
