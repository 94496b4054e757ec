#!/usr/bin/env bash
# Runs one libFuzzer target for a while from its seed corpus, with its dictionary.
# Usage: fuzz.sh TARGET SECONDS [libFuzzer options...]
# TARGET is a file name under fuzz/ without .cpp (ListXml, IniFile ...). The target is built with
# the fuzz preset first (MARQUEON_FUZZ_BUILD=no skips that). The corpus grows in a scratch copy,
# so the repository is left as it is; inputs that fail are kept in build/fuzz/artifacts/.
# Exits non-zero when an input crashes, trips a sanitizer, runs over a second or over 512 MB.
set -euo pipefail
cd "$(dirname "$0")/.."

if (($# < 2)); then
  echo "Usage: $0 TARGET SECONDS [libFuzzer options...]" >&2
  exit 2
fi
target=$1
seconds=$2
shift 2
if [ ! -d "fuzz/corpus/$target" ]; then
  echo "No fuzz target $target; there are: $(ls fuzz/corpus | tr '\n' ' ')" >&2
  exit 2
fi

if [ "${MARQUEON_FUZZ_BUILD:-yes}" != no ]; then
  [ -f build/fuzz/CMakeCache.txt ] || cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz
fi

# In memory where there is such a place: every write of a whole file is flushed to the disk.
scratch=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -R "fuzz/corpus/$target" "$scratch/corpus"
mkdir -p build/fuzz/artifacts
# The targets' own scratch files go to the same place. A smaller quarantine for freed memory
# keeps AddressSanitizer's own share well below the memory limit, and so do allocation stacks of
# two frames: Qt is built without frame pointers, so deeper ones pick up stray words, each stack
# then unique and kept for good (hundreds of megabytes in an hour). Run a failing input again
# without these options for the whole stacks.
ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=2} TMPDIR=$scratch build/fuzz/fuzzers/"$target" "$scratch/corpus" \
  -dict="fuzz/dict/$target.dict" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=512 \
  -artifact_prefix="build/fuzz/artifacts/$target-" -print_final_stats=1 "$@"
