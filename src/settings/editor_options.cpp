#include "settings/editor_options.h"

#include <algorithm>
#include <new>

namespace editor_options {
namespace {

// Rows per wheel notch.  The entry has no read rule of its own; the bound
// only keeps a hand-edited value from overflowing when it is negated or
// multiplied by the row count.
constexpr std::int32_t kWheelStepLimit = 1000;

// The editors keep their own copy; without memory for it they keep the one
// they have.
void ApplyScriptExtensions(const Settings& settings, EditorSettings& editor) {
  try {
    std::vector<std::u16string> extensions;
    for (const WideString& extension : settings.script_extensions) extensions.emplace_back(extension.View());
    editor.script_extensions = std::move(extensions);
  } catch (const std::bad_alloc&) {
  }
}

}  // namespace

bool Apply(const Settings& settings, EditorSettings& editor, TextMetrics& metrics) {
  for (std::size_t i = 0; i < editor.colours.slots.size(); ++i)
    editor.colours.slots[i] = settings.editor_colours[i] & 0x00FFFFFF;
  editor.wheel_step = std::clamp(settings.wheel_step, -kWheelStepLimit, kWheelStepLimit);
  editor.auto_indent = settings.auto_indent;
  editor.wrap = settings.wrap_lines;
  editor.bold_tags = settings.bold_tags;
  editor.tag_pair_highlighting = settings.tag_pair_highlighting;
  ApplyScriptExtensions(settings, editor);
  metrics.SetFontSize(settings.font_size);
  metrics.SetLineSpacing(settings.line_spacing);
  metrics.SetTabWidth(settings.tab_width);
  metrics.SetCaseSensitiveSearch(settings.match_case);
  return metrics.SetFaceName(settings.font_face.View());
}

bool Store(const EditorSettings& editor, const TextMetrics& metrics, Settings& settings) {
  for (std::size_t i = 0; i < editor.colours.slots.size(); ++i) settings.editor_colours[i] = editor.colours.slots[i];
  settings.wheel_step = editor.wheel_step;
  settings.auto_indent = editor.auto_indent;
  settings.wrap_lines = editor.wrap;
  settings.bold_tags = editor.bold_tags;
  settings.tag_pair_highlighting = editor.tag_pair_highlighting;
  settings.font_size = metrics.FontSize();
  settings.line_spacing = metrics.LineSpacing();
  settings.tab_width = metrics.TabWidth();
  settings.match_case = metrics.CaseSensitiveSearch();
  return settings.font_face.Assign(metrics.FaceName());
}

}  // namespace editor_options
