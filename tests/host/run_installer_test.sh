#!/usr/bin/env bash
# Compiles a test installer with makensis against a freshly built Parlune.dll,
# runs it under Wine and compares what the plug-in answered with the expected
# texts.
#
#   run_installer_test.sh silent|macros|pieces|beyond|gui|authoring|dialog|x86 x86|x64 PLUGIN_DIR WORK_DIR PREFIX_ROOT [LOCALE=NO_TAG_GREETING ...]
#
# The silent installer runs once per LOCALE, with Wine's LANG set to it; the
# expected no-tag greeting is the text after "=". The macros installer runs
# once and then its uninstaller, and so does the pieces installer, which reads
# its language files unpacked; the GUI installer runs once under Xvfb. The
# authoring installer runs a sequence of silent installs and an uninstall that
# share one remembered language (on x86 only its last run); the dialog build
# of it shows the language dialog under Xvfb, answered by key presses. The
# beyond installer loads files beyond the code table, tag after tag in one
# run, then (x64) once per /LANG= and remembered, and its uninstaller; it
# needs the checker, named by PARLUNE_CHECKER in the environment. The x86
# installer gathers the silent installer's cases, files beyond the table and
# the GUI's threads into one 32-bit run under Xvfb.
set -euo pipefail

kind=$1 target=$2 plugin_dir=$(realpath "$3") work=$4 prefix_root=$5
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

# one 64-bit prefix for both targets, whose WoW64 half runs 32-bit programs
# shellcheck source=../wine_env.sh
source "$here/../wine_env.sh" "$prefix_root"
unset LC_ALL LC_MESSAGES LANGUAGE

# The folders the scenarios read, some under names outside every ANSI code page.
rm -rf "$work" && mkdir -p "$work"
cp -r "$here/languages/lang" "$here/languages/lang-cyrillic" "$here/languages/other" "$work/"
cp -r "$here/languages" "$work/languages"
cp -r "$here/languages/greek" "$work/Ελληνικά"
cp -r "$here/languages/table" "$work/資料表"
mkdir -p "$work/long"
{
  printf '{"Units1023": "%swxyz", ' "$(printf 'abcdefghijklmnopqrstuvwxyz%.0s' $(seq 40) | head -c 1019)"
  printf '"Units1500": "%s"}\n' "$(printf 'abcdefghijklmnopqrstuvwxyz%.0s' $(seq 60) | head -c 1500)"
} > "$work/long/en.json"

exe=$work/$kind-$target.exe
script=$kind defines=()
if [ "$kind" = dialog ]; then script=authoring defines=(-DGUI); fi
# The installer packs its language files from its own folder.
cp "$here/$script.nsi" "$work/"
if [ "$kind" = beyond ] || [ "$kind" = x86 ]; then
  cp -r "$here/languages/beyond" "$work/"
  defines=(-DPARLUNE_CHECKER="${PARLUNE_CHECKER:?the beyond installer needs PARLUNE_CHECKER}")
fi
makensis -V2 -INPUTCHARSET UTF8 "-X!addincludedir $here/../../include" "-X!addincludedir $here" \
  -DTARGET="$nsis_target" -DPLUGINDIR="$plugin_dir" -DOUTFILE="$exe" "${defines[@]}" "$work/$script.nsi"

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

# Waits for the Wine server as well: a GUI run under a new Xvfb display
# cannot show windows through a server started without one.
forget_language() {
  "$wine_loader" reg delete 'HKCU\Software\Parlune authoring test' /f >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -w
}

# Starts the installer with /RUN=$2, waits for the dialog titled $1, sends it
# the keys that follow, and waits for the installer to end. Runs inside
# xvfb-run.
answer_dialog() {
  local title=$1 label=$2; shift 2
  "$wine_loader" "$exe" "/RUN=$label" & local installer=$!
  local window
  window=$(timeout 120 xdotool search --sync --name "^$title\$" | head -1)
  if [ -z "$window" ]; then echo "no dialog titled $title" >&2; kill $installer; return 1; fi
  sleep 1
  xdotool key --window "$window" "$@" 2>/dev/null
  wait $installer || true
}
export exe wine_loader

status=0
if [ "$kind" = authoring ]; then
  rm -f "$work/results.txt"
  forget_language
  uninstaller=(/S /RUN=un "_?=Z:$(tr / '\\' <<<"$work")")
  if [ "$target" = x86 ]; then
    runs=("de_DE.UTF-8 /S /LANG=sr-Latn-RS /RUN=bridge")
    grep '^bridge ' "$here/authoring.expected" > "$work/expected.txt"
  else
    runs=("de_DE.UTF-8 /S /RUN=ui" "ja_JP.UTF-8 /S /RUN=registry" "de_DE.UTF-8 /S /LANG=ja /RUN=option" "uninstall"
          "de_DE.UTF-8 /S /LANG=ko /RUN=broken" "de_DE.UTF-8 /S /LANG=it /RUN=missing"
          "de_DE.UTF-8 /S /LANG=1041 /RUN=id" "de_DE.UTF-8 /S /LANG=sr-Latn-RS /RUN=bridge"
          "stores-id de_DE.UTF-8 /S /LANG=sr-Latn-RS /RUN=storedid" "de_DE.UTF-8 /S /RUN=readid")
    cp "$here/authoring.expected" "$work/expected.txt"
    # The same script remembering the NSIS language id, as MUI does.
    makensis -V2 -INPUTCHARSET UTF8 "-X!addincludedir $here/../../include" -DTARGET="$nsis_target" \
      -DPLUGINDIR="$plugin_dir" -DOUTFILE="$work/stores-id.exe" -DPARLUNE_REGISTRY_STORE_ID "$work/$script.nsi"
  fi
  for run in "${runs[@]}"; do
    echo "== $run"
    if [ "$run" = uninstall ]; then
      LANG=de_DE.UTF-8 run_wine "$wine_loader" "$work/uninstall.exe" "${uninstaller[@]}" || status=1
    elif [ "${run%% *}" = stores-id ]; then
      read -r _ locale args <<<"$run"
      # shellcheck disable=SC2086
      LANG=$locale run_wine "$wine_loader" "$work/stores-id.exe" $args || status=1
    else
      read -r locale args <<<"$run"
      # shellcheck disable=SC2086
      LANG=$locale run_wine "$wine_loader" "$exe" $args || status=1
    fi
  done
  compare "$work/results.txt" "$work/expected.txt" || status=1
elif [ "$kind" = dialog ]; then
  rm -f "$work/results.txt"
  # Return takes the preselected language (the user's, de), "S" then Return
  # picks Srpski (latinica), Escape cancels: the installer quits before
  # recording anything.
  for run in "preselected Return" "chosen S Return" "cancelled Escape"; do
    forget_language
    echo "== $run"
    LANG=de_DE.UTF-8 xvfb-run -a bash -c "$(declare -f answer_dialog); answer_dialog Installationssprache $run" || status=1
  done
  compare "$work/results.txt" "$here/dialog.expected" || status=1
elif [ "$kind" = silent ]; then
  [ $# -gt 0 ] || set -- "en_US.UTF-8=Hello"
  for pair in "$@"; do
    locale=${pair%%=*} greeting=${pair#*=}
    echo "== LANG=$locale"
    rm -f "$work/results.txt"
    sed "s|@NO_TAG_GREETING@|$greeting|" "$here/silent.expected" > "$work/expected.txt"
    LANG=$locale run_wine "$wine_loader" "$exe" /S || status=1
    compare "$work/results.txt" "$work/expected.txt" || status=1
  done
elif [ "$kind" = x86 ]; then
  rm -f "$work/results.txt"
  { sed "s|@NO_TAG_GREETING@|こんにちは|" "$here/silent.expected"; cat "$here/x86.expected"; } > "$work/expected.txt"
  LANG=ja_JP.UTF-8 run_wine xvfb-run -a "$wine_loader" "$exe" /LANG=cy || status=1
  compare "$work/results.txt" "$work/expected.txt" || status=1
elif [ "$kind" = pieces ]; then
  rm -f "$work/results.txt"
  cp -r "$here/languages/pieces" "$work/"
  # /LANG= goes before a remembered language; the uninstaller removes it
  LANG=ja_JP.UTF-8 run_wine "$wine_loader" "$exe" /S /LANG=1031 || status=1
  LANG=ja_JP.UTF-8 run_wine "$wine_loader" "$work/installed/uninstall.exe" /S "_?=Z:$(tr / '\\' <<<"$work/installed")" || status=1
  compare "$work/results.txt" "$here/pieces.expected" || status=1
elif [ "$kind" = beyond ]; then
  rm -f "$work/results.txt"
  "$wine_loader" reg delete 'HKCU\Software\Parlune beyond test' /f >/dev/null 2>&1 || true
  # the user's language as NSIS finds it (Welsh), then tag after tag
  LANG=cy_GB.UTF-8 run_wine "$wine_loader" "$exe" /S /RUN=each || status=1
  cp "$here/beyond-each.expected" "$work/expected.txt"
  if [ "$target" = x64 ]; then
    "$wine_loader" reg delete 'HKCU\Software\Parlune beyond test' /f >/dev/null 2>&1 || true
    for lang in cy eu haw de-AT de 1106 ""; do
      LANG=en_US.UTF-8 run_wine "$wine_loader" "$exe" /S ${lang:+/LANG=$lang} || status=1
    done
    LANG=en_US.UTF-8 run_wine "$wine_loader" "$work/installed/uninstall.exe" /S "_?=Z:$(tr / '\\' <<<"$work/installed")" || status=1
    cat "$here/beyond.expected" >> "$work/expected.txt"
  fi
  compare "$work/results.txt" "$work/expected.txt" || status=1
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
