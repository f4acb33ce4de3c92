#include "frame/startup/prompt_hold.h"

#include "commands/command_catalogue.h"

namespace prompt_hold {

bool OpensOrClosesDocuments(std::uint16_t command) {
  return command == command_ids::kExit || command_catalogue::OwnerOf(command) == command_catalogue::Owner::kDocuments;
}

Action Decide(Arrival arrival, bool prompt_open, Session& session) {
  switch (arrival) {
    case Arrival::kCommand:
    case Arrival::kHandOver:
    case Arrival::kCloseRequest:
      return prompt_open ? Action::kHold : Action::kRun;
    case Arrival::kSessionQuery:
      session.query_seen = true;
      return Action::kSnapshot;
    case Arrival::kSessionEnd:
      if (!session.query_seen) return Action::kIgnore;
      return prompt_open ? Action::kSnapshotAndHold : Action::kSnapshotAndEnd;
    case Arrival::kSessionGoesOn:
      session.query_seen = false;
      return Action::kIgnore;
  }
  return Action::kIgnore;
}

}  // namespace prompt_hold
