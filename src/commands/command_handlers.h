#pragma once
// Who carries out which command: each owner's handler, registered once at
// start, found through the command table's owner of the number.
#include <cstdint>

#include "commands/command_catalogue.h"

namespace command_handlers {

// Carries the command out; false when it was not the handler's after all.
using Handler = bool (*)(std::uint16_t command);

void Register(command_catalogue::Owner owner, Handler handler);
// Runs command through its owner's handler; false when the number is no
// command the dispatcher knows or its owner has no handler.
bool Run(std::uint16_t command);

}  // namespace command_handlers
