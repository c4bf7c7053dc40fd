#!/usr/bin/env bash
# Keeps Parlune.dll small: within its byte budget, and free of the C++ and C
# runtimes' own code. Reads the DLL itself and the linker's map of it.
#   check_dll_footprint.sh DLL LINK_MAP BUDGET_BYTES
set -euo pipefail
dll=$1 map=$2 budget=$3
objdump=${OBJDUMP:-objdump}
fail() { echo "$dll: $*" >&2; exit 1; }

[ -f "$map" ] || fail "no link map at $map"
size=$(stat -c %s "$dll")
[ "$size" -le "$budget" ] || fail "$size bytes, over the budget of $budget"

# Every input section of the map names the object or archive member it came
# from: none may come from the C++ library, the unwinder, MinGW's C runtime
# extras or its start-up objects.
pieces=$(grep -oE '[^ ]*(libstdc\+\+|libsupc\+\+|libgcc_eh|libgcc_s|libmingwex|libmingw32|libmoldname|crt2|dllcrt2|crtbegin|crtend)[^ ]*' "$map" | sort -u | head -n 5 || true)
[ -z "$pieces" ] || fail "links runtime pieces: $pieces"

# Without the C runtime's start-up nothing runs constructors of globals, so
# the module must have none.
constructors=$(grep -E '^ \.(ctors|init_array)(\.[0-9]+)?\s+0x[0-9a-f]+\s+0x[0-9a-f]+' "$map" | head -n 5 || true)
[ -z "$constructors" ] || fail "has constructors of globals, which nothing would run: $constructors"

# Nor may their traces reach the file: mangled runtime names, personality
# routines, exception classes, exception tables, printf or scanf imports.
traces=$(strings -a "$dll" | grep -E 'libstdc|__cxa_|__gxx_personality|bad_alloc|St9exception|__gnu_cxx|_Unwind_' | sort -u | head -n 5 || true)
[ -z "$traces" ] || fail "carries runtime traces: $traces"
# (objdump cuts section names to eight characters)
sections=$("$objdump" -h "$dll" | awk '{print $2}' | grep -E '^\.(eh_fram|gcc_exce|ctors|dtors|tls)' || true)
[ -z "$sections" ] || fail "has sections $sections"
imports=$("$objdump" -p "$dll" | grep -iE '^\s+[0-9a-f]+\s+[0-9]+\s+\S*(printf|scanf)' || true)
[ -z "$imports" ] || fail "imports $imports"

echo "$dll: $size bytes (budget $budget), no runtime pieces in its map or its strings"
