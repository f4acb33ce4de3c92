#include "settings/load_settings.h"

#include "editor/paint/syntax_mode.h"
#include "settings/catalogue.h"
#include "settings/first_run.h"
#include "settings/inline_fields.h"

namespace {

constexpr std::uint32_t kFontFaceString = 20010;
constexpr std::uint32_t kFontFaceMaxUnits = 127;
constexpr std::uint32_t kCustomColourBytes = 4 * Settings::kCustomColours;

void ReadInlineEntries(const SettingsReader& reader, Settings& settings) {
  for (std::uint32_t i = 0; i < catalogue::kEntryCount; ++i) {
    const inline_fields::Ref field = inline_fields::Of(settings, i);
    if (!field.Exists()) continue;
    const catalogue::Entry& entry = catalogue::At(i);
    const std::int32_t stored = entry.kind == catalogue::Kind::Bool ? reader.ReadBool(i, entry.fallback != 0)
                                                                    : reader.ReadInt(i, entry.fallback);
    field.Set(catalogue::ApplyRule(i, stored));
  }
}

WideString ReadText(const SettingsReader& reader, std::uint32_t i) {
  WideString text;
  reader.ReadString(i, text);
  return text;
}

void ReadHistory(const SettingsReader& reader, std::uint32_t first, std::vector<WideString>& history) {
  history.clear();
  for (std::uint32_t k = 0; k < Settings::kListSlots; ++k) {
    WideString text = ReadText(reader, first + k);
    if (!text.Empty()) history.push_back(std::move(text));
  }
}

void ReadDefaultFolder(const SettingsReader& reader, Settings& settings, const ShellFolders& shell) {
  reader.ReadString(17, settings.default_folder);
  if (!settings.default_folder.Empty() && shell.IsFolder(settings.default_folder.View())) return;
  shell.DocumentsFolder(settings.default_folder);
}

void ReadFontFace(const SettingsReader& reader, Settings& settings, const LanguageText& language) {
  if (reader.ReadString(24, settings.font_face) != SettingsReader::kNotAvailable) return;
  std::u16string_view face = language ? language(kFontFaceString) : std::u16string_view();
  settings.font_face.Assign(face.substr(0, kFontFaceMaxUnits));
}

void ReadRecentFiles(const SettingsReader& reader, Settings& settings) {
  settings.recent_files.clear();
  for (std::uint32_t k = 0; k < Settings::kListSlots; ++k) {
    RecentFile file;
    reader.ReadString(86 + k, file.path);
    if (file.path.Empty()) break;
    file.line = reader.ReadInt(106 + k, 0);
    settings.recent_files.push_back(std::move(file));
  }
}

void ReadBookmarks(const SettingsReader& reader, Settings& settings) {
  settings.bookmarks.clear();
  for (std::uint32_t k = 0; k < Settings::kListSlots; ++k) {
    Bookmark mark;
    reader.ReadString(126 + k, mark.path);
    if (mark.path.Empty()) break;
    mark.line = reader.ReadInt(146 + k, 0);
    reader.ReadString(166 + k, mark.name);
    settings.bookmarks.push_back(std::move(mark));
  }
}

// The entries a first run builds instead of reading.
void ReadFirstRunEntries(const SettingsReader& reader, Settings& settings) {
  settings.document_extensions.clear();
  settings.image_extensions.clear();
  settings.favourite_folders.clear();
  reader.ReadStringList(13, settings.document_extensions);
  reader.ReadStringList(14, settings.image_extensions);
  reader.ReadFlaggedList(settings.favourite_folders);
  for (std::uint32_t k = 0; k < Settings::kListSlots; ++k) {
    QuickTag& tag = settings.quick_tags[k];
    reader.ReadString(230 + k, tag.label);
    reader.ReadString(250 + k, tag.start_text);
    reader.ReadString(270 + k, tag.end_text);
  }
  for (std::uint32_t k = 0; k < Settings::kToolSlots; ++k) {
    ExternalTool& tool = settings.external_tools[k];
    reader.ReadString(186 + k, tool.path);
    reader.ReadString(194 + k, tool.label);
    reader.ReadString(202 + k, tool.options);
    tool.use_mapping = reader.ReadBool(210 + k, false);
  }
  for (std::uint32_t k = 0; k < Settings::kMappingSlots; ++k) {
    UrlMapping& mapping = settings.url_mappings[k];
    mapping.enabled = reader.ReadBool(218 + k, false);
    reader.ReadString(222 + k, mapping.local_prefix);
    reader.ReadString(226 + k, mapping.web_prefix);
  }
}

void ReadCustomColours(const SettingsReader& reader, Settings& settings) {
  std::uint8_t bytes[kCustomColourBytes] = {};
  const std::uint32_t length = reader.ReadBytes(294, nullptr, 0);
  if (length <= kCustomColourBytes) reader.ReadBytes(294, bytes, kCustomColourBytes);
  for (int k = 0; k < Settings::kCustomColours; ++k) settings.custom_colours[k] = settings_file::LoadU32(bytes + 4 * k);
}

void ReadKeyBindingRecords(const SettingsReader& reader, Settings& settings) {
  settings.key_binding_records.clear();
  const std::uint32_t length = reader.ReadBytes(20, nullptr, 0);
  if (length == 0) return;
  settings.key_binding_records.resize(length);
  if (reader.ReadBytes(20, settings.key_binding_records.data(), length) != length) settings.key_binding_records.clear();
}

// A file from before the script colouring lacks the entry: the defaults.
// One that has it keeps what it holds, even an empty list.
void ReadScriptExtensions(const SettingsReader& reader, Settings& settings) {
  settings.script_extensions.clear();
  if (reader.Valid() && reader.Count() > 356) {
    reader.ReadStringList(356, settings.script_extensions);
    return;
  }
  for (const std::u16string& extension : syntax_mode::DefaultScriptExtensions()) {
    WideString item;
    if (item.Assign(extension)) settings.script_extensions.push_back(std::move(item));
  }
}

// A file from before find in files lacks its masks: the defaults.
void ReadFindInFiles(const SettingsReader& reader, Settings& settings) {
  if (reader.ReadString(358, settings.file_masks) == SettingsReader::kNotAvailable)
    settings.file_masks.Assign(Settings::kDefaultFileMasks);
  settings.searched_folders.clear();
  reader.ReadStringList(359, settings.searched_folders);
  if (settings.searched_folders.size() > Settings::kListSlots) settings.searched_folders.resize(Settings::kListSlots);
}

void ReadOpenDocuments(const SettingsReader& reader, Settings& settings) {
  settings.open_documents = {};
  if (!settings.reopen_documents) return;
  for (std::uint32_t k = 0; k < OpenDocumentsSnapshot::kSlots; ++k) {
    RecentFile& slot = settings.open_documents.documents[k];
    reader.ReadString(297 + k, slot.path);
    if (slot.path.Empty()) break;
    slot.line = reader.ReadInt(317 + k, 0);
  }
  settings.open_documents.active_tab = reader.ReadInt(353, 0);
}

}  // namespace

void ReadLanguageModuleName(const SettingsReader& reader, Settings& settings) {
  reader.ReadString(0, settings.language_module_name);
}

void LoadSettings(const SettingsReader& reader, Settings& settings, const ShellFolders& shell,
                  const LanguageText& language) {
  ReadInlineEntries(reader, settings);
  ReadDefaultFolder(reader, settings, shell);
  ReadFontFace(reader, settings, language);
  ReadHistory(reader, 46, settings.find_history);
  ReadHistory(reader, 66, settings.replacement_history);
  ReadRecentFiles(reader, settings);
  ReadBookmarks(reader, settings);
  if (reader.Valid()) {
    ReadFirstRunEntries(reader, settings);
  } else {
    first_run::Build(shell, settings);
  }
  ReadCustomColours(reader, settings);
  ReadScriptExtensions(reader, settings);
  ReadFindInFiles(reader, settings);
  ReadOpenDocuments(reader, settings);
  ReadKeyBindingRecords(reader, settings);
}
