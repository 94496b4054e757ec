#!/usr/bin/env bash
# Builds Marqueon and runs the whole test suite, first as released, then under
# AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

# mame for the emulator suites; the rest builds and checks the Debian package.
scripts/install-deps.sh mame dpkg-dev file desktop-file-utils appstream

for preset in default asan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
