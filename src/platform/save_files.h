#pragma once
// The file operations of a save: a fresh temporary file to write the text
// into, and the copy that puts it over the target once it is complete.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/byte_sink.h"
#include "platform/wide_string.h"

namespace save_files {

// Creates a new, empty, uniquely named file in the user's temporary folder
// and puts its name in name; false when none can be made.
bool MakeTemporaryFile(WideString& name);

// A file being written from its start, replacing what it held.  Writes are
// gathered and reach the file in large pieces.
class OutputFile : public ByteSink {
 public:
  bool Write(const void* bytes, std::size_t count) final;
  // Writes what is gathered and closes; false when any write fell short.
  bool Close();

 protected:
  // The system's side: one write that must take every byte, and the close.
  virtual bool WriteThrough(const void* bytes, std::size_t count) = 0;
  virtual bool CloseFile() = 0;

 private:
  void Flush();
  unsigned char buffer_[64 * 1024];
  std::size_t used_ = 0;
  bool ok_ = true;
};

// Opened for writing, not shared, created or emptied; null on failure.
std::unique_ptr<OutputFile> OpenForWriting(const char16_t* name);

// Copies the file over the target, which is created or overwritten.
bool CopyOver(const char16_t* from, const char16_t* target);
bool DeleteNamed(const char16_t* name);
// As a FILETIME value; 0 when the file is not there.
std::uint64_t LastWriteTime(const char16_t* path);

}  // namespace save_files
