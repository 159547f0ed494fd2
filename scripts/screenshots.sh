#!/usr/bin/env bash
# Pictures of the real program for the help page, taken under Wine on a virtual display into
# build/help (placeholder until the features are in).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "${TAMBOREL_BUILD:-$top/build}/help"
