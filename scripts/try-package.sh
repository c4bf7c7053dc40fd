#!/usr/bin/env bash
# Proves the package complete: unpacks the zip into a scratch folder, compiles
# the example with makensis using nothing from Parlune but the unpacked
# Plugins, Include and Bin folders, runs it silently under Wine and prints the
# texts it installed, then runs its uninstaller.
#
#   try-package.sh [--check] [--pseudo] [--windows-makensis DIR] ZIP WORK_DIR PREFIX_ROOT TARGET:LOCALE[:ARGUMENT]...
#
# TARGET is x86 or x64; LOCALE is the LANG Wine runs the installer with, and
# so the language Parlune picks; ARGUMENT goes to the installer (/LANG=en-XM).
# An empty LOCALE ("x86:") compiles only. --check has makensis check the
# language files with the package's checker (PARLUNE_CHECK); --pseudo first
# writes the pseudo-locale en-xm.json into the example's languages with it.
# --windows-makensis compiles with the Windows makensis.exe in DIR under Wine
# instead, in an NSIS folder laid out around it from /usr/share/nsis, as most
# authors compile: the macros then take their Windows branch and run the
# package's Windows checker.
set -euo pipefail

check=() pseudo= windows_makensis=
while [ $# -gt 0 ]; do
  case "$1" in
    --check) check=(-DPARLUNE_CHECK) ;;
    --pseudo) pseudo=1 ;;
    --windows-makensis) windows_makensis=$(realpath "$2"); shift ;;
    *) break ;;
  esac
  shift
done
zip=$(realpath "$1") work=$2 prefix_root=$3
shift 3

rm -rf "$work" && mkdir -p "$work/unpacked" "$prefix_root"
work=$(realpath "$work") prefix_root=$(realpath "$prefix_root")
# shellcheck source=../tests/wine_env.sh
source "$(dirname "$0")/../tests/wine_env.sh" "$prefix_root"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
package=$work/unpacked
if [ -n "$pseudo" ]; then
  "$package/Bin/linux-x86_64/parlune-check" --pseudo "$package/Examples/Parlune/languages" >/dev/null
fi
export WINEDEBUG=-all
unset LC_ALL LC_MESSAGES LANGUAGE

windows_path() { echo "Z:$1" | tr / '\\'; }

# compile NSIS_TARGET OUTFILE SCRIPT: with the package's Plugins and Include
# folders, by the Linux makensis or the Windows one.
compile() {
  local nsis_target=$1 out=$2 script=$3
  if [ -z "$windows_makensis" ]; then
    makensis -V2 -INPUTCHARSET UTF8 "${check[@]}" "-XTarget $nsis_target" \
      "-X!addplugindir /$nsis_target $package/Plugins/$nsis_target" "-X!addincludedir $package/Include" \
      -DOUTFILE="$out" "$script"
    return
  fi
  if [ ! -d "$work/NSIS" ]; then
    cp -r "$windows_makensis" "$work/NSIS" && chmod -R u+w "$work/NSIS"
    for folder in Stubs Plugins Include Contrib; do ln -s "/usr/share/nsis/$folder" "$work/NSIS/$folder"; done
  fi
  # Wine's console ends the checker's lines with CR LF
  /usr/lib/wine/wine64 "$work/NSIS/makensis.exe" /V2 /INPUTCHARSET UTF8 \
    "${check[@]/#-//}" "/XTarget $nsis_target" \
    "/X!addplugindir /$nsis_target $(windows_path "$package/Plugins/$nsis_target")" \
    "/X!addincludedir $(windows_path "$package/Include")" "/DOUTFILE=$(windows_path "$out")" \
    "$(windows_path "$script")" | tr -d '\r'
  [ "${PIPESTATUS[0]}" = 0 ] && [ -f "$out" ]
}

for run in "$@"; do
  target=${run%%:*} locale=${run#*:} argument=
  case "$locale" in *:*) argument=${locale#*:} locale=${locale%%:*} ;; esac
  case "$target" in
    x86) nsis_target=x86-unicode wine_loader=/usr/lib/wine/wine ;;
    x64) nsis_target=amd64-unicode wine_loader=/usr/lib/wine/wine64 ;;
    *) echo "unknown target $target" >&2; exit 2 ;;
  esac
  exe=$work/Example-$target.exe
  if [ ! -f "$exe" ]; then
    compile "$nsis_target" "$exe" "$package/Examples/Parlune/Example.nsi"
  fi
  if [ -z "$locale" ]; then
    echo "== $target installer compiled: $(basename "$exe")"
    continue
  fi
  install_dir=$work/installed-$target-${locale%%.*}${argument:+-${argument##*=}}
  echo "== $target installer, LANG=$locale${argument:+ $argument}"
  LANG=$locale timeout 900 "$wine_loader" "$exe" /S ${argument:+"$argument"} \
    "/D=$(windows_path "$install_dir")"
  if [ ! -f "$install_dir/ReadMe.txt" ]; then
    echo "the installer wrote no ReadMe.txt" >&2
    exit 1
  fi
  # The texts name the folder they were installed in; it differs per run.
  iconv -f UTF-16 -t UTF-8 "$install_dir/ReadMe.txt" | tr -d '\r' |
    sed "s|$(windows_path "$install_dir" | sed 's|\\|\\\\|g')|<install folder>|g"
  LANG=$locale timeout 900 "$wine_loader" "$install_dir/Uninstall.exe" /S "_?=$(windows_path "$install_dir")"
  if [ -e "$install_dir/ReadMe.txt" ]; then
    echo "the uninstaller left ReadMe.txt behind" >&2
    exit 1
  fi
  echo "(uninstalled)"
done
