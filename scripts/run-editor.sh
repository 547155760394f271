#!/usr/bin/env bash
# Sets up, builds and starts the editor. Arguments go to the editor (a .CLG
# file to open, for example).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build"
exec "$root/build/bin/quiltara" "$@"
