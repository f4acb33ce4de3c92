#pragma once
// A shell whose folders and existing paths are set by hand: first-run
// settings are tested and fuzzed against it.
#include <set>
#include <string>

#include "platform/shell_folders.h"

class StandInShellFolders : public ShellFolders {
 public:
  // An empty folder text means the query fails.
  std::u16string pictures;
  std::u16string documents;
  std::u16string program_files;
  std::set<std::u16string, std::less<>> folders;
  std::set<std::u16string, std::less<>> files;

  bool PicturesFolder(WideString& out) const override { return Answer(pictures, out); }
  bool DocumentsFolder(WideString& out) const override { return Answer(documents, out); }
  bool ProgramFilesFolder(WideString& out) const override { return Answer(program_files, out); }
  bool IsFolder(std::u16string_view path) const override { return folders.find(path) != folders.end(); }
  bool FileExists(std::u16string_view path) const override {
    return files.find(path) != files.end() || IsFolder(path);
  }

 private:
  static bool Answer(const std::u16string& folder, WideString& out) {
    out.Clear();
    return !folder.empty() && out.Assign(folder);
  }
};
