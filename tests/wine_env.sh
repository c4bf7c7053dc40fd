# Sourced by every script that starts Wine: the prefix the tests share,
# PREFIX_ROOT/x64, set up here when it is missing, and the settings every
# run uses.
#   source wine_env.sh PREFIX_ROOT
export WINEPREFIX=$(realpath -m "$1")/x64 WINEDEBUG=-all
# No Mono, Gecko or Internet Explorer: their set-up asks for downloads or,
# under emulation, costs minutes, and no test uses them.
export WINEDLLOVERRIDES="mscoree,mshtml=;iexplore.exe=d"
# 32-bit Wine reserves its address space in small steps when the kernel
# ignores its placement hints, as qemu's does; each failed step scans the
# space qemu holds for the program. 3 GB, the user space of a 32-bit kernel,
# is all Wine asks for and makes each 32-bit start about a fifth shorter.
export QEMU_RESERVED_VA=0xc0000000

# A 64-bit prefix whose 32-bit half (WoW64) runs the x86 programs. Setting up
# that half runs under qemu and costs minutes, once.
if [ ! -f "$WINEPREFIX/system.reg" ] || [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
  mkdir -p "$WINEPREFIX"
  wine_prefix_started=$SECONDS
  timeout 1500 /usr/lib/wine/wine64 wineboot -i
  /usr/lib/wine/wineserver -w
  echo "set up $WINEPREFIX in $((SECONDS - wine_prefix_started)) s"
fi
