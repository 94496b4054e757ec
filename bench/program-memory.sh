#!/usr/bin/env bash
# Peak memory of the whole program with a 40,000-game catalogue: lays out an installation
# with the stand-in emulator answering a generated listing, starts Marqueon on it (offscreen),
# waits until the lists are loaded and reads the process's VmHWM.
# Usage: bench/program-memory.sh [build directory, default build/default] [games, default 40000]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
games=${2:-40000}
work=$(mktemp -d)
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT

mkdir -p "$work/mame/roms" "$work/mame/neogeo" "$work/mame/samples" "$work/mame/snap" "$work/app/settings"
"$build/bench/make-listing" "$work/mame/standin-games.dat" "$games" >/dev/null
cp "$build/standin/mame" "$work/mame/mame"
# Every fifth game installed.
grep -P '^\tname ' "$work/mame/standin-games.dat" | awk 'NR % 5 == 0 { print $2 ".zip" }' |
  (cd "$work/mame/roms" && xargs touch)
printf '[Preferences]\r\nGameList=RetroP\r\n[Directories]\r\nMAME=%s/\r\nRetroROMs=%s/\r\nNeoGeoROMs=%s/\r\nSamples=%s/\r\nSnapshots=%s/\r\n' \
  "$work/mame" "$work/mame/roms" "$work/mame/neogeo" "$work/mame/samples" "$work/mame/snap" \
  >"$work/app/settings/options.ini"

start=$(date +%s.%N)
MARQUEON_HOME="$work/app" QT_QPA_PLATFORM=offscreen "$build/src/marqueon" &
pid=$!
# Loaded when the resident size has stopped changing for a second after the catalogue exists.
last=0
while :; do
  sleep 0.5
  [ -f "$work/app/reports/gameinfo.txt" ] || continue
  now=$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")
  [ "$now" = "$last" ] && break
  last=$now
done
ready=$(date +%s.%N)
awk '/VmHWM|VmRSS/ { printf "%s %.1f MB\n", $1, $2 / 1024 }' "/proc/$pid/status"
awk -v games="$games" -v seconds="$(awk -v a="$start" -v b="$ready" 'BEGIN { print b - a }')" \
  'BEGIN { printf "started and loaded %d games in %.1f s (extraction included; goal for peak memory: under 150 MB)\n", games, seconds }'
