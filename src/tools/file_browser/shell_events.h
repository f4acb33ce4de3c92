#pragma once
// The shell's change events the file browser listens to, by what they
// mean to it.
namespace shell_events {

enum class Event {
  kRenameItem,
  kCreate,
  kDelete,
  kMakeFolder,
  kRemoveFolder,
  kDriveRemoved,
  kDriveAdded,
  kUpdateFolder,
  kRenameFolder,
  kOther,
};

}  // namespace shell_events
