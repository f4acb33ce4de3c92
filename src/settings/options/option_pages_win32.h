#pragma once
// The four pages of the settings dialog: each fills itself from the
// settings, reads itself back in the order Apply needs, and handles its
// own buttons.  Windows-only header.
#include <windows.h>

#include "settings/options/options_state_win32.h"
#include "settings/settings.h"

namespace option_pages {

// Every page's dialog procedure; the state comes as the creation parameter.
INT_PTR CALLBACK Procedure(HWND page, UINT message, WPARAM wparam, LPARAM lparam);

void Fill(OptionsState& state, const Settings& settings);
void Apply(OptionsState& state, Settings& settings);

// Apply becomes available.
void MarkChanged(OptionsState& state);

}  // namespace option_pages

// Each page's share.  Command returns true for the page's own buttons.
namespace general_page {
void Fill(HWND page, OptionsState& state, const Settings& settings);
void Apply(HWND page, OptionsState& state, Settings& settings);
bool Command(HWND page, OptionsState& state, int id);
}  // namespace general_page

namespace editing_page {
void Fill(HWND page, const Settings& settings);
void Apply(HWND page, Settings& settings);
bool Command(HWND page, OptionsState& state, int id, int code);
}  // namespace editing_page

namespace program_pages {
void FillTools(HWND page, const Settings& settings);
void ApplyTools(HWND page, Settings& settings);
void FillMappings(HWND page, const Settings& settings);
void ApplyMappings(HWND page, Settings& settings);
bool Command(HWND page, int id);
}  // namespace program_pages
