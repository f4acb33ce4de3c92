#include "settings/load_settings.h"

#include <gtest/gtest.h>

#include "platform/stand_in_shell_folders.h"
#include "settings/catalogue.h"
#include "settings/inline_fields.h"
#include "settings/open_documents.h"
#include "support/settings_bytes.h"

using settings_bytes::Bytes;
using settings_bytes::FileBuilder;
using settings_bytes::OpenReader;

namespace {

const std::u16string kLongFace(200, u'F');

std::u16string_view Language(std::uint32_t id) { return id == 20010 ? std::u16string_view(kLongFace) : u"?"; }

StandInShellFolders Shell() {
  StandInShellFolders shell;
  shell.pictures = u"C:\\Users\\me\\Pictures";
  shell.documents = u"C:\\Users\\me\\Documents";
  shell.program_files = u"C:\\Program Files";
  shell.folders = {u"C:\\Users\\me\\Documents", u"D:\\site"};
  shell.files = {u"C:\\Program Files\\Mozilla Firefox\\firefox.exe", u"C:\\Program Files\\Opera\\opera.exe"};
  return shell;
}

Settings Load(const Bytes* file, const ShellFolders& shell = Shell()) {
  SettingsReader reader;
  if (file) OpenReader(reader, *file);
  Settings settings;
  LoadSettings(reader, settings, shell, Language);
  return settings;
}

std::vector<std::u16string> Texts(const std::vector<WideString>& list) {
  std::vector<std::u16string> out;
  for (const WideString& item : list) out.emplace_back(item.View());
  return out;
}

}  // namespace

TEST(LoadSettings, FirstRunTakesEveryDefaultAndBuildsTheFirstRunValues) {
  Settings s = Load(nullptr);
  for (std::uint32_t i = 0; i < catalogue::kEntryCount; ++i) {
    const inline_fields::Ref field = inline_fields::Of(s, i);
    if (field.Exists()) EXPECT_EQ(field.Get(), catalogue::At(i).fallback) << i;
  }
  EXPECT_EQ(s.editor_colours[6], 0xDC3C00u);
  EXPECT_EQ(s.editor_colours[14], 0xECFFD8u);
  EXPECT_EQ(s.mouse_actions, (std::array<std::int32_t, 9>{5125, 5310, 5130, 0, 0, 5121, 5122, 6000, 6001}));
  EXPECT_EQ(Texts(s.document_extensions), (std::vector<std::u16string>{u".html", u".htm", u".xml", u".txt", u".css"}));
  EXPECT_EQ(Texts(s.image_extensions), (std::vector<std::u16string>{u".jpg", u".png", u".gif"}));
  ASSERT_EQ(s.favourite_folders.size(), 1u);
  EXPECT_EQ(s.favourite_folders[0].path.View(), u"C:\\Users\\me\\Pictures");
  EXPECT_FALSE(s.favourite_folders[0].expand_at_start);
  EXPECT_EQ(s.default_folder.View(), u"C:\\Users\\me\\Documents");
  EXPECT_EQ(s.font_face.View(), kLongFace.substr(0, 127));

  // Only the browsers that exist, in the fixed order, from slot 0.
  EXPECT_EQ(s.external_tools[0].path.View(), u"C:\\Program Files\\Mozilla Firefox\\firefox.exe");
  EXPECT_EQ(s.external_tools[0].label.View(), u"Firefox");
  EXPECT_EQ(s.external_tools[1].label.View(), u"Opera");
  EXPECT_TRUE(s.external_tools[1].use_mapping);
  EXPECT_TRUE(s.external_tools[2].path.Empty());
  EXPECT_FALSE(s.external_tools[2].use_mapping);
  for (const UrlMapping& m : s.url_mappings) {
    EXPECT_EQ(m.web_prefix.View(), u"http://");
    EXPECT_FALSE(m.enabled);
  }
  EXPECT_EQ(s.quick_tags[0].end_text.View(), u"</h1>");
  EXPECT_TRUE(s.quick_tags[4].end_text.Empty());
  EXPECT_EQ(s.quick_tags[7].label.View(), u" class=\"");
  EXPECT_EQ(s.quick_tags[8].start_text.Length(), 5u);
  EXPECT_EQ(s.quick_tags[9].label.View(), u" style=\"");
  EXPECT_EQ(s.quick_tags[9].end_text.View(), u"\"");
  EXPECT_TRUE(s.quick_tags[10].label.Empty());
  EXPECT_TRUE(s.recent_files.empty());
  EXPECT_TRUE(s.key_binding_records.empty());
}

TEST(LoadSettings, FirstRunOnABareMachine) {
  const Settings s = Load(nullptr, StandInShellFolders());
  for (const ExternalTool& tool : s.external_tools) EXPECT_TRUE(tool.path.Empty());
  EXPECT_TRUE(s.favourite_folders.empty());
  EXPECT_TRUE(s.default_folder.Empty());
  // Program files exists but holds no browser.
  StandInShellFolders shell;
  shell.program_files = u"C:\\Program Files\\";
  shell.files = {u"C:\\Program Files\\Opera\\opera.exe"};
  const Settings one = Load(nullptr, shell);
  EXPECT_EQ(one.external_tools[0].path.View(), u"C:\\Program Files\\Opera\\opera.exe");
}

TEST(LoadSettings, AValidFileIsReadAsStoredWithoutFirstRunValues) {
  const Bytes file = FileBuilder()
                         .String(14, std::u16string_view(u".svg\0", 5))
                         .String(17, u"D:\\site")
                         .String(24, u"")
                         .Slot(24, 0, 0)
                         .String(226, u"https://example.org/")
                         .Int(218, 1)
                         .String(186, u"C:\\b.exe")
                         .Int(210, 1)
                         .String(250, u"<em>")
                         .Build();
  const Settings s = Load(&file);
  EXPECT_TRUE(s.document_extensions.empty());  // lacking entry 13: empty, not the first-run list
  EXPECT_EQ(Texts(s.image_extensions), std::vector<std::u16string>{u".svg"});
  EXPECT_TRUE(s.favourite_folders.empty());
  EXPECT_EQ(s.default_folder.View(), u"D:\\site");
  EXPECT_TRUE(s.font_face.Empty());  // present but empty stays empty
  EXPECT_TRUE(s.url_mappings[0].enabled);
  EXPECT_EQ(s.url_mappings[0].web_prefix.View(), u"https://example.org/");
  EXPECT_TRUE(s.url_mappings[1].web_prefix.Empty());
  EXPECT_EQ(s.external_tools[0].path.View(), u"C:\\b.exe");
  EXPECT_TRUE(s.external_tools[0].use_mapping);
  EXPECT_TRUE(s.external_tools[1].path.Empty());
  EXPECT_EQ(s.quick_tags[0].start_text.View(), u"<em>");
  EXPECT_TRUE(s.quick_tags[0].label.Empty());
}

TEST(LoadSettings, StringDefaultsApplyOnlyWhenTheEntryIsNotAvailable) {
  const Bytes older = FileBuilder(20).String(17, u"Z:\\gone").Build();  // 24 beyond its count
  const Settings s = Load(&older);
  EXPECT_EQ(s.font_face.Length(), 127u);
  EXPECT_EQ(s.default_folder.View(), u"C:\\Users\\me\\Documents");  // not an existing folder
  EXPECT_TRUE(s.image_extensions.empty());  // older file: no first-run lists either
  EXPECT_EQ(s.ui_font_weight, 400);
}

TEST(LoadSettings, RecentFilesAndBookmarksEndAtTheFirstEmptyPath) {
  const Bytes file = FileBuilder()
                         .String(86, u"a.html").Int(106, 5)
                         .String(87, u"b.html").Int(107, 7)
                         .String(89, u"d.html").Int(109, 9)
                         .String(126, u"x.css").Int(146, 3).String(166, u"top")
                         .String(127, u"y.css")
                         .String(129, u"z.css")
                         .Build();
  const Settings s = Load(&file);
  ASSERT_EQ(s.recent_files.size(), 2u);
  EXPECT_EQ(s.recent_files[1].path.View(), u"b.html");
  EXPECT_EQ(s.recent_files[1].line, 7);
  ASSERT_EQ(s.bookmarks.size(), 2u);
  EXPECT_EQ(s.bookmarks[0].name.View(), u"top");
  EXPECT_EQ(s.bookmarks[0].line, 3);
  EXPECT_TRUE(s.bookmarks[1].name.Empty());
}

TEST(LoadSettings, CustomColoursOnlyFromRunsOfAtMost64Bytes) {
  const Bytes short_run = FileBuilder().Run(294, {0x11, 0x22, 0x33, 0x00, 0x44, 0x55}).Build();
  const Settings s = Load(&short_run);
  EXPECT_EQ(s.custom_colours[0], 0x332211u);
  EXPECT_EQ(s.custom_colours[1], 0x5544u);
  EXPECT_EQ(s.custom_colours[15], 0u);
  const Bytes long_run = FileBuilder().Run(294, Bytes(68, 0x7F)).Build();
  EXPECT_EQ(Load(&long_run).custom_colours[0], 0u);
}

TEST(LoadSettings, PreviousDocumentsOnlyWhenReopeningIsOn) {
  FileBuilder builder;
  builder.String(297, u"a.html").Int(317, 12).String(298, u"b.html").String(300, u"d.html").Int(353, 1);
  const Bytes off = builder.Build();
  const Settings s_off = Load(&off);
  EXPECT_TRUE(s_off.open_documents.documents[0].path.Empty());

  const Bytes on = builder.Int(296, 1).Build();
  const Settings s = Load(&on);
  EXPECT_EQ(s.open_documents.documents[0].path.View(), u"a.html");
  EXPECT_EQ(s.open_documents.documents[0].line, 12);
  EXPECT_EQ(s.open_documents.documents[1].path.View(), u"b.html");
  EXPECT_TRUE(s.open_documents.documents[3].path.Empty());  // after the first empty slot
  EXPECT_EQ(s.open_documents.active_tab, 1);
  EXPECT_EQ(ActiveTabToSelect(s.open_documents, 2), 1);
  EXPECT_EQ(ActiveTabToSelect(s.open_documents, 1), -1);
  OpenDocumentsSnapshot negative;
  negative.active_tab = -1;
  EXPECT_EQ(ActiveTabToSelect(negative, 5), -1);
}

TEST(LoadSettings, KeyBindingRecordsAreKeptAsBytes) {
  const Bytes records = {0x09, 0, 'S', 0, 0xBA, 0x13, 0x0B, 0, 'O', 0, 0xB9, 0x13, 0x01};
  const Bytes file = FileBuilder().Run(20, records).Build();
  EXPECT_EQ(Load(&file).key_binding_records, records);
}

TEST(LoadSettings, ScriptEntriesOfOlderFilesTakeTheirDefaults) {
  const std::vector<std::u16string> defaults = {u".js", u".mjs", u".cjs", u".json"};
  EXPECT_EQ(Texts(Load(nullptr).script_extensions), defaults);
  const Bytes older = FileBuilder(354).Int(28, 0x111111).Build();
  Settings s = Load(&older);
  EXPECT_EQ(s.editor_colours[0], 0x111111u);
  EXPECT_EQ(s.editor_colours[15], 0xAF00AFu);
  EXPECT_EQ(s.editor_colours[16], 0x808000u);
  EXPECT_EQ(Texts(s.script_extensions), defaults);
  // A current file keeps what it holds, an emptied list too.
  const Bytes current = FileBuilder(357).Int(355, 0x222222).Run(356, settings_bytes::Utf16(std::u16string(u".ts\0", 4))).Build();
  s = Load(&current);
  EXPECT_EQ(s.editor_colours[16], 0x222222u);
  EXPECT_EQ(Texts(s.script_extensions), std::vector<std::u16string>{u".ts"});
  const Bytes emptied = FileBuilder(357).Build();
  EXPECT_TRUE(Load(&emptied).script_extensions.empty());
}

TEST(LoadSettings, FindInFilesEntriesOfOlderFilesTakeTheirDefaults) {
  const Bytes older = FileBuilder(358).Build();
  Settings s = Load(&older);
  EXPECT_EQ(s.file_masks.View(), Settings::kDefaultFileMasks);
  EXPECT_TRUE(s.searched_folders.empty());
  EXPECT_TRUE(s.search_subfolders);
  const Bytes current = FileBuilder().String(358, u"").Build();
  EXPECT_EQ(Load(&current).file_masks.View(), u"");
}
