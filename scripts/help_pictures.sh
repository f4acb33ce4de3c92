#!/usr/bin/env bash
# Remakes the manual's pictures (help/images) from shots of the real program
# under Wine, on a virtual display with a Wine desktop so that windows have
# their frames: the main window with a sample page open, the settings dialog
# on each page and the key-binding dialog, reached with real key presses
# and clicks (xdotool).  The file list is cut from the end-to-end shot of
# its scenario (cd build/win && ctest -R FileBrowser.AFavourite first).
# Look at every picture before committing it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
images="$root/help/images"
shots="$root/build/win/e2e-shots"
work="$root/build/help-pictures"
mkdir -p "$work"
command -v xdotool >/dev/null || apt-get install -y -qq --no-install-recommends xdotool >/dev/null

# cut SHOT WIDTHxHEIGHT+X+Y PICTURE
cut() { convert "$1" -crop "$2" +repage "$images/$3"; }

"$root/run.sh" --screenshot "$work/main.png" "$root/samples/index.html"
cut "$work/main.png" 800x599+240+100 main_window.png
cut "$work/main.png" 800x36+240+152 find_bar.png
cut "$work/main.png" 180x330+859+190 tag_panel.png

source "$root/scripts/wine_env.sh"
trap wine_env_stop EXIT
wine_env_start 1
# First-run settings, so that the pages show the defaults.
rm -rf "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Vorndel"
(cd "$root/build/win/bin" &&
  wine explorer /desktop=Vorndel,1280x800 ./Vorndel.exe "$(winepath -w "$root/samples/index.html")" \
    </dev/null >/dev/null 2>&1 &)
for i in $(seq 100); do xdotool search --name '^Vorndel$' >/dev/null 2>&1 && break; sleep 0.3; done
sleep 3
main=$(xdotool search --name '^Vorndel$' | head -1)
xdotool windowactivate "$main" 2>/dev/null || true
# Tools > Settings: the last item of the Tools menu.
xdotool key alt+t; sleep 1.5; xdotool key Up Return; sleep 3
shot() { sleep 1.5; import -window root "$work/$1.png"; }
shot general
xdotool mousemove 312 246 click 1; shot editing
xdotool mousemove 319 266 click 1; shot programs
xdotool mousemove 335 286 click 1; shot web
xdotool mousemove 314 226 click 1; sleep 1; xdotool mousemove 549 448 click 1; sleep 1; shot bindings
for page in general editing programs web; do cut "$work/$page.png" 728x436+276+184 "settings_$page.png"; done
cut "$work/bindings.png" 672x470+304+168 key_bindings.png

cut "$shots/FileBrowser.AFavouriteChosenWithAClickListsItsFilesAndOneClickOpensADocument.opened.png" \
  620x240+4+88 file_browser.png
ls -l "$images"
