#pragma once
// The catalogue's editor entries and the state every editor control shares:
// colours, font, spacing, tab width, wheel step and the editor switches go
// into the document set's EditorSettings and TextMetrics at start-up, and
// come back into the Settings record before it is written at exit (the
// view commands change them in between).
#include "editor/control/editor_settings.h"
#include "editor/layout/text_metrics.h"
#include "settings/settings.h"

namespace editor_options {

// Out-of-range values are clamped as reading the file clamps them.  The
// metrics take effect at their next font rebuild; false when the face name
// could not be copied (the metrics keep their face then).
bool Apply(const Settings& settings, EditorSettings& editor, TextMetrics& metrics);
// The shared state as the catalogue stores it; false when the face name
// could not be copied (the record keeps its face then).
bool Store(const EditorSettings& editor, const TextMetrics& metrics, Settings& settings);

}  // namespace editor_options
