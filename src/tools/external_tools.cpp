#include "tools/external_tools.h"

#include "platform/path_text.h"

namespace external_tools {
namespace {

// The part of path below folder; false when path does not lie there.
bool BelowFolder(std::u16string_view path, std::u16string_view folder, std::u16string_view& rest) {
  if (path.size() < folder.size() || !path_text::SameName(path.substr(0, folder.size()), folder)) return false;
  rest = path.substr(folder.size());
  if (folder.ends_with(u'\\')) return true;
  // "C:\site" must not take in "C:\site2\page.html".
  if (!rest.starts_with(u'\\')) return false;
  rest.remove_prefix(1);
  return true;
}

// The web prefix, one "/", then the rest with forward slashes.
bool AppendAddress(const UrlMapping& mapping, std::u16string_view rest, WideString& text) {
  const std::u16string_view prefix = mapping.web_prefix.View();
  if (!text.Append(prefix)) return false;
  if (!prefix.empty() && !prefix.ends_with(u'/') && !text.Append(u'/')) return false;
  for (char16_t unit : rest) {
    if (!text.Append(unit == u'\\' ? u'/' : unit)) return false;
  }
  return true;
}

bool AppendArgument(const ExternalTool& tool, std::u16string_view path, const UrlMappings& mappings,
                    WideString& text) {
  if (tool.use_mapping) {
    for (const UrlMapping& mapping : mappings) {
      std::u16string_view rest;
      // An empty folder would take in every document.
      if (mapping.enabled && !mapping.local_prefix.Empty() && BelowFolder(path, mapping.local_prefix.View(), rest))
        return AppendAddress(mapping, rest, text);
    }
  }
  return text.Append(path);
}

}  // namespace

bool ParameterText(const ExternalTool& tool, std::u16string_view document_path, const UrlMappings& mappings,
                   WideString& parameters) {
  if (!parameters.Assign(tool.options.View())) return false;
  if (document_path.empty()) return true;
  return (parameters.Empty() || parameters.Append(u' ')) && parameters.Append(u'"') &&
         AppendArgument(tool, document_path, mappings, parameters) && parameters.Append(u'"');
}

bool HelpPath(std::u16string_view program_path, WideString& help_path) {
  const std::u16string_view extension = path_text::ExtensionOf(program_path);
  return help_path.Assign(program_path.substr(0, program_path.size() - extension.size())) &&
         help_path.Append(u".chm");
}

}  // namespace external_tools
