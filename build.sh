#!/usr/bin/env bash
# Sets up a Debian 12 machine for Vantrel, then
#   ./build.sh run      builds the program and starts it;
#   ./build.sh test     builds it twice (plain, and with AddressSanitizer + UBSan), runs every
#                       test, runs each fuzz target for 30 s, then builds the Debian package
#                       and checks it;
#   ./build.sh package  builds the Debian package and prints its path last.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
if [ "$mode" != run ] && [ "$mode" != test ] && [ "$mode" != package ]; then
  echo "usage: $0 run|test|package" >&2
  exit 2
fi

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n libtag1-dev libicu-dev)
# The window's Chinese texts need a CJK font.
if [ "$mode" != package ] &&
  { ! command -v fc-list >/dev/null || [ -z "$(fc-list :lang=zh 2>/dev/null)" ]; }; then
  packages+=(fonts-wqy-microhei)
fi
# CPack finds the package's dependencies with dpkg-shlibdeps, and the binaries with file.
[ "$mode" = run ] || packages+=(dpkg-dev file)
# The package's check validates, renders and runs what the package installs.
[ "$mode" != test ] || packages+=(desktop-file-utils appstream man-db bash-completion lintian)
# The fuzz targets need clang and its runtime, which holds libFuzzer.
[ "$mode" != test ] || packages+=(clang libclang-rt-dev)
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

# Builds the release preset and the package from it; prints the package's path.
make_package() {
  cmake --preset release >/dev/null &&
    cmake --build --preset release >&2 &&
    cpack --preset release | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' | grep .
}

if [ "$mode" = run ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release
  exec build/release/vantrel
fi
if [ "$mode" = package ]; then
  deb=$(make_package)
  echo "$deb"
  exit
fi

export QT_QPA_PLATFORM=offscreen
for preset in dev asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
echo "== fuzz"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
# A fixed seed and a fresh corpus from the committed seeds, so a finding shows again on rerun.
for seeds in fuzz/corpus/*/; do
  target=$(basename "$seeds")
  corpus=build/fuzz/corpus/$target
  rm -rf "$corpus" && mkdir -p "$corpus"
  if ! "build/fuzz/fuzz/$target" -seed=1 -max_total_time=30 -timeout=10 \
    -artifact_prefix=build/fuzz/ "$corpus" "$seeds" >"$corpus.log" 2>&1; then
    tail -n 40 "$corpus.log"
    echo "$target: a fault; its input is in build/fuzz/" >&2
    exit 1
  fi
  echo "$target: $(grep -E '^(Done|round trip)' "$corpus.log" | tr '\n' ' ')"
done
echo "== package"
deb=$(make_package)
tests/package/check-package.sh "$deb"
