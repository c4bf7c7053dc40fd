#!/usr/bin/env bash
# Builds and runs the example from the unpacked zip alone (scripts/try-package.sh)
# and compares the texts it installed with the expected ones.
set -euo pipefail
options=()  # try-package.sh's own, before the zip
while [[ $1 == --* ]]; do options+=("$1"); shift; done
zip=$1 work=$2 prefix_root=$3 expected=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)
"$here/../../scripts/try-package.sh" "${options[@]}" "$zip" "$work" "$prefix_root" "$@" > "$work.out"
if diff -u "$expected" "$work.out"; then
  echo "the example built from the zip alone installed and uninstalled as expected"
else
  echo "the example's texts differ (- expected, + got)" >&2
  exit 1
fi
