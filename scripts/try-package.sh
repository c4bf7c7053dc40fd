#!/usr/bin/env bash
# Proves the package complete: unpacks the zip into a scratch folder, compiles
# the example with makensis using nothing from Parlune but the unpacked
# Plugins and Include folders, runs it silently under Wine and prints the
# texts it installed, then runs its uninstaller.
#
#   try-package.sh ZIP WORK_DIR PREFIX_ROOT TARGET:LOCALE...
#
# TARGET is x86 or x64; LOCALE is the LANG Wine runs the installer with, and
# so the language Parlune picks. An empty LOCALE ("x86:") compiles only.
set -euo pipefail

zip=$(realpath "$1") work=$2 prefix_root=$3
shift 3

rm -rf "$work" && mkdir -p "$work/unpacked" "$prefix_root"
work=$(realpath "$work") prefix_root=$(realpath "$prefix_root")
(cd "$work/unpacked" && cmake -E tar xf "$zip")
package=$work/unpacked
export WINEDEBUG=-all
unset LC_ALL LC_MESSAGES LANGUAGE

windows_path() { echo "Z:$1" | tr / '\\'; }

for run in "$@"; do
  target=${run%%:*} locale=${run#*:}
  case "$target" in
    x86) nsis_target=x86-unicode wine_loader=/usr/lib/wine/wine ;;
    x64) nsis_target=amd64-unicode wine_loader=/usr/lib/wine/wine64 ;;
    *) echo "unknown target $target" >&2; exit 2 ;;
  esac
  exe=$work/Example-$target.exe
  if [ ! -f "$exe" ]; then
    makensis -V2 -INPUTCHARSET UTF8 "-XTarget $nsis_target" \
      "-X!addplugindir /$nsis_target $package/Plugins/$nsis_target" "-X!addincludedir $package/Include" \
      -DOUTFILE="$exe" "$package/Examples/Parlune/Example.nsi"
  fi
  if [ -z "$locale" ]; then
    echo "== $target installer compiled: $exe"
    continue
  fi
  install_dir=$work/installed-$target-${locale%%.*}
  echo "== $target installer, LANG=$locale"
  LANG=$locale WINEPREFIX=$prefix_root/$target timeout 900 "$wine_loader" "$exe" /S "/D=$(windows_path "$install_dir")"
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
