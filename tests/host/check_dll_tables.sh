#!/usr/bin/env bash
# Reads a Parlune.dll's PE headers: the right machine, exactly the three
# exports by name with ordinals 1 to 3, and imports only from DLLs that every
# Windows has.
set -euo pipefail
dll=$1
target=$2   # x86 or x64
version=${3:-}  # when given, the version resource must carry it
objdump=${OBJDUMP:-objdump}

headers=$("$objdump" -p "$dll")
fail() { echo "$dll: $*" >&2; exit 1; }

case "$target" in
  x86) magic=010b machine=i386 ;;
  x64) magic=020b machine=i386:x86-64 ;;
  *) fail "unknown target $target" ;;
esac
grep -q "^Magic.*$magic" <<<"$headers" || fail "not a $target image (PE magic)"
"$objdump" -f "$dll" | grep -q "architecture: $machine," || fail "not built for machine $machine"
grep -A12 '^Characteristics' <<<"$headers" | grep -q '^\s*DLL$' || fail "not a DLL"

exports=$(awk '/\[Ordinal\/Name Pointer\] Table/ {table=1; next} table && /^\t\[/ {print $NF} table && !/^\t\[/ {table=0}' <<<"$headers" | tr '\n' ' ')
[ "$exports" = "Exit GetStr Init " ] || fail "exports '$exports', expected 'Exit GetStr Init '"
ordinals=$(grep -o '+base\[ *[0-9]*\]' <<<"$headers" | tr -dc '0-9\n' | tr '\n' ' ')
[ "$ordinals" = "1 2 3 " ] || fail "ordinals '$ordinals', expected '1 2 3 '"
grep -q 'Name.*Parlune.dll' <<<"$headers" || fail "module name is not Parlune.dll"

imports=$(grep 'DLL Name:' <<<"$headers" | awk '{print toupper($3)}' | sort | tr '\n' ' ')
for import in $imports; do
  case "$import" in
    KERNEL32.DLL|USER32.DLL|MSVCRT.DLL|ADVAPI32.DLL) ;;
    *) fail "imports $import, which not every Windows has" ;;
  esac
done
if [ -n "$version" ]; then
  resource=$(strings -el "$dll")
  for field in FileVersion ProductVersion ProductName FileDescription LegalCopyright; do
    grep -qx "$field" <<<"$resource" || fail "version resource lacks $field"
  done
  grep -qx "$version" <<<"$resource" || fail "version resource does not say $version"
fi
echo "$dll: $target ($machine), exports Exit GetStr Init (ordinals 1-3), imports $imports"
