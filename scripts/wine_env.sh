# Sourced by run.sh and test.sh: a private Wine prefix, a virtual display when
# there is none, and a persistent wineserver, all stopped by wine_env_stop.
#   source scripts/wine_env.sh        the tests' prefix
#   source scripts/wine_env.sh run    the prefix run.sh opens the program in
# The two never share a prefix: tests write the application-data folder
# (settings, tag library), which must not become the user's.
wine_env_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [[ "${1:-}" == run ]]; then
  export WINEPREFIX="$wine_env_root/build/wineprefix-run"
else
  export WINEPREFIX="$wine_env_root/build/wineprefix"
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine_env_xvfb_pid=

# Starts Xvfb on a free display unless one is given (or forced with $1=1).
wine_env_display() {
  local force=${1:-0}
  if [[ -n "${DISPLAY:-}" && "$force" != 1 ]] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local n
  for n in $(seq 91 140); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    wine_env_xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$wine_env_xvfb_pid" 2>/dev/null || true
    wine_env_xvfb_pid=
  done
  echo "Could not start Xvfb" >&2
  return 1
}

# Creates the prefix once.  Wine's own Tahoma and Marlett (the caption
# buttons) go into the prefix (without them "Tahoma" falls back to a Japanese face that draws the backslash as a
# yen sign); "Courier New" is mapped to a monospaced face; Japanese text in
# both gets glyphs through font links (Tahoma's default links reach
# "MS UI Gothic", mapped here to IPA Gothic).  Bold Tahoma, the face of
# window captions, is linked on its own: the regular face's links do not
# reach it.
wine_env_prefix() {
  if [[ ! -f "$WINEPREFIX/.vorndel-ready-4" ]]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null || true
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp -f /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/marlett.ttf \
      "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    local reg="$WINEPREFIX/vorndel-fonts.reg"
    cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS Gothic"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS UI Gothic"="IPAPGothic"
"Meiryo"="IPAPGothic"
"Courier New"="DejaVu Sans Mono"
REG
    wine regedit "$reg" >/dev/null 2>&1 </dev/null || true
    # Multi-string values need reg.exe: regedit drops str(7) lines.
    local face
    for face in "DejaVu Sans Mono" "DejaVu Sans" "Tahoma Bold"; do
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v "$face" /t REG_MULTI_SZ /d "ipag.ttf,IPAGothic" /f >/dev/null 2>&1 </dev/null || true
    done
    wineserver -w
    touch "$WINEPREFIX/.vorndel-ready-4"
  fi
}

wine_env_start() {
  wine_env_display "${1:-0}"
  wine_env_prefix
  wineserver -p >/dev/null 2>&1 </dev/null
  # Start Wine's background services now, with no pipes of ours: ones started
  # later by a test would inherit ctest's pipes and keep it waiting.
  wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
}

wine_env_stop() {
  wineserver -k >/dev/null 2>&1 </dev/null || true
  if [[ -n "$wine_env_xvfb_pid" ]]; then
    kill "$wine_env_xvfb_pid" 2>/dev/null || true
    wait "$wine_env_xvfb_pid" 2>/dev/null || true
    wine_env_xvfb_pid=
  fi
}
