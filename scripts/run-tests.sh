#!/usr/bin/env bash
# Builds Marqueon and runs the whole test suite, first as released, then under
# AddressSanitizer and UndefinedBehaviorSanitizer; then runs every fuzz target for a short
# while. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

# mame for the emulator suites; dpkg-dev, file, desktop-file-utils, appstream and lintian to build
# and check the Debian package; clang and its runtime libraries (libFuzzer, the sanitizers) build
# the fuzz targets.
scripts/install-deps.sh mame dpkg-dev file desktop-file-utils appstream lintian clang libclang-rt-dev

for preset in default asan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

# Each fuzz target for twenty seconds from its seeds; its log is kept beside the build.
echo "== fuzz"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
failed=()
for corpus in fuzz/corpus/*/; do
  target=$(basename "$corpus")
  log=build/fuzz/$target.log
  if MARQUEON_FUZZ_BUILD=no scripts/fuzz.sh "$target" 20 >"$log" 2>&1; then
    echo "$target: $(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)"
  else
    tail -n 40 "$log"
    failed+=("$target")
  fi
done
if ((${#failed[@]})); then
  echo "Fuzz targets that failed: ${failed[*]} (inputs in build/fuzz/artifacts/)" >&2
  exit 1
fi
