#pragma once
// The process-wide record of every setting, from start-up to shutdown.
// Values whose consumers keep their own copies (editor settings, metrics,
// key bindings) are held here too, so that the file is always written back
// whole.  The defaults live in the catalogue: LoadSettings fills every
// field, from the file or from there.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/wide_string.h"
#include "settings/settings_file.h"

struct RecentFile {
  WideString path;
  std::int32_t line = 0;  // 0-based
};

struct Bookmark {
  WideString path;
  std::int32_t line = 0;  // 0-based
  WideString name;
};

struct ExternalTool {
  WideString path;  // empty: slot not in use
  WideString label;
  WideString options;
  bool use_mapping = false;  // pass the mapped web address instead of the path
};

struct UrlMapping {
  bool enabled = false;
  WideString local_prefix;
  WideString web_prefix;
};

struct QuickTag {
  WideString label;
  WideString start_text;
  WideString end_text;
};

struct WindowPlacementSettings {
  bool maximised = false;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// The documents to reopen: slot k is tab k (empty path for an untitled one).
struct OpenDocumentsSnapshot {
  static constexpr int kSlots = 20;
  std::array<RecentFile, kSlots> documents;
  std::int32_t active_tab = 0;
};

struct Settings {
  static constexpr int kListSlots = 20;
  static constexpr int kToolSlots = 8;
  static constexpr int kMappingSlots = 4;
  static constexpr int kEditorColours = 17;
  static constexpr int kMouseActions = 9;
  static constexpr int kCustomColours = 16;

  WideString language_module_name;
  WindowPlacementSettings window;
  bool left_pane_shown = false;
  bool right_pane_shown = false;
  std::int32_t left_pane_width = 0;
  std::int32_t right_pane_width = 0;
  bool find_bar_shown = false;
  bool expand_desktop_root = false;
  bool expand_favourites_root = false;
  std::vector<WideString> document_extensions;
  std::vector<WideString> image_extensions;
  std::vector<WideString> script_extensions;  // files coloured as scripts
  std::vector<FavouriteFolder> favourite_folders;
  WideString default_folder;
  std::int32_t ui_font_height = 0;
  std::int32_t ui_font_weight = 0;
  std::vector<std::uint8_t> key_binding_records;  // 6 bytes each
  std::int32_t options_page = 0;

  // Editor
  std::int32_t wheel_step = 0;
  bool auto_indent = false;
  WideString font_face;
  std::int32_t font_size = 0;
  std::int32_t line_spacing = 0;
  std::int32_t tab_width = 0;  // characters
  std::array<std::uint32_t, kEditorColours> editor_colours = {};
  bool wrap_lines = false;
  bool bold_tags = false;
  bool tag_pair_highlighting = false;

  // Find bar
  bool match_case = false;
  bool regex_search = false;
  std::int32_t find_selected = 0;
  std::int32_t replacement_selected = 0;
  std::vector<WideString> find_history;  // non-empty texts, at most 20
  std::vector<WideString> replacement_history;

  // Find in files
  static constexpr char16_t kDefaultFileMasks[] = u"*.html;*.htm;*.css;*.js;*.php;*.txt";
  WideString file_masks;
  std::vector<WideString> searched_folders;  // newest first, at most 20
  bool search_subfolders = true;
  bool files_match_case = false;
  bool files_regex_search = false;

  std::int32_t default_encoding = 0;    // EncodingId
  std::int32_t default_line_break = 0;  // LineBreakStyle

  std::vector<RecentFile> recent_files;  // at most 20
  std::vector<Bookmark> bookmarks;       // at most 20
  std::array<ExternalTool, kToolSlots> external_tools;
  std::array<UrlMapping, kMappingSlots> url_mappings;
  std::array<QuickTag, kListSlots> quick_tags;

  bool open_by_double_click = false;
  bool middle_button_returns_to_tree = false;
  bool tag_panel_double_click = false;
  std::uint32_t last_inserted_colour = 0;
  std::array<std::uint32_t, kCustomColours> custom_colours = {};
  bool hover_switch = false;
  std::int32_t hover_switch_delay = 0;  // milliseconds
  bool key_dialog_mouse_mode = false;
  std::array<std::int32_t, kMouseActions> mouse_actions = {};  // command ids, 0: none

  bool reopen_documents = false;
  OpenDocumentsSnapshot open_documents;
};

// The one record of the running program.
Settings& ProcessSettings();
