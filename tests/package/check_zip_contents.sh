#!/usr/bin/env bash
# The zip holds exactly the files of NSIS's plug-in layout that authors expect,
# and its docs carry the version in its name.
set -euo pipefail
zip=$1 version=$2 here=$(cd "$(dirname "$0")" && pwd)
[ -f "$zip" ] || { echo "no $zip: scripts/package.sh builds it" >&2; exit 1; }
actual=$(cmake -E tar tf "$zip" | grep -v '/$' | sort)
if ! diff -u "$here/zip-contents.txt" <(echo "$actual"); then
  echo "the zip's files differ from the expected layout (- expected, + got)" >&2
  exit 1
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && cmake -E tar xf "$zip" Docs/Parlune/README.md)
grep -q "Parlune $version" "$scratch/Docs/Parlune/README.md" || { echo "the README does not name version $version" >&2; exit 1; }
echo "$zip: $(wc -l <<<"$actual") files in NSIS's layout, docs for version $version"
