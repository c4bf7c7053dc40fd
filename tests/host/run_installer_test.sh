#!/usr/bin/env bash
# Compiles a test installer with makensis against a freshly built Parlune.dll,
# runs it under Wine and compares what the plug-in answered with the expected
# texts.
#
#   run_installer_test.sh silent|macros|gui x86|x64 PLUGIN_DIR WORK_DIR PREFIX_ROOT [LOCALE=NO_TAG_GREETING ...]
#
# The silent installer runs once per LOCALE, with Wine's LANG set to it; the
# expected no-tag greeting is the text after "=". The macros installer runs
# once and then its uninstaller; the GUI installer runs once under Xvfb.
set -euo pipefail

kind=$1 target=$2 plugin_dir=$3 work=$4 prefix_root=$5
shift 5
here=$(cd "$(dirname "$0")" && pwd)

case "$target" in
  x86) nsis_target=x86-unicode wine_loader=/usr/lib/wine/wine ;;
  x64) nsis_target=amd64-unicode wine_loader=/usr/lib/wine/wine64 ;;
  *) echo "unknown target $target" >&2; exit 2 ;;
esac
if [ "$target" = x86 ] && [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
  echo "32-bit programs need qemu-user emulation registered with binfmt_misc (scripts/setup.sh does it)" >&2
  exit 1
fi

mkdir -p "$prefix_root"
export WINEPREFIX=$prefix_root/$target WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset LC_ALL LC_MESSAGES LANGUAGE

# The folders the scenarios read, some under names outside every ANSI code page.
rm -rf "$work" && mkdir -p "$work"
cp -r "$here/languages/lang" "$here/languages/lang-cyrillic" "$here/languages/other" "$work/"
cp -r "$here/languages/greek" "$work/Ελληνικά"
cp -r "$here/languages/table" "$work/資料表"
mkdir -p "$work/long"
{
  printf '{"Units1023": "%swxyz", ' "$(printf 'abcdefghijklmnopqrstuvwxyz%.0s' $(seq 40) | head -c 1019)"
  printf '"Units1500": "%s"}\n' "$(printf 'abcdefghijklmnopqrstuvwxyz%.0s' $(seq 60) | head -c 1500)"
} > "$work/long/en.json"

exe=$work/$kind-$target.exe
makensis -V2 -INPUTCHARSET UTF8 "-X!addincludedir $here/../../include" -DTARGET="$nsis_target" \
  -DPLUGINDIR="$plugin_dir" -DOUTFILE="$exe" "$here/$kind.nsi"

# Wine reads the results file back as UTF-16; diff compares it as UTF-8.
compare() {
  local results=$1 expected=$2
  if [ ! -f "$results" ]; then
    echo "FAIL: the installer wrote no $(basename "$results")" >&2
    return 1
  fi
  iconv -f UTF-16LE -t UTF-8 "$results" | tr -d '\r' > "$results.utf8"
  if diff -u "$expected" "$results.utf8"; then
    echo "PASS: $kind installer ($target) answered as expected"
  else
    echo "FAIL: $kind installer ($target) answered otherwise (diff above: - expected, + got)" >&2
    return 1
  fi
}

run_wine() {
  local started=$SECONDS
  timeout 900 "$@" || { echo "the installer exited with status $?" >&2; return 1; }
  echo "ran in $((SECONDS - started)) s"
}

status=0
if [ "$kind" = silent ]; then
  [ $# -gt 0 ] || set -- "en_US.UTF-8=Hello"
  for pair in "$@"; do
    locale=${pair%%=*} greeting=${pair#*=}
    echo "== LANG=$locale"
    rm -f "$work/results.txt"
    sed "s|@NO_TAG_GREETING@|$greeting|" "$here/silent.expected" > "$work/expected.txt"
    LANG=$locale run_wine "$wine_loader" "$exe" /S || status=1
    compare "$work/results.txt" "$work/expected.txt" || status=1
  done
elif [ "$kind" = macros ]; then
  rm -f "$work/results.txt"
  LANG=en_US.UTF-8 run_wine "$wine_loader" "$exe" /S || status=1
  LANG=en_US.UTF-8 run_wine "$wine_loader" "$work/uninstall.exe" /S "_?=Z:$(tr / '\\' <<<"$work")" || status=1
  compare "$work/results.txt" "$here/macros.expected" || status=1
else
  rm -f "$work/gui-results.txt"
  LANG=en_US.UTF-8 run_wine xvfb-run -a "$wine_loader" "$exe" || status=1
  compare "$work/gui-results.txt" "$here/gui.expected" || status=1
fi
exit $status
