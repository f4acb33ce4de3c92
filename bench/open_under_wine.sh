#!/usr/bin/env bash
# Opening the load benchmark's pages in the real program under Wine, against
# opening a tiny file, in the same run.  Usage: bench/open_under_wine.sh [RUNS]
# (the Windows build and the load benchmark's pages must exist).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-3}
bin="$root/build/win/bin"
data="$root/build/bench/data"
[[ -f "$bin/Vorndel.exe" && -f "$data/page_utf8.html" ]] || {
  echo "build the Windows program and run bench/run.sh load first" >&2
  exit 1
}
probe="$root/build/bench/open_time.exe"
x86_64-w64-mingw32-g++-posix -O2 -municode -static -o "$probe" "$root/bench/wine/open_time.cpp"
# A folder of its own, so that the settings of other runs play no part.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"; wine_env_stop' EXIT
cp "$bin/Vorndel.exe" "$bin/English.dll" "$scratch/"
printf '<p>tiny</p>\r\n' >"$scratch/tiny.html"
ln -s "$data/page_utf8.html" "$scratch/page_utf8.html"
ln -s "$data/page_shift_jis.html" "$scratch/page_shift_jis.html"
source "$root/scripts/wine_env.sh"
wine_env_start
windows() { winepath -w "$1" 2>/dev/null; }
for page in page_utf8 page_shift_jis; do
  echo "$page:"
  wine "$probe" "$(windows "$scratch/Vorndel.exe")" "$(windows "$scratch/tiny.html")" \
    "$(windows "$scratch/$page.html")" "$runs" </dev/null | tr -d '\r' | sed "s/^/$page./"
done
