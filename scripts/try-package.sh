#!/usr/bin/env bash
# Proves the package complete: unpacks the zip into a scratch folder, compiles
# the example with makensis using nothing from Parlune but the unpacked
# Plugins, Include and Bin folders, runs it silently under Wine and prints the
# texts it installed, then runs its uninstaller.
#
#   try-package.sh [--check] [--pseudo] ZIP WORK_DIR PREFIX_ROOT TARGET:LOCALE[:ARGUMENT]...
#
# TARGET is x86 or x64; LOCALE is the LANG Wine runs the installer with, and
# so the language Parlune picks; ARGUMENT goes to the installer (/LANG=en-XM).
# An empty LOCALE ("x86:") compiles only. --check has makensis check the
# language files with the package's checker (PARLUNE_CHECK); --pseudo first
# writes the pseudo-locale en-xm.json into the example's languages with it.
set -euo pipefail

check=() pseudo=
while [ $# -gt 0 ]; do
  case "$1" in
    --check) check=(-DPARLUNE_CHECK) ;;
    --pseudo) pseudo=1 ;;
    *) break ;;
  esac
  shift
done
zip=$(realpath "$1") work=$2 prefix_root=$3
shift 3

rm -rf "$work" && mkdir -p "$work/unpacked" "$prefix_root"
work=$(realpath "$work") prefix_root=$(realpath "$prefix_root")
(cd "$work/unpacked" && cmake -E tar xf "$zip")
package=$work/unpacked
if [ -n "$pseudo" ]; then
  "$package/Bin/linux-x86_64/parlune-check" --pseudo "$package/Examples/Parlune/languages" >/dev/null
fi
export WINEDEBUG=-all
unset LC_ALL LC_MESSAGES LANGUAGE

windows_path() { echo "Z:$1" | tr / '\\'; }

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
    makensis -V2 -INPUTCHARSET UTF8 "${check[@]}" "-XTarget $nsis_target" \
      "-X!addplugindir /$nsis_target $package/Plugins/$nsis_target" "-X!addincludedir $package/Include" \
      -DOUTFILE="$exe" "$package/Examples/Parlune/Example.nsi"
  fi
  if [ -z "$locale" ]; then
    echo "== $target installer compiled: $exe"
    continue
  fi
  install_dir=$work/installed-$target-${locale%%.*}${argument:+-${argument##*=}}
  echo "== $target installer, LANG=$locale${argument:+ $argument}"
  LANG=$locale WINEPREFIX=$prefix_root/$target timeout 900 "$wine_loader" "$exe" /S ${argument:+"$argument"} \
    "/D=$(windows_path "$install_dir")"
  if [ ! -f "$install_dir/ReadMe.txt" ]; then
    echo "the installer wrote no ReadMe.txt" >&2
    exit 1
  fi
  # The texts name the folder they were installed in; it differs per run.
  iconv -f UTF-16 -t UTF-8 "$install_dir/ReadMe.txt" | tr -d '\r' |
    sed "s|$(windows_path "$install_dir" | sed 's|\\|\\\\|g')|<install folder>|g"
  LANG=$locale WINEPREFIX=$prefix_root/$target timeout 900 "$wine_loader" "$install_dir/Uninstall.exe" /S "_?=$(windows_path "$install_dir")"
  if [ -e "$install_dir/ReadMe.txt" ]; then
    echo "the uninstaller left ReadMe.txt behind" >&2
    exit 1
  fi
  echo "(uninstalled)"
done
