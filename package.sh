#!/usr/bin/env bash
# Installs what is missing, makes the release build and writes into dist/:
#   Vorndel-VERSION-setup.exe     the installer
#   Vorndel-VERSION-portable.zip  the portable copy
#   Vorndel.chm                   the manual (also beside the program in build/win/bin)
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"

bash scripts/setup.sh
bash scripts/build.sh win packages
version=$(head -n 1 VERSION)
mkdir -p dist
for file in "build/win/package/Vorndel-$version-setup.exe" "build/win/package/Vorndel-$version-portable.zip" \
            build/win/bin/Vorndel.chm; do
  cp -f "$file" dist/
  echo "dist/${file##*/}"
done
