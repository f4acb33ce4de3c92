#include "docs/recovery/snapshot_file.h"

#include <memory>

#include "platform/file_replace.h"
#include "platform/mapped_file.h"
#include "platform/target_writer.h"

namespace snapshot_file {

bool Write(std::u16string_view path, const SnapshotHeader& header, const std::vector<std::u16string_view>& text,
           std::uint32_t& error) {
  bool written = false;
  if (std::unique_ptr<byte_file::Target> file =
          byte_file::CreateFileReplacement(path, nullptr, byte_file::Ways::kRenameOnly)) {
    byte_file::TargetWriter sink(*file);
    written = recovery_snapshot::Write(header, text, sink) && sink.Finish() && file->Commit();
  }
  error = written ? 0 : byte_file::LastFailure().error;
  return written;
}

bool Read(const char16_t* path, SnapshotHeader& header, std::u16string& text) {
  MappedFile file;
  if (file.Open(path) != MappedFile::OpenResult::kOpened || !file.Map()) return false;
  return recovery_snapshot::Read(file.Data(), static_cast<std::size_t>(file.Size()), header, text);
}

}  // namespace snapshot_file
