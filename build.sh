#!/usr/bin/env bash
# Sets up a Debian 12 machine for Vantrel, then
#   ./build.sh run    builds the program and starts it;
#   ./build.sh test   builds it twice (plain, and with AddressSanitizer + UBSan) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
if [ "$mode" != run ] && [ "$mode" != test ]; then
  echo "usage: $0 run|test" >&2
  exit 2
fi

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n libtag1-dev)
# The window's Chinese texts need a CJK font.
if ! command -v fc-list >/dev/null || [ -z "$(fc-list :lang=zh 2>/dev/null)" ]; then
  packages+=(fonts-wqy-microhei)
fi
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null | grep -q '^ii' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

if [ "$mode" = run ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release
  exec build/release/vantrel
fi

export QT_QPA_PLATFORM=offscreen
for preset in dev asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
