// Arbitrary bytes as a settings file: reading must stay in bounds, and
// writing what was read, reading that back and writing again must give the
// same bytes.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "platform/memory_file.h"
#include "platform/stand_in_shell_folders.h"
#include "round_trip.h"
#include "settings/load_settings.h"
#include "settings/save_settings.h"

namespace {

std::u16string_view Language(std::uint32_t) { return u"Mono"; }

const StandInShellFolders& Shell() {
  static const StandInShellFolders shell = [] {
    StandInShellFolders s;
    s.pictures = u"C:\\Pictures";
    s.documents = u"C:\\Documents";
    s.program_files = u"C:\\Program Files";
    s.files = {u"C:\\Program Files\\Opera\\opera.exe"};
    return s;
  }();
  return shell;
}

// Every reading operation on every slot, whatever it holds.
void ReadEverything(const SettingsReader& reader) {
  std::uint8_t buffer[64];
  for (std::uint32_t i = 0; i < 360; ++i) {
    reader.ReadInt(i, 0);
    WideString text;
    reader.ReadString(i, text);
    reader.ReadBytes(i, buffer, sizeof buffer);
    std::vector<WideString> list;
    reader.ReadStringList(i, list);
  }
  std::vector<FavouriteFolder> folders;
  reader.ReadFlaggedList(folders);
}

std::vector<std::uint8_t> LoadAndSave(std::span<const std::uint8_t> file) {
  SettingsReader reader;
  reader.Open(std::make_unique<byte_file::MemorySource>(file));
  ReadEverything(reader);
  Settings settings;
  ReadLanguageModuleName(reader, settings);
  LoadSettings(reader, settings, Shell(), Language);
  reader.Close();

  byte_file::MemoryFile saved;
  SettingsWriter writer;
  if (writer.Create(std::make_unique<byte_file::MemorySource>(file), std::make_unique<byte_file::MemoryTarget>(saved),
                    settings_file::kHeader))
    SaveSettings(writer, settings);
  if (!writer.Close() || !saved.committed) std::abort();
  return saved.bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return CheckRoundTrip(data, size, LoadAndSave);
}
