#pragma once
// Which colouring a document gets, decided by its file name.
#include <string>
#include <string_view>
#include <vector>

enum SyntaxMode : int {
  kSyntaxNone = 0,
  kSyntaxUntitled = 1,  // coloured as HTML
  kSyntaxHtml = 2,      // .html .htm .xml .xhtml .xht
  kSyntaxCss = 3,
  kSyntaxPhp = 4,       // coloured as HTML
  kSyntaxScript = 5,    // the script extensions of the settings
};

namespace syntax_mode {

// The script extensions when the settings hold none of their own.
std::vector<std::u16string> DefaultScriptExtensions();

// An empty path is an untitled document; otherwise the extension decides.
SyntaxMode ForPath(std::u16string_view path, const std::vector<std::u16string>& script_extensions);

inline bool UsesHtmlColouring(SyntaxMode mode) {
  return mode == kSyntaxUntitled || mode == kSyntaxHtml || mode == kSyntaxPhp;
}

}  // namespace syntax_mode
