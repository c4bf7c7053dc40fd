#!/usr/bin/env bash
# Sets up the Wine prefix the tests share, once: PREFIX_ROOT/x64, a 64-bit
# prefix whose 32-bit half (WoW64) runs the x86 programs.
#   wine_prefix.sh PREFIX_ROOT
# Setting up the 32-bit half runs under qemu and costs minutes; two things
# keep it short: Internet Explorer's registration, which nothing here uses,
# is skipped, and qemu gives 32-bit programs the 3 GB a 32-bit Linux kernel
# gives them (see wine_env.sh).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix_root=$1
# shellcheck source=wine_env.sh
source "$here/wine_env.sh" "$prefix_root"
if [ -f "$WINEPREFIX/system.reg" ] && [ -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
  exit 0
fi
mkdir -p "$prefix_root"
started=$SECONDS
timeout 1500 /usr/lib/wine/wine64 wineboot -i
/usr/lib/wine/wineserver -w
echo "set up $WINEPREFIX in $((SECONDS - started)) s"
