#!/usr/bin/env bash
# Runs one test suite with a home, XDG folders and a temporary folder of its own, made afresh, and
# fails it when anything was written into that home: a test that forgot to give itself a sandbox
# would have written into the user's real files (today's emulator keeps ~/.mame/mame.ini there).
# Usage: run-sandboxed.sh <test program> [arguments...]
set -uo pipefail
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/home" "$root/cache" "$root/tmp"
mkdir -m 700 "$root/runtime"
export HOME=$root/home XDG_CONFIG_HOME=$root/home/.config XDG_DATA_HOME=$root/home/.local/share \
  XDG_STATE_HOME=$root/home/.local/state XDG_CACHE_HOME=$root/cache XDG_RUNTIME_DIR=$root/runtime TMPDIR=$root/tmp
"$@"
status=$?
written=$(cd "$root/home" && find . -mindepth 1 | sort | head -20)
if [ -n "$written" ]; then
  echo "FAIL: the suite wrote into the home folder instead of its sandbox:" >&2
  echo "$written" >&2
  exit 1
fi
exit "$status"
