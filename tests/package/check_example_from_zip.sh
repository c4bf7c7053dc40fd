#!/usr/bin/env bash
# Builds and runs the example from the unpacked zip alone (scripts/try-package.sh)
# and compares the texts it installed with the expected ones.
set -euo pipefail
zip=$1 work=$2 prefix_root=$3 expected=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)
"$here/../../scripts/try-package.sh" "$zip" "$work" "$prefix_root" "$@" > "$work.out"
if diff -u "$expected" "$work.out"; then
  echo "the example built from the zip alone installed and uninstalled as expected"
else
  echo "the example's texts differ (- expected, + got)" >&2
  exit 1
fi
