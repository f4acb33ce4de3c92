#pragma once
// Which colouring a document gets, decided by its file name.
#include <string_view>

enum SyntaxMode : int {
  kSyntaxNone = 0,
  kSyntaxUntitled = 1,  // coloured as HTML
  kSyntaxHtml = 2,      // .html .htm .xml .xhtml .xht
  kSyntaxCss = 3,
  kSyntaxPhp = 4,       // coloured as HTML
};

namespace syntax_mode {

// An empty path is an untitled document; otherwise the extension decides.
SyntaxMode ForPath(std::u16string_view path);

inline bool UsesHtmlColouring(SyntaxMode mode) {
  return mode == kSyntaxUntitled || mode == kSyntaxHtml || mode == kSyntaxPhp;
}

}  // namespace syntax_mode
