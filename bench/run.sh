#!/usr/bin/env bash
# Builds the optimised preset and runs every benchmark; each prints its baseline times and the
# ratio of every figure to its baseline, both measured in the same run. The search benchmark runs
# offscreen and again on an Xvfb display, where the scan paints as on a real one.
set -euo pipefail
cd "$(dirname "$0")/.."

# The display run needs Xvfb (xvfb-run uses xauth); a machine without them gets them here.
if ! command -v xvfb-run >/dev/null || ! command -v xauth >/dev/null; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: xvfb xauth"
  { "${sudo[@]}" apt-get update -qq &&
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xvfb xauth >/dev/null; } ||
    echo "Xvfb could not be installed: the search runs offscreen only" >&2
fi

cmake --preset release >/dev/null
cmake --build --preset release
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(date -u '+%Y-%m-%d %H:%M UTC')"
export QT_QPA_PLATFORM=offscreen
for bench in build/release/bench/bench_*; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  echo "== $(basename "$bench") ($QT_QPA_PLATFORM)"
  "$bench"
done
if command -v xvfb-run >/dev/null; then
  echo "== bench_search (xcb on Xvfb)"
  xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb build/release/bench/bench_search
fi
