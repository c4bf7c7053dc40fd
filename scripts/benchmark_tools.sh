#!/usr/bin/env bash
# How the tools' time grows with their input: each shape at 1, 10 and 100 MB,
# with the time and its growth against the size before. Linear growth shows
# as about 10x per step. A benchmark, not a test: it fails on nothing.
#   scripts/benchmark_tools.sh [BUILD_DIR]   (default build/native)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native}
check=$build/tools/parlune_check/parlune-check import=$build/tools/parlune_import/parlune-import
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# SHAPE MEGABYTES: writes the input under $work/SHAPE.
make_input() {
  python3 - "$work/$1" "$1" "$2" <<'PY'
import os, sys
target, shape, size = sys.argv[1], sys.argv[2], int(sys.argv[3]) * 1000 * 1000
os.makedirs(target, exist_ok=True)
def write(name, pieces, head='', tail=''):
    with open(os.path.join(target, name), 'w') as out:
        out.write(head)
        written, i = 0, 0
        while written < size:
            piece = pieces(i)
            out.write(piece)
            written += len(piece)
            i += 1
        out.write(tail)
if shape == 'minified':      # every key on one line
    write('en.json', lambda i: '"key%d":"text %d",' % (i, i), '{', '"last":"x"}')
elif shape == 'duplicates':  # one key, again and again
    write('en.json', lambda i: '"Title":"text %d",\n' % i, '{\n', '"last":"x"\n}\n')
elif shape == 'placeholders':  # one text full of references
    write('Setup.nsi', lambda i: '$V%d ' % i, 'LangString Text 1033 "', '"\n')
elif shape == 'langstrings':  # a long script of ordinary lines
    write('Setup.nsi', lambda i: 'LangString Text%d ${LANG_GERMAN} "Text %d"\nLangString Text%d 1033 "Text %d"\n' % (i, i, i, i))
PY
}

seconds() {
  local start end
  start=$(date +%s.%N)
  "$@" > /dev/null 2>&1 || true
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

printf '%-36s %6s %10s %8s\n' "shape" "MB" "seconds" "growth"
for shape in minified duplicates placeholders langstrings; do
  previous=
  for megabytes in 1 10 100; do
    rm -rf "${work:?}/$shape"
    make_input "$shape" "$megabytes"
    case $shape in
      minified|duplicates) name="parlune-check, $shape"; time=$(seconds "$check" "$work/$shape") ;;
      *) name="parlune-import --no-makensis, $shape"
         time=$(seconds "$import" --no-makensis --out "$work/out" "$work/$shape/Setup.nsi") ;;
    esac
    growth=${previous:+$(printf '%.1fx' "$(echo "$time / $previous" | bc -l)")}
    printf '%-36s %6s %10.2f %8s\n' "$name" "$megabytes" "$time" "${growth:--}"
    previous=$time
  done
done
