#!/usr/bin/env bash
# Sets up, builds and runs every test: once in the normal build and once in
# a build with AddressSanitizer and UndefinedBehaviorSanitizer.
#
#   scripts/run-tests.sh [--no-sanitize] [--sanitize-only]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
normal=1 sanitized=1
for arg in "$@"; do
  case $arg in
    --no-sanitize) sanitized=0 ;;
    --sanitize-only) normal=0 ;;
    *) echo "usage: $0 [--no-sanitize] [--sanitize-only]" >&2; exit 2 ;;
  esac
done

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

if [ $normal = 1 ]; then
  "$root/scripts/setup.sh" "$root/build"
  ctest --test-dir "$root/build" --output-on-failure -j "$jobs" --timeout 900
fi

if [ $sanitized = 1 ]; then
  "$root/scripts/setup.sh" "$root/build-asan" -DQUILTARA_SANITIZE=address,undefined
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp \
    ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs" --timeout 1800
fi
