#!/usr/bin/env bash
# Takes the README's screenshots of the example installer: the 64-bit build
# under Wine in a virtual desktop on Xvfb. First its language dialog, as a
# German user (LANG) meets it on a first install, then its welcome page once
# per language, the language given with /LANG= so that no dialog comes first;
# last the pseudo-locale, written by parlune-check --pseudo beside a copy of
# the example. Needs the win-x64 and native builds (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
for package in imagemagick fonts-wqy-microhei; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$package" >/dev/null
done

work=build/screenshots
mkdir -p "$work"
compile() {  # SCRIPT INSTALLER
  makensis -V2 -INPUTCHARSET UTF8 "-XTarget amd64-unicode" "-X!addplugindir /amd64-unicode $PWD/build/win-x64/src" \
    "-X!addincludedir $PWD/include" -DOUTFILE="$2" "$1"
}
exe=$(realpath "$work")/Example-x64.exe
compile examples/installer/Example.nsi "$exe"
rm -rf "$work/pseudo" && cp -r examples/installer "$work/pseudo"
build/native/tools/parlune_check/parlune-check --pseudo "$work/pseudo/languages"
pseudo_exe=$(realpath "$work")/Example-pseudo-x64.exe
compile "$work/pseudo/Example.nsi" "$pseudo_exe"

export WINEPREFIX=$PWD/build/wine/x64 WINEDEBUG=-all
unset LC_ALL LC_MESSAGES LANGUAGE
shoot() {  # LOCALE PICTURE [INSTALLER ARGUMENTS]
  local locale=$1 picture=$2; shift 2
  local installer=${installer:-$exe}
  /usr/lib/wine/wine64 reg delete 'HKCU\Software\Parlune Example' /f >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -w
  xvfb-run -a -s "-screen 0 640x480x24" bash -c '
    LANG='"$locale"' /usr/lib/wine/wine64 explorer /desktop=shot,640x480 "'"$installer"'" '"$*"' &
    sleep 10
    import -window root "docs/screenshots/'"$picture"'.png"
    /usr/lib/wine/wineserver -k'
  echo "docs/screenshots/$picture.png"
}
shoot de_DE.UTF-8 language-dialog
shoot de_DE.UTF-8 example-de /LANG=de-DE
shoot ja_JP.UTF-8 example-ja /LANG=ja-JP
installer=$pseudo_exe shoot en_US.UTF-8 example-pseudo /LANG=en-XM
