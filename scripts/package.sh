#!/usr/bin/env bash
# Packs dist/Parlune-<version>.zip in NSIS's layout from the built DLLs:
#   Plugins/x86-unicode/Parlune.dll   Plugins/amd64-unicode/Parlune.dll
#   Include/Parlune.nsh  Include/ParluneLanguages.nsh  Docs/Parlune/  Examples/Parlune/
#   Bin/parlune-check.exe             (the language file checker, 32-bit)
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(scripts/version.sh)
stage=build/dist/Parlune-$version
zip=dist/Parlune-$version.zip
rm -rf "$stage" && mkdir -p "$stage" dist

install -D -m 644 build/win-x86/src/Parlune.dll "$stage/Plugins/x86-unicode/Parlune.dll"
install -D -m 644 build/win-x64/src/Parlune.dll "$stage/Plugins/amd64-unicode/Parlune.dll"
install -D -m 644 include/Parlune.nsh "$stage/Include/Parlune.nsh"
install -D -m 644 include/ParluneLanguages.nsh "$stage/Include/ParluneLanguages.nsh"
install -D -m 755 build/win-x86/tools/parlune_check/parlune-check.exe "$stage/Bin/parlune-check.exe"
install -D -m 644 README.md "$stage/Docs/Parlune/README.md"
install -D -m 644 LICENSE "$stage/Docs/Parlune/LICENSE.txt"
mkdir -p "$stage/Docs/Parlune/docs" "$stage/Examples/Parlune"
cp -r docs/screenshots "$stage/Docs/Parlune/docs/"
cp -r examples/installer/Example.nsi examples/installer/languages "$stage/Examples/Parlune/"

rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$OLDPWD/$zip" --format=zip -- *)
echo "packed $zip ($(stat -c %s "$zip") bytes)"
