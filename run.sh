#!/usr/bin/env bash
# Installs what is missing, builds what is stale and opens Vorndel under Wine.
#   ./run.sh [FILE...]                 opens the files (default: a sample page)
#   ./run.sh --screenshot PATH [FILE...]  takes a screenshot and exits
# Without a display it starts a virtual one and saves a screenshot whose
# path it prints, then keeps the program running until interrupted.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)

shot=
files=()
while [[ $# -gt 0 ]]; do
  case "$1" in
    --screenshot) shot=$(realpath -m "${2:?--screenshot needs a path}"); shift 2 ;;
    *) files+=("$(realpath -m "$1")"); shift ;;
  esac
done
[[ ${#files[@]} -gt 0 ]] || files=("$root/samples/index.html")

bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" win Vorndel language_modules >/dev/null
source "$root/scripts/wine_env.sh" run
trap wine_env_stop EXIT

headless=0
if [[ -n "$shot" ]] || ! { [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; }; then
  headless=1
fi
wine_env_start "$headless"

wine_paths=()
for f in "${files[@]}"; do wine_paths+=("$(winepath -w "$f" 2>/dev/null)"); done

cd "$root/build/win/bin"
if [[ $headless -eq 1 ]]; then
  # A Wine desktop of its own, so that windows get frames without a window
  # manager.
  wine explorer /desktop=Vorndel,1280x800 ./Vorndel.exe "${wine_paths[@]}" </dev/null >/dev/null 2>&1 &
else
  wine ./Vorndel.exe "${wine_paths[@]}" </dev/null >/dev/null 2>&1 &
fi
program=$!

main_window_shown() { xwininfo -root -tree 2>/dev/null | grep -q '"Vorndel": ('; }

if [[ $headless -eq 1 ]]; then
  # Wait for the main window before taking the picture.
  for i in $(seq 100); do
    main_window_shown && break
    sleep 0.2
  done
  sleep 1.5
  out=${shot:-$root/build/screenshot.png}
  import -window root "$out"
  echo "Screenshot: $out"
  if [[ -n "$shot" ]]; then
    # Close it as a user would (a close request from the same desktop), so
    # that it ends normally and keeps its settings; the trap's wineserver
    # shutdown ends whatever is left.
    timeout 20 wine explorer /desktop=Vorndel taskkill /im Vorndel.exe >/dev/null 2>&1 </dev/null || true
    for i in $(seq 50); do
      main_window_shown || break
      sleep 0.2
    done
    exit 0
  fi
fi
wait "$program"
