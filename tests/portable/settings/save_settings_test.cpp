#include "settings/save_settings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/stand_in_shell_folders.h"
#include "settings/catalogue.h"
#include "settings/inline_fields.h"
#include "settings/load_settings.h"
#include "support/settings_bytes.h"

using settings_bytes::Bytes;
using settings_bytes::kTableEnd;
using settings_bytes::FileBuilder;
using settings_bytes::OpenReader;
using settings_bytes::RunOf;
using settings_bytes::SlotOf;
using settings_bytes::Utf16;
using settings_bytes::Write;
using Slot = std::pair<std::uint32_t, std::uint32_t>;

namespace {

StandInShellFolders Shell() {
  StandInShellFolders shell;
  shell.folders = {u"D:\\site"};
  return shell;
}

Settings Load(const Bytes* file) {
  SettingsReader reader;
  if (file) OpenReader(reader, *file);
  Settings settings;
  ReadLanguageModuleName(reader, settings);
  LoadSettings(reader, settings, Shell(), [](std::uint32_t) { return std::u16string_view(u"Mono"); });
  return settings;
}

Bytes Save(Settings& settings, const Bytes* old = nullptr) {
  const auto result = Write(old, [&](SettingsWriter& w) { SaveSettings(w, settings); });
  EXPECT_TRUE(result.committed);
  return result.bytes;
}

void Set(WideString& s, std::u16string_view text) { s.Assign(text); }

WideString Wide(std::u16string_view text) {
  WideString s;
  s.Assign(text);
  return s;
}

// A record where every value differs from its default.
Settings Changed() {
  Settings s = Load(nullptr);
  Set(s.language_module_name, u"Deutsch.dll");
  for (std::uint32_t i = 0; i < catalogue::kEntryCount; ++i) {
    const inline_fields::Ref field = inline_fields::Of(s, i);
    const catalogue::Entry& e = catalogue::At(i);
    if (!field.Exists()) continue;
    if (e.kind == catalogue::Kind::Bool) field.Set(e.fallback ? 0 : 1);
    else if (e.rule == catalogue::Rule::None) field.Set(static_cast<std::int32_t>(i * 1000 + 7));
    else if (e.rule == catalogue::Rule::OneOf) field.Set(e.low);
    else field.Set(e.high);
  }
  s.document_extensions.clear();
  s.document_extensions.push_back(Wide(u".php"));
  s.script_extensions.clear();
  s.script_extensions.push_back(Wide(u".ts"));
  Set(s.file_masks, u"*.xml");
  s.searched_folders.push_back(Wide(u"D:\\site"));
  s.favourite_folders.emplace_back();
  Set(s.favourite_folders.back().path, u"D:\\site");
  s.favourite_folders.back().expand_at_start = true;
  Set(s.default_folder, u"D:\\site");
  s.key_binding_records = {1, 0, 'A', 0, 0x88, 0x13};
  Set(s.font_face, u"Courier New");
  s.find_history.push_back(Wide(u"needle"));
  s.replacement_history.push_back(Wide(u"thread"));
  s.replacement_history.push_back(Wide(u"pin"));
  s.recent_files.push_back({Wide(u"C:\\a.html"), 41});
  s.bookmarks.push_back({Wide(u"C:\\b.css"), 9, Wide(u"rules")});
  Set(s.external_tools[3].options, u"-private");
  s.url_mappings[2].enabled = true;
  Set(s.url_mappings[2].local_prefix, u"D:\\site\\");
  Set(s.quick_tags[19].label, u"<em>");
  s.custom_colours[15] = 0x123456;
  s.open_documents.documents[0] = {Wide(u"C:\\a.html"), 3};
  s.open_documents.documents[1] = {Wide(u"C:\\c.js"), 0};
  s.open_documents.active_tab = 1;
  return s;
}

bool Same(const WideString& a, const WideString& b) { return a.View() == b.View(); }

bool SameTexts(const std::vector<WideString>& a, const std::vector<WideString>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), Same);
}

void ExpectSame(Settings& a, Settings& b) {
  for (std::uint32_t i = 0; i < catalogue::kEntryCount; ++i)
    EXPECT_EQ(inline_fields::Of(a, i).Get(), inline_fields::Of(b, i).Get()) << "entry " << i;
  EXPECT_TRUE(Same(a.language_module_name, b.language_module_name));
  EXPECT_TRUE(SameTexts(a.document_extensions, b.document_extensions));
  EXPECT_TRUE(SameTexts(a.image_extensions, b.image_extensions));
  EXPECT_TRUE(SameTexts(a.script_extensions, b.script_extensions));
  EXPECT_TRUE(Same(a.file_masks, b.file_masks));
  EXPECT_TRUE(SameTexts(a.searched_folders, b.searched_folders));
  ASSERT_EQ(a.favourite_folders.size(), b.favourite_folders.size());
  for (std::size_t k = 0; k < a.favourite_folders.size(); ++k) {
    EXPECT_TRUE(Same(a.favourite_folders[k].path, b.favourite_folders[k].path));
    EXPECT_EQ(a.favourite_folders[k].expand_at_start, b.favourite_folders[k].expand_at_start);
  }
  EXPECT_TRUE(Same(a.default_folder, b.default_folder));
  EXPECT_EQ(a.key_binding_records, b.key_binding_records);
  EXPECT_TRUE(Same(a.font_face, b.font_face));
  EXPECT_TRUE(SameTexts(a.find_history, b.find_history));
  EXPECT_TRUE(SameTexts(a.replacement_history, b.replacement_history));
  ASSERT_EQ(a.recent_files.size(), b.recent_files.size());
  for (std::size_t k = 0; k < a.recent_files.size(); ++k) {
    EXPECT_TRUE(Same(a.recent_files[k].path, b.recent_files[k].path));
    EXPECT_EQ(a.recent_files[k].line, b.recent_files[k].line);
  }
  ASSERT_EQ(a.bookmarks.size(), b.bookmarks.size());
  for (std::size_t k = 0; k < a.bookmarks.size(); ++k) {
    EXPECT_TRUE(Same(a.bookmarks[k].path, b.bookmarks[k].path));
    EXPECT_EQ(a.bookmarks[k].line, b.bookmarks[k].line);
    EXPECT_TRUE(Same(a.bookmarks[k].name, b.bookmarks[k].name));
  }
  for (std::size_t k = 0; k < a.external_tools.size(); ++k) {
    const ExternalTool &x = a.external_tools[k], &y = b.external_tools[k];
    EXPECT_TRUE(Same(x.path, y.path) && Same(x.label, y.label) && Same(x.options, y.options)) << k;
    EXPECT_EQ(x.use_mapping, y.use_mapping);
  }
  for (std::size_t k = 0; k < a.url_mappings.size(); ++k) {
    const UrlMapping &x = a.url_mappings[k], &y = b.url_mappings[k];
    EXPECT_EQ(x.enabled, y.enabled);
    EXPECT_TRUE(Same(x.local_prefix, y.local_prefix) && Same(x.web_prefix, y.web_prefix)) << k;
  }
  for (std::size_t k = 0; k < a.quick_tags.size(); ++k) {
    const QuickTag &x = a.quick_tags[k], &y = b.quick_tags[k];
    EXPECT_TRUE(Same(x.label, y.label) && Same(x.start_text, y.start_text) && Same(x.end_text, y.end_text)) << k;
  }
  EXPECT_EQ(a.custom_colours, b.custom_colours);
  for (std::size_t k = 0; k < OpenDocumentsSnapshot::kSlots; ++k) {
    EXPECT_TRUE(Same(a.open_documents.documents[k].path, b.open_documents.documents[k].path)) << k;
    EXPECT_EQ(a.open_documents.documents[k].line, b.open_documents.documents[k].line) << k;
  }
  EXPECT_EQ(a.open_documents.active_tab, b.open_documents.active_tab);
}

}  // namespace

TEST(SaveSettings, EverythingChangedComesBackTheSame) {
  Settings changed = Changed();
  ASSERT_TRUE(changed.reopen_documents);
  const Bytes file = Save(changed);
  Settings loaded = Load(&file);
  ExpectSame(changed, loaded);
}

TEST(SaveSettings, FirstRunDefaultsComeBackTheSame) {
  Settings defaults = Load(nullptr);
  const Bytes file = Save(defaults);
  Settings loaded = Load(&file);
  ExpectSame(defaults, loaded);
  // A second save of what was read writes the same bytes.
  EXPECT_EQ(Save(loaded, &file), file);
}

TEST(SaveSettings, DataRunsFollowTheWriterOrder) {
  Settings s = Changed();
  const Bytes file = Save(s);
  EXPECT_EQ(SlotOf(file, 0).first, kTableEnd);
  const std::uint32_t order[] = {0, 13, 14, 15, 16, 17, 294, 20, 24, 46, 66, 67, 86, 126, 166, 205, 226, 224, 228, 230, 249, 297, 298, 356};
  std::uint32_t previous = 0;
  for (std::uint32_t i : order) {
    const auto [where, length] = SlotOf(file, i);
    EXPECT_GT(where, previous) << "entry " << i;
    previous = where;
  }
  EXPECT_EQ(SlotOf(file, 294).second, 64u);
  EXPECT_EQ(SlotOf(file, 16).second, 1u);
}

TEST(SaveSettings, ReopenOffClearsTheListAndKeepsTheStoredActiveTab) {
  const Bytes old = FileBuilder().Int(296, 1).String(297, u"C:\\a.html").Int(317, 5).Int(353, 2).Build();
  Settings s = Load(&old);
  ASSERT_EQ(s.open_documents.documents[0].path.View(), u"C:\\a.html");
  s.reopen_documents = false;
  const Bytes file = Save(s, &old);
  EXPECT_EQ(SlotOf(file, 297), Slot(0, 0));
  EXPECT_EQ(SlotOf(file, 317), Slot(1, 0));
  EXPECT_EQ(SlotOf(file, 353), Slot(1, 2));
}

TEST(SaveSettings, HistorySlotsBeyondTheListAreCleared) {
  // A hole in a stored history closes up when read; the slot left over at
  // the end must not survive to show the last item twice.
  const Bytes old = FileBuilder().String(46, u"a").String(48, u"b").String(67, u"r").Build();
  Settings s = Load(&old);
  ASSERT_EQ(s.find_history.size(), 2u);
  const Bytes file = Save(s, &old);
  EXPECT_EQ(RunOf(file, 47), Utf16(u"b"));
  EXPECT_EQ(SlotOf(file, 48), Slot(0, 0));
  EXPECT_EQ(RunOf(file, 66), Utf16(u"r"));
  EXPECT_EQ(SlotOf(file, 67), Slot(0, 0));
}
