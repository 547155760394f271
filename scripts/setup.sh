#!/usr/bin/env bash
# Installs the Debian packages Quiltara needs (quiet when everything is
# there already) and builds the project.
#
#   scripts/setup.sh [BUILD_DIR [CMAKE_OPTIONS...]]
#
# BUILD_DIR defaults to build/ in the source tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

missing=()
while read -r package; do
  case $package in ''|'#'*) continue ;; esac
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done < "$root/scripts/packages.txt"

if [ ${#missing[@]} -gt 0 ]; then
  sudo=
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

build=${1:-$root/build}
[ $# -gt 0 ] && shift
cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build"
