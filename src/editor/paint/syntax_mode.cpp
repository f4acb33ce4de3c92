#include "editor/paint/syntax_mode.h"

#include "platform/path_text.h"

namespace syntax_mode {

std::vector<std::u16string> DefaultScriptExtensions() { return {u".js", u".mjs", u".cjs", u".json"}; }

SyntaxMode ForPath(std::u16string_view path, const std::vector<std::u16string>& script_extensions) {
  if (path.empty()) return kSyntaxUntitled;
  const std::u16string_view extension = path_text::ExtensionOf(path);
  if (extension.empty()) return kSyntaxNone;
  for (std::u16string_view html : {u".html", u".htm", u".xml", u".xhtml", u".xht"})
    if (path_text::SameName(extension, html)) return kSyntaxHtml;
  if (path_text::SameName(extension, u".css")) return kSyntaxCss;
  if (path_text::SameName(extension, u".php")) return kSyntaxPhp;
  for (const std::u16string& script : script_extensions)
    if (path_text::SameName(extension, script)) return kSyntaxScript;
  return kSyntaxNone;
}

}  // namespace syntax_mode
