#!/usr/bin/env bash
# Packs dist/Parlune-<version>.zip in NSIS's layout from the built DLLs:
#   Plugins/x86-unicode/Parlune.dll   Plugins/amd64-unicode/Parlune.dll
#   Include/Parlune.nsh  Include/Parlune/*.nsh  Include/ParluneLanguages.nsh  Docs/Parlune/  Examples/Parlune/
#   Bin/parlune-check.exe  Bin/parlune-import.exe          (the language file tools, 64-bit Windows)
#   Bin/x86/parlune-check.exe  Bin/x86/parlune-import.exe  (the same for 32-bit Windows)
#   Bin/linux-x86_64/parlune-check  Bin/linux-x86_64/parlune-import  (the same, static, for any x86-64 Linux)
#   Bin/parlune-po.py                                      (language files to gettext catalogs and back; Python 3)
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(scripts/version.sh)
stage=build/dist/Parlune-$version
zip=dist/Parlune-$version.zip
rm -rf "$stage" && mkdir -p "$stage" dist

install -D -m 644 build/win-x86/src/Parlune.dll "$stage/Plugins/x86-unicode/Parlune.dll"
install -D -m 644 build/win-x64/src/Parlune.dll "$stage/Plugins/amd64-unicode/Parlune.dll"
install -D -m 644 include/Parlune.nsh "$stage/Include/Parlune.nsh"
install -D -m 644 -t "$stage/Include/Parlune" include/Parlune/*.nsh
install -D -m 644 include/ParluneLanguages.nsh "$stage/Include/ParluneLanguages.nsh"
for tool in check import; do
  install -D -m 755 "build/win-x64/tools/parlune_$tool/parlune-$tool.exe" "$stage/Bin/parlune-$tool.exe"
  install -D -m 755 "build/win-x86/tools/parlune_$tool/parlune-$tool.exe" "$stage/Bin/x86/parlune-$tool.exe"
  install -D -m 755 "build/native/tools/parlune_$tool/parlune-$tool" "$stage/Bin/linux-x86_64/parlune-$tool"
done
install -D -m 755 tools/parlune_po/parlune-po.py "$stage/Bin/parlune-po.py"
# The user guide with its pictures and list, laid out as in docs/, so that
# its links hold in the package too.
install -D -m 644 docs/guide.md "$stage/Docs/Parlune/README.md"
install -D -m 644 docs/languages.md "$stage/Docs/Parlune/languages.md"
install -D -m 644 LICENSE "$stage/Docs/Parlune/LICENSE.txt"
mkdir -p "$stage/Examples/Parlune"
cp -r docs/screenshots "$stage/Docs/Parlune/"
cp -r examples/installer/Example.nsi examples/installer/languages "$stage/Examples/Parlune/"

rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$OLDPWD/$zip" --format=zip -- *)
echo "packed $zip ($(stat -c %s "$zip") bytes)"
