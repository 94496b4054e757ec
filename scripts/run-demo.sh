#!/usr/bin/env bash
# Builds Marqueon and starts it on the bundled demo: a stand-in emulator with a small
# catalogue, some ROM archives and snapshots. The demo lives in build/demo and keeps its
# settings from one start to the next.
set -euo pipefail
cd "$(dirname "$0")/.."

extra=()
headless=0
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  headless=1
  extra+=(xvfb xauth)
fi
scripts/install-deps.sh "${extra[@]}"

cmake --preset default >/dev/null
cmake --build --preset default --target marqueon standin-mame

demo="$PWD/build/demo"
tools/demo/make-demo.sh "$demo" "$PWD/build/default/standin/mame"

export MARQUEON_HOME="$demo/app"
if ((headless)); then
  echo "No display found: starting Marqueon on a virtual one (xvfb-run)."
  exec xvfb-run -a build/default/src/marqueon
fi
exec build/default/src/marqueon
