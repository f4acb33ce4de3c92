#include "commands/command_handlers.h"

#include <array>

namespace command_handlers {
namespace {

using command_catalogue::Owner;

std::array<Handler, static_cast<std::size_t>(Owner::kCount)> handlers = {};

}  // namespace

void Register(Owner owner, Handler handler) { handlers[static_cast<std::size_t>(owner)] = handler; }

bool Run(std::uint16_t command) {
  if (!command_catalogue::IsKnown(command)) return false;
  const Handler handler = handlers[static_cast<std::size_t>(command_catalogue::OwnerOf(command))];
  return handler && handler(command);
}

}  // namespace command_handlers
