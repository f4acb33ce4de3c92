#include "editor/paint/syntax_mode.h"

#include "platform/path_text.h"

namespace syntax_mode {

SyntaxMode ForPath(std::u16string_view path) {
  if (path.empty()) return kSyntaxUntitled;
  const std::u16string_view extension = path_text::ExtensionOf(path);
  if (extension.empty()) return kSyntaxNone;
  for (std::u16string_view html : {u".html", u".htm", u".xml", u".xhtml", u".xht"})
    if (path_text::SameName(extension, html)) return kSyntaxHtml;
  if (path_text::SameName(extension, u".css")) return kSyntaxCss;
  if (path_text::SameName(extension, u".php")) return kSyntaxPhp;
  return kSyntaxNone;
}

}  // namespace syntax_mode
