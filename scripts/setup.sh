#!/usr/bin/env bash
# Installs and sets up what the builds and tests need, idempotently: a run on
# a machine that has everything changes nothing.
#   - native build and tests: CMake, Ninja, g++, clang with its sanitizer runtime, GoogleTest
#   - Windows DLLs: mingw-w64 for i686 and x86-64
#   - real-host tests: NSIS, Wine (64- and 32-bit), qemu-user for 32-bit
#     programs, Xvfb with xdotool to answer dialogs, and the locales the
#     tests give Wine as LANG
set -euo pipefail

run_as_root=()
[ "$(id -u)" -eq 0 ] || run_as_root=(sudo)

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev binutils
  rapidjson-dev nlohmann-json3-dev libsimdjson-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  nsis wine wine64 wine32:i386 qemu-user-static xvfb xauth xdotool locales
  translate-toolkit gettext
)
locales=("ja_JP.UTF-8 UTF-8" "en_GB.UTF-8 UTF-8" "fr_CA.UTF-8 UTF-8" "sr_RS@latin UTF-8"
         "de_DE.UTF-8 UTF-8" "en_US.UTF-8 UTF-8" "cy_GB.UTF-8 UTF-8")

# 32-bit Wine comes from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${run_as_root[@]}" dpkg --add-architecture i386
  need_update=1
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ] || [ -n "${need_update:-}" ]; then
  echo "setup: installing ${missing[*]:-nothing new}"
  # A mirror in the middle of a sync serves an index or two that do not match
  # their release file; apt then keeps going on the others.
  "${run_as_root[@]}" apt-get update -qq || echo "setup: some package indexes could not be read"
  if [ ${#missing[@]} -gt 0 ]; then
    install=("${run_as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends)
    # 32-bit and 64-bit copies of a library must be the same version: when the
    # security index of one architecture is missing, take both from the
    # release itself.
    "${install[@]}" "${missing[@]}" >/dev/null ||
      "${install[@]}" -t bookworm "${missing[@]}" >/dev/null
  fi
fi

# Wine takes the user's language and code page from LANG, but only for a
# locale that glibc has.
generate=0
for entry in "${locales[@]}"; do
  if ! grep -qxF "$entry" /etc/locale.gen; then
    echo "$entry" | "${run_as_root[@]}" tee -a /etc/locale.gen >/dev/null
    generate=1
  fi
  name=${entry% *}
  normalized=$(sed 's/UTF-8/utf8/' <<<"$name")
  locale -a | grep -qxF "$normalized" || generate=1
done
if [ "$generate" = 1 ]; then
  echo "setup: generating locales"
  "${run_as_root[@]}" locale-gen >/dev/null
fi

# This machine's kernel cannot run 32-bit x86 programs itself: qemu-user runs
# them, registered with binfmt_misc.
binfmt=/proc/sys/fs/binfmt_misc
if [ ! -e "$binfmt/qemu-i386" ]; then
  mountpoint -q "$binfmt" || "${run_as_root[@]}" mount -t binfmt_misc binfmt_misc "$binfmt"
  if [ ! -e "$binfmt/qemu-i386" ]; then
    echo ':qemu-i386:M::\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xff\xff\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:OCF' |
      "${run_as_root[@]}" tee "$binfmt/register" >/dev/null
  fi
fi
