#!/usr/bin/env bash
# A translator's preview: built with PARLUNE_PREVIEW, the installer takes the
# language files in $EXEDIR\languages over its packed ones, also for a
# language it does not pack (a file beside replaces the packed one whole),
# and /LANG=keys shows each text's key, remembering no choice; the same
# script built without the define ignores the folder beside it.
#
#   check_preview.sh PLUGIN_DIR WORK_DIR PREFIX_ROOT
set -euo pipefail
plugin_dir=$(realpath "$1") work=$2 prefix_root=$3
include_dir=$(cd "$(dirname "$0")/../../include" && pwd)
# shellcheck source=../wine_env.sh
source "$(dirname "$0")/../wine_env.sh" "$prefix_root"
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work" && mkdir -p "$work/packed" "$work/beside"
cat > "$work/preview.nsi" <<EOF
Unicode true
Target amd64-unicode
!addplugindir /amd64-unicode "$plugin_dir"
!define PARLUNE_REGISTRY_ROOT HKCU
!define PARLUNE_REGISTRY_KEY "Software\ParlunePreviewTest"
!define PARLUNE_REGISTRY_VALUENAME Language
!include Parlune.nsh
Name "Parlune preview test"
RequestExecutionLevel user
SilentInstall silent
\${ParluneText} Title
\${ParluneText} Finish
Var loaded  ; as loading set it; NSIS moves it to a language it has after .onInit
Function .onInit
  \${ParluneInitLanguage} "packed" \$0
  StrCpy \$loaded \$LANGUAGE
FunctionEnd
Section
  FileOpen \$0 "\$EXEDIR\results.txt" w
  FileWriteUTF16LE \$0 "\$Title|\$Finish|\$loaded"
  FileClose \$0
SectionEnd
EOF
printf '{"Title": "Setup", "Finish": "Done"}' > "$work/packed/en.json"
printf '{"NsisLanguageId": "1031", "Title": "Einrichtung", "Finish": "Fertig"}' > "$work/packed/de.json"
(cd "$work" && makensis -V2 "-X!addincludedir $include_dir" -DPARLUNE_CHECK_OFF -DPARLUNE_PREVIEW \
  "-XOutFile preview.exe" preview.nsi)
(cd "$work" && makensis -V2 "-X!addincludedir $include_dir" -DPARLUNE_CHECK_OFF "-XOutFile release.exe" preview.nsi)

# run EXE FOLDER_BESIDE TAG: what the installer shows, run from a folder
# that holds a copy of it and, when given, a languages folder.
run() {
  local dir=$work/run-$RANDOM
  mkdir -p "$dir"
  cp "$work/$1" "$dir/"
  [ -z "$2" ] || cp -r "$2" "$dir/languages"
  timeout 300 /usr/lib/wine/wine64 "$dir/$1" /S "/LANG=$3" || fail "$1 /LANG=$3 exited $?"
  iconv -f UTF-16LE -t UTF-8 "$dir/results.txt"
}

# The release run remembers German; the preview run after it remembers nothing.
/usr/lib/wine/wine64 reg delete 'HKCU\Software\ParlunePreviewTest' /f >/dev/null 2>&1 || true
printf '{"Title": "Einrichtung (neu)"}' > "$work/beside/de.json"
printf '{"NsisLanguageId": "1036", "Title": "Installation", "Finish": "Terminé"}' > "$work/beside/fr.json"
while IFS='|' read -r exe beside tag expected; do
  got=$(run "$exe" "$beside" "$tag")
  [ "$got" = "$expected" ] || fail "$exe /LANG=$tag${beside:+ with files beside}: [$got], expected [$expected]"
done <<EOF
preview.exe|$work/beside|de|Einrichtung (neu)|Done|1031
preview.exe|$work/beside|fr|Installation|Terminé|1036
preview.exe||de|Einrichtung|Fertig|1031
release.exe|$work/beside|de|Einrichtung|Fertig|1031
preview.exe||keys|Title|Finish|1033
release.exe|$work/beside||Einrichtung|Fertig|1031
release.exe|$work/beside|fr|Setup|Done|1033
EOF
echo "PASS: the preview build reads the files beside it and shows keys; the release build ignores them"
