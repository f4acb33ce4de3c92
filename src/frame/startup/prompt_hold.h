#pragma once
// What the main window does with a message that could open or close
// documents while a prompt or dialog is up.  The prompt's own message loop
// would run it at once, and the code waiting for the prompt's answer would
// then go on with a document or tab that is gone; so such messages wait
// and are carried out, in order, when the prompt is over.  A session end
// is the exception: the system may end the process as soon as it is
// answered, so the documents are written to snapshots at once and only
// the closing waits.
#include <cstdint>

namespace prompt_hold {

// Whether a command opens or closes documents (the documents' own commands
// and Exit); only those wait for a prompt, the others run as before.
bool OpensOrClosesDocuments(std::uint16_t command);

enum class Arrival {
  kCommand,        // a menu, accelerator or posted command that opens or closes documents
  kHandOver,       // file names from a second start
  kCloseRequest,   // WM_CLOSE
  kSessionQuery,   // WM_QUERYENDSESSION
  kSessionEnd,     // WM_ENDSESSION, the session really ends
  kSessionGoesOn,  // WM_ENDSESSION, the end was called off
};

enum class Action {
  kRun,              // now, as usual
  kHold,             // when the prompt is over
  kIgnore,           // not at all
  kSnapshot,         // snapshots of every modified document, nothing closed
  kSnapshotAndHold,  // snapshots now, the closing without prompts later
  kSnapshotAndEnd,   // snapshots now, then closing without prompts
};

// Whether a query came before the end; an end without one is stray.
struct Session {
  bool query_seen = false;
};

Action Decide(Arrival arrival, bool prompt_open, Session& session);

}  // namespace prompt_hold
