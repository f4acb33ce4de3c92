#pragma once
// The key-binding dialog (template 1500): one row per bindable command with
// its key and mouse action, edited on working copies that the options
// dialog applies.  Windows-only header.
#include <windows.h>

#include "settings/binding_edits.h"
#include "settings/settings.h"

namespace key_binding_dialog {

// The working copies as the options dialog first needs them: the slots of
// the live accelerator table and the settings' mouse actions.
binding_edits::BindingEdit PrepareEdit(const Settings& settings);

// Runs the dialog over `edit`, in mouse mode when `mouse_mode` is set;
// edits stay in `edit` however it is closed.  Returns the mode it was
// closed in (1 mouse, 0 keys), or -1 when it could not be opened.
int EditBindings(HWND owner, binding_edits::BindingEdit& edit, const Settings& settings, bool mouse_mode);

}  // namespace key_binding_dialog
