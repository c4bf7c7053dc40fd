#!/usr/bin/env bash
# Takes the README's screenshots of the example installer: the 64-bit build
# under Wine in a virtual desktop on Xvfb. First its language dialog, as a
# German user (LANG) meets it on a first install, then its welcome page once
# per language, the language given with /LANG= so that no dialog comes first;
# last the pseudo-locale, written by parlune-check --pseudo beside a copy of
# the example, and a Filipino file there that translates NSIS's buttons and
# directory page too, each on its welcome and its directory page. Needs the
# win-x64 and native builds (scripts/build.sh).
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
    "-X!addincludedir $PWD/include" -DPARLUNE_CHECKER="$PWD/build/native/tools/parlune_check/parlune-check" \
    -DOUTFILE="$2" "$1"
}
exe=$(realpath "$work")/Example-x64.exe
compile examples/installer/Example.nsi "$exe"
rm -rf "$work/pseudo" && cp -r examples/installer "$work/pseudo"
build/native/tools/parlune_check/parlune-check --pseudo "$work/pseudo/languages"
cat > "$work/pseudo/languages/fil.json" <<'EOF'
{
  "Caption": "Pag-install ng Parlune Example",
  "WelcomeTitle": "Maligayang pagdating sa Parlune Example",
  "WelcomeText": "Ii-install ng wizard na ito ang Parlune Example, isang maliit na programang ang bawat teksto ay galing sa isang language file.\r\n\r\nI-click ang Susunod para magpatuloy.",
  "DirectoryTitle": "Piliin ang Lokasyon ng Pag-install",
  "DirectorySubtitle": "Piliin ang folder kung saan ii-install ang Parlune Example.",
  "^NextBtn": "&Susunod >",
  "^BackBtn": "< &Bumalik",
  "^CancelBtn": "Kanselahin",
  "^InstallBtn": "&I-install",
  "^BrowseBtn": "Mag-&browse...",
  "^DirText": "Ii-install ng Setup ang $(^NameDA) sa folder na ito. Para sa ibang folder, i-click ang Mag-browse at pumili ng iba. $_CLICK",
  "^DirSubText": "Folder na Patutunguhan",
  "^SpaceRequired": "Kailangang espasyo: ",
  "^SpaceAvailable": "Bakanteng espasyo: ",
  "^ClickInstall": "I-click ang I-install para magsimula."
}
EOF
x86_64-w64-mingw32-gcc -O2 -o "$work/window_texts.exe" tests/host/window_texts.c
pseudo_exe=$(realpath "$work")/Example-pseudo-x64.exe
compile "$work/pseudo/Example.nsi" "$pseudo_exe"

# shellcheck source=../tests/wine_env.sh
source "tests/wine_env.sh" "$PWD/build/wine"
unset LC_ALL LC_MESSAGES LANGUAGE
shoot() {  # LOCALE PICTURE [INSTALLER ARGUMENTS]
  local locale=$1 picture=$2; shift 2
  local installer=${installer:-$exe}
  /usr/lib/wine/wine64 reg delete 'HKCU\Software\Parlune Example' /f >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -w
  xvfb-run -a -s "-screen 0 640x480x24" bash -c '
    LANG='"$locale"' /usr/lib/wine/wine64 explorer /desktop=shot,640x480 "'"$installer"'" '"$*"' &
    sleep 10
    for page in $(seq '"${pages:-0}"'); do  # Next, in the same desktop
      /usr/lib/wine/wine64 explorer /desktop=shot,640x480 "'"$PWD/$work/window_texts.exe"'" 1 >/dev/null
      sleep 4
    done
    import -window root "docs/screenshots/'"$picture"'.png"
    /usr/lib/wine/wineserver -k'
  echo "docs/screenshots/$picture.png"
}
shoot de_DE.UTF-8 language-dialog
shoot de_DE.UTF-8 example-de /LANG=de-DE
shoot ja_JP.UTF-8 example-ja /LANG=ja-JP
installer=$pseudo_exe shoot en_US.UTF-8 example-pseudo /LANG=en-XM
installer=$pseudo_exe pages=2 shoot en_US.UTF-8 example-pseudo-directory /LANG=en-XM
installer=$pseudo_exe shoot en_US.UTF-8 example-fil /LANG=fil
installer=$pseudo_exe pages=2 shoot en_US.UTF-8 example-fil-directory /LANG=fil
