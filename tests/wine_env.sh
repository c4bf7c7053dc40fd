# Sourced by the scripts that start Wine: the shared prefix and the settings
# every run uses.
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
