#pragma once
// Recovery snapshots of modified documents (Windows only).  Each running
// instance owns a file in the recovery folder beside the settings file and
// writes there, a few seconds after typing pauses, a snapshot of every
// modified document; the copy is taken on the user-interface thread in
// short steps and written by a worker thread of its own.  A snapshot goes
// when its document is saved, reverted or closed without saving.  At the
// next start, snapshots no running instance owns come back as modified
// tabs; the user's files are not touched.
class Document;

namespace recovery {

// Takes ownership in the recovery folder and starts the worker; false
// (the program runs without snapshots) when the folder cannot be had.
bool Start();
// Opens the snapshots left by instances that no longer run, and says so
// in the status bar.
void RestoreLeftOvers();
// The main window's recovery timer.
void Tick();
inline constexpr unsigned kTimerId = 0x5E5E;

// The document's text is now the file's (saved or reloaded): its snapshot
// goes.
void Saved(Document& document);
// The document is being closed: its snapshot goes, unless kept for the
// next start (closing at the end of the session).
void Closing(Document& document, bool keep_snapshot);
// Every modified document's snapshot written now, waiting until it is on
// the disk (the session is ending).
void SnapshotAllNow();
// Stops the worker once every write is done and lets go of ownership, so
// that snapshots still in the folder are recovered by the next start.
void Stop();

}  // namespace recovery
