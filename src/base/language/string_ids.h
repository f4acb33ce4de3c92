#pragma once
// Language string ids the frame reads itself.  Commands show their display
// name under their own id; these are the other texts.

namespace string_ids {

inline constexpr unsigned kUiFontFace = 20000;
inline constexpr unsigned kEncodingNames = 20100;    // + EncodingId
inline constexpr unsigned kAutomaticEncoding = 20107;
inline constexpr unsigned kLineBreakNames = 20110;   // + LineBreakStyle
inline constexpr unsigned kUntitled = 20220;
inline constexpr unsigned kClosePrompt = 21100;
inline constexpr unsigned kReloadPrompt = 21110;
// Followed by the number of documents.
inline constexpr unsigned kRecovered = 21130;
inline constexpr unsigned kLostCharactersPrompt = 21150;
inline constexpr unsigned kOverwriteChangedPrompt = 21151;
inline constexpr unsigned kPathInOtherTabPrompt = 21152;
// Followed by the system's reason.
inline constexpr unsigned kSnapshotsNotWritten = 21160;
inline constexpr unsigned kErrorCaption = 30000;
inline constexpr unsigned kOutOfMemory = 30001;
inline constexpr unsigned kCannotMakeDocument = 30002;
inline constexpr unsigned kCannotSave = 30002;
inline constexpr unsigned kCannotOpen = 30003;
inline constexpr unsigned kBookmarksFull = 30006;
inline constexpr unsigned kBookmarkNeedsFile = 30007;
inline constexpr unsigned kCannotSaveThese = 30020;
inline constexpr unsigned kOldContentsKept = 30021;
inline constexpr unsigned kCannotWriteSettings = 30022;
inline constexpr unsigned kCannotWriteTagLibrary = 30023;
inline constexpr unsigned kTagLibraryUnread = 30040;
inline constexpr unsigned kTagLibrarySavedAs = 30041;
inline constexpr unsigned kTagLibraryNotSaved = 30042;

}  // namespace string_ids
