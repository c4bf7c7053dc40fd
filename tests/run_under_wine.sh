#!/usr/bin/env bash
# Runs a Windows test program under Wine.
#   run_under_wine.sh x86|x64 PREFIX_ROOT PROGRAM [ARGUMENTS...]
# LANG, as the caller sets it, gives Wine the user's language. Both targets
# run in one 64-bit prefix: setting up its 32-bit half (WoW64) already costs
# minutes under emulation, which a prefix of their own would cost again.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
target=$1 prefix_root=$2
shift 2
case "$target" in
  x86) wine_loader=/usr/lib/wine/wine ;;
  x64) wine_loader=/usr/lib/wine/wine64 ;;
  *) echo "unknown target $target" >&2; exit 2 ;;
esac
# shellcheck source=wine_env.sh
source "$here/wine_env.sh" "$prefix_root"
unset LC_ALL LC_MESSAGES LANGUAGE
exec timeout 1100 "$wine_loader" "$@"
