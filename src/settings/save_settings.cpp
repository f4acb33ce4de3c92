#include "settings/save_settings.h"

#include "settings/inline_fields.h"

namespace {

void WriteInline(SettingsWriter& writer, Settings& settings, std::uint32_t first, std::uint32_t last) {
  for (std::uint32_t i = first; i <= last; ++i) writer.WriteInt(i, inline_fields::Of(settings, i).Get());
}

void WriteHistories(SettingsWriter& writer, const Settings& settings) {
  // Every slot is written, the ones beyond a history's end as empty: a
  // stale item kept from an older file would come back as a duplicate.
  for (std::size_t k = 0; k < Settings::kListSlots; ++k) {
    const auto item = [k](const std::vector<WideString>& history) {
      return k < history.size() ? history[k].View() : std::u16string_view();
    };
    writer.WriteString(46 + k, item(settings.find_history));
    writer.WriteString(66 + k, item(settings.replacement_history));
  }
}

void WriteRecentFiles(SettingsWriter& writer, const Settings& settings) {
  for (std::size_t k = 0; k < Settings::kListSlots; ++k) {
    const bool used = k < settings.recent_files.size();
    writer.WriteString(86 + k, used ? settings.recent_files[k].path.View() : std::u16string_view());
    writer.WriteInt(106 + k, used ? settings.recent_files[k].line : 0);
  }
}

void WriteBookmarks(SettingsWriter& writer, const Settings& settings) {
  for (std::size_t k = 0; k < Settings::kListSlots; ++k) {
    const Bookmark* mark = k < settings.bookmarks.size() ? &settings.bookmarks[k] : nullptr;
    writer.WriteString(126 + k, mark ? mark->path.View() : std::u16string_view());
    writer.WriteInt(146 + k, mark ? mark->line : 0);
    writer.WriteString(166 + k, mark ? mark->name.View() : std::u16string_view());
  }
}

void WriteToolsMappingsAndQuickTags(SettingsWriter& writer, const Settings& settings) {
  for (std::size_t k = 0; k < Settings::kToolSlots; ++k) {
    const ExternalTool& tool = settings.external_tools[k];
    writer.WriteString(186 + k, tool.path.View());
    writer.WriteString(194 + k, tool.label.View());
    writer.WriteString(202 + k, tool.options.View());
    writer.WriteBool(210 + k, tool.use_mapping);
  }
  for (std::size_t k = 0; k < Settings::kMappingSlots; ++k) {
    const UrlMapping& mapping = settings.url_mappings[k];
    writer.WriteBool(218 + k, mapping.enabled);
    writer.WriteString(222 + k, mapping.local_prefix.View());
    writer.WriteString(226 + k, mapping.web_prefix.View());
  }
  for (std::size_t k = 0; k < Settings::kListSlots; ++k) {
    const QuickTag& tag = settings.quick_tags[k];
    writer.WriteString(230 + k, tag.label.View());
    writer.WriteString(250 + k, tag.start_text.View());
    writer.WriteString(270 + k, tag.end_text.View());
  }
}

void WriteOpenDocuments(SettingsWriter& writer, const Settings& settings) {
  const bool reopen = settings.reopen_documents;
  for (std::size_t k = 0; k < OpenDocumentsSnapshot::kSlots; ++k) {
    const RecentFile& slot = settings.open_documents.documents[k];
    writer.WriteString(297 + k, reopen ? slot.path.View() : std::u16string_view());
    writer.WriteInt(317 + k, reopen ? slot.line : 0);
  }
  // Left alone when reopening is off, so the file keeps the last one stored.
  if (reopen) writer.WriteInt(353, settings.open_documents.active_tab);
}

void WriteCustomColours(SettingsWriter& writer, const Settings& settings) {
  std::uint8_t bytes[4 * Settings::kCustomColours];
  for (int k = 0; k < Settings::kCustomColours; ++k) settings_file::StoreU32(bytes + 4 * k, settings.custom_colours[k]);
  writer.WriteBytes(294, bytes, sizeof bytes);
}

}  // namespace

void SaveSettings(SettingsWriter& writer, Settings& s) {
  writer.WriteString(0, s.language_module_name.View());
  WriteInline(writer, s, 1, 12);
  writer.WriteStringList(13, s.document_extensions);
  writer.WriteStringList(14, s.image_extensions);
  writer.WriteFlaggedList(s.favourite_folders);
  writer.WriteString(17, s.default_folder.View());
  WriteInline(writer, s, 18, 19);
  WriteInline(writer, s, 344, 345);
  WriteInline(writer, s, 347, 348);
  WriteInline(writer, s, 337, 343);
  WriteInline(writer, s, 290, 291);
  WriteInline(writer, s, 293, 293);
  WriteCustomColours(writer, s);
  WriteInline(writer, s, 292, 292);
  WriteInline(writer, s, 22, 23);
  WriteInline(writer, s, 295, 295);
  WriteInline(writer, s, 349, 350);
  writer.WriteBytes(20, s.key_binding_records.data(), static_cast<std::uint32_t>(s.key_binding_records.size()));
  WriteInline(writer, s, 21, 21);
  WriteInline(writer, s, 346, 346);
  writer.WriteString(24, s.font_face.View());
  WriteInline(writer, s, 25, 27);
  WriteInline(writer, s, 41, 41);
  WriteInline(writer, s, 357, 357);
  WriteInline(writer, s, 28, 40);
  WriteInline(writer, s, 351, 352);
  WriteHistories(writer, s);
  WriteInline(writer, s, 42, 45);
  WriteRecentFiles(writer, s);
  WriteBookmarks(writer, s);
  WriteToolsMappingsAndQuickTags(writer, s);
  WriteInline(writer, s, 296, 296);
  WriteOpenDocuments(writer, s);
  WriteInline(writer, s, 354, 355);
  writer.WriteStringList(356, s.script_extensions);
  writer.WriteString(358, s.file_masks.View());
  writer.WriteStringList(359, s.searched_folders);
  WriteInline(writer, s, 360, 362);
}

bool SaveSettingsFile(std::u16string_view path, Settings& settings) {
  SettingsWriter writer;
  if (!writer.Create(path, settings_file::kHeader)) return false;
  SaveSettings(writer, settings);
  return writer.Close();
}
