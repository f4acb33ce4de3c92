#!/usr/bin/env bash
# Remakes the manual's pictures (help/images) from shots of the real program
# under Wine: the main window is shot here with a sample page open; the
# dialogs are cut from the end-to-end shots in build/win/e2e-shots, so run
# the scenarios named below first (cd build/win && ctest -R 'Options|FileBrowser').
# Look at every picture before committing it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
images="$root/help/images"
shots="$root/build/win/e2e-shots"
work="$root/build/help-pictures"
mkdir -p "$work"

# cut SHOT WIDTHxHEIGHT+X+Y PICTURE
cut() { convert "$1" -crop "$2" +repage "$images/$3"; }

"$root/run.sh" --screenshot "$work/main.png" "$root/samples/index.html"
cut "$work/main.png" 800x599+240+100 main_window.png
cut "$work/main.png" 800x36+240+152 find_bar.png
cut "$work/main.png" 180x330+859+190 tag_panel.png

options="$shots/Options.PagesApplyAndTheSendToShortcutFollowsItsBox"
cut "$options.general.png" 721x404+279+213 settings_general.png
cut "$options.editing.png" 721x404+279+213 settings_editing.png
cut "$options.programs.png" 721x404+279+213 settings_programs.png
cut "$options.addresses.png" 721x404+279+213 settings_web.png
cut "$shots/Options.AKeyChangedInTheKeyBindingDialogShowsInTheFilePopup.bindings.png" 666x446+307+187 key_bindings.png
cut "$shots/FileBrowser.AFavouriteChosenWithAClickListsItsFilesAndOneClickOpensADocument.opened.png" \
  620x240+4+88 file_browser.png
ls -l "$images"
