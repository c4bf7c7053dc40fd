#!/usr/bin/env bash
# Sets up the Wine prefix the tests share, when it is missing.
#   wine_prefix.sh PREFIX_ROOT
set -euo pipefail
# shellcheck source=wine_env.sh
source "$(dirname "$0")/wine_env.sh" "$1"
