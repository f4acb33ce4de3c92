#pragma once
// Every command number of the program, and the few other numbers that stand
// in the same tables (menu-bar buttons, submenus, the placeholders of empty
// lists).  A command's display name is the language string with its own
// number.  No other file defines a command number.
#include <cstdint>

namespace command_ids {

// Menu-bar buttons: they open popups and are not commands.
inline constexpr std::uint16_t kFileMenu = 5000;
inline constexpr std::uint16_t kEditMenu = 5001;
inline constexpr std::uint16_t kViewMenu = 5002;
inline constexpr std::uint16_t kBookmarksMenu = 5003;
inline constexpr std::uint16_t kQuickTagsMenu = 5004;
inline constexpr std::uint16_t kToolsMenu = 5005;
inline constexpr std::uint16_t kHelpMenu = 5006;
inline constexpr std::uint16_t kFirstMenuButton = kFileMenu;
inline constexpr std::uint16_t kLastMenuButton = kHelpMenu;

// File
inline constexpr std::uint16_t kNew = 5010;
inline constexpr std::uint16_t kOpen = 5020;
inline constexpr std::uint16_t kRecentFilesMenu = 5021;
inline constexpr std::uint16_t kClearRecent = 5022;
inline constexpr std::uint16_t kNoRecentFiles = 5023;
inline constexpr std::uint16_t kFirstRecent = 5024;  // + index
inline constexpr std::uint16_t kSave = 5050;
inline constexpr std::uint16_t kSaveAs = 5051;
inline constexpr std::uint16_t kSaveAll = 5052;
inline constexpr std::uint16_t kClose = 5080;
inline constexpr std::uint16_t kCloseAll = 5081;
inline constexpr std::uint16_t kCloseOthers = 5082;
inline constexpr std::uint16_t kCloseToTheRight = 5083;
inline constexpr std::uint16_t kExit = 5090;

// Edit
inline constexpr std::uint16_t kUndo = 5110;
inline constexpr std::uint16_t kRedo = 5111;
inline constexpr std::uint16_t kCut = 5120;
inline constexpr std::uint16_t kCopy = 5121;
inline constexpr std::uint16_t kPaste = 5122;
inline constexpr std::uint16_t kDelete = 5123;
inline constexpr std::uint16_t kSelectAll = 5124;
inline constexpr std::uint16_t kSelectConstruct = 5125;
inline constexpr std::uint16_t kFind = 5130;
inline constexpr std::uint16_t kGoToLine = 5140;
inline constexpr std::uint16_t kConvertMenu = 5150;
inline constexpr std::uint16_t kUpperCase = 5151;
inline constexpr std::uint16_t kLowerCase = 5152;
inline constexpr std::uint16_t kFullWidth = 5153;
inline constexpr std::uint16_t kHalfWidth = 5154;
inline constexpr std::uint16_t kHiragana = 5155;
inline constexpr std::uint16_t kKatakana = 5156;
inline constexpr std::uint16_t kIndent = 5160;
inline constexpr std::uint16_t kUnindent = 5161;
inline constexpr std::uint16_t kComment = 5170;
inline constexpr std::uint16_t kColour = 5180;
inline constexpr std::uint16_t kDate = 5181;

// View
inline constexpr std::uint16_t kLeftPane = 5210;
inline constexpr std::uint16_t kRightPane = 5220;
inline constexpr std::uint16_t kFindBar = 5230;
inline constexpr std::uint16_t kEditorFont = 5240;
inline constexpr std::uint16_t kEditorColours = 5250;
inline constexpr std::uint16_t kBoldTags = 5251;
inline constexpr std::uint16_t kTagPairHighlighting = 5252;
inline constexpr std::uint16_t kWrap = 5260;

// Bookmarks
inline constexpr std::uint16_t kToggleBookmark = 5310;
inline constexpr std::uint16_t kBookmarkList = 5320;
inline constexpr std::uint16_t kNoBookmarks = 5330;
inline constexpr std::uint16_t kFirstBookmark = 5331;  // + index

// Quick tags
inline constexpr std::uint16_t kNoQuickTags = 5410;
inline constexpr std::uint16_t kFirstQuickTag = 5411;  // + index
inline constexpr std::uint16_t kQuickTagEditor = 5450;

// Tools
inline constexpr std::uint16_t kNoTools = 5510;
inline constexpr std::uint16_t kFirstTool = 5511;  // + index
inline constexpr std::uint16_t kSettings = 5550;

// Help
inline constexpr std::uint16_t kHelp = 5610;
inline constexpr std::uint16_t kAbout = 5620;

// The folder tree's context menu
inline constexpr std::uint16_t kAddFavourite = 5700;
inline constexpr std::uint16_t kRemoveFavourite = 5701;
inline constexpr std::uint16_t kExpandAtStart = 5702;
inline constexpr std::uint16_t kOpenFolder = 5703;
inline constexpr std::uint16_t kExplore = 5704;

// The tag panel's context menu
inline constexpr std::uint16_t kNewTagFolder = 5800;
inline constexpr std::uint16_t kNewTag = 5801;
inline constexpr std::uint16_t kDeleteTag = 5802;
inline constexpr std::uint16_t kEditTag = 5803;
inline constexpr std::uint16_t kExpandAllTags = 5810;
inline constexpr std::uint16_t kCollapseAllTags = 5811;

// The find bar
inline constexpr std::uint16_t kFindNext = 5900;
inline constexpr std::uint16_t kFindPrevious = 5901;
inline constexpr std::uint16_t kHighlightAll = 5902;
inline constexpr std::uint16_t kReplace = 5910;
inline constexpr std::uint16_t kReplaceAll = 5911;
inline constexpr std::uint16_t kMatchCase = 5920;
inline constexpr std::uint16_t kRegexSearch = 5921;

// Beside the find bar: searching the files of a folder
inline constexpr std::uint16_t kFindInFiles = 5940;

// Keys only
inline constexpr std::uint16_t kDocumentStart = 6000;
inline constexpr std::uint16_t kDocumentEnd = 6001;

// How many items the numbered lists have.
inline constexpr std::uint16_t kRecentSlots = 20;
inline constexpr std::uint16_t kBookmarkSlots = 20;
inline constexpr std::uint16_t kQuickTagSlots = 20;
inline constexpr std::uint16_t kToolSlots = 8;
inline constexpr std::uint16_t kLastRecent = kFirstRecent + kRecentSlots - 1;
inline constexpr std::uint16_t kLastBookmark = kFirstBookmark + kBookmarkSlots - 1;
inline constexpr std::uint16_t kLastQuickTag = kFirstQuickTag + kQuickTagSlots - 1;
inline constexpr std::uint16_t kLastTool = kFirstTool + kToolSlots - 1;

}  // namespace command_ids
