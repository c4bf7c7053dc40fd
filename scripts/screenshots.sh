#!/usr/bin/env bash
# Takes the README's screenshots of the example installer: the 64-bit build
# under Wine in a virtual desktop on Xvfb. First its language dialog, as a
# German user (LANG) meets it on a first install, then its welcome page once
# per language, the language given with /LANG= so that no dialog comes first.
# Needs the win-x64 build (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
for package in imagemagick fonts-wqy-microhei; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$package" >/dev/null
done

work=build/screenshots
mkdir -p "$work"
exe=$(realpath "$work")/Example-x64.exe
makensis -V2 -INPUTCHARSET UTF8 "-XTarget amd64-unicode" "-X!addplugindir /amd64-unicode $PWD/build/win-x64/src" \
  "-X!addincludedir $PWD/include" -DOUTFILE="$exe" examples/installer/Example.nsi

export WINEPREFIX=$PWD/build/wine/x64 WINEDEBUG=-all
unset LC_ALL LC_MESSAGES LANGUAGE
export exe
shoot() {  # LOCALE PICTURE [INSTALLER ARGUMENTS]
  local locale=$1 picture=$2; shift 2
  /usr/lib/wine/wine64 reg delete 'HKCU\Software\Parlune Example' /f >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -w
  xvfb-run -a -s "-screen 0 640x480x24" bash -c '
    LANG='"$locale"' /usr/lib/wine/wine64 explorer /desktop=shot,640x480 "$exe" '"$*"' &
    sleep 10
    import -window root "docs/screenshots/'"$picture"'.png"
    /usr/lib/wine/wineserver -k'
  echo "docs/screenshots/$picture.png"
}
shoot de_DE.UTF-8 language-dialog
shoot de_DE.UTF-8 example-de /LANG=de-DE
shoot ja_JP.UTF-8 example-ja /LANG=ja-JP
