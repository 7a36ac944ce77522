#!/usr/bin/env bash
# Writes one list of awkward names in every format Vantrel saves, lets real players read each
# file, and prints how many entries each player read as the right file. Not part of the test
# run: the players are heavy. Needs a dev build (cmake --build --preset dev) and the readers of
#   ../shared/tools/clients/read-playlist.sh   (see its README for the packages).
#
#   tests/players/check-players.sh [absolute|relative]
#
# absolute: the list lies elsewhere and names every file by its full path (rows added by Add);
# relative: the list lies beside the files and names them relative to itself.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
reader=${READ_PLAYLIST:-$root/../shared/tools/clients/read-playlist.sh}
mode=${1:-absolute}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Writes the list named $1 (M3U8, one entry a line, read by Vantrel itself) in every format.
cat >"$work/save.cpp" <<'EOF'
#include "playlist/playlistfile.h"
#include <cstdio>
int main(int, char **argv) {
    const QString list = QString::fromLocal8Bit(argv[1]);
    const Result<LoadedPlaylist> loaded = loadPlaylistFile(list);
    if (!loaded.ok())
        return std::fprintf(stderr, "%s\n", qPrintable(loaded.error())), 1;
    for (const char *extension : {"pls", "m3u", "m3u8", "ram", "asx", "xspf"}) {
        const QString target = QString::fromLocal8Bit(argv[2]) + "/list." + extension;
        const Result<void> saved = savePlaylistFile(target, loaded.value().rows);
        if (!saved.ok())
            return std::fprintf(stderr, "%s\n", qPrintable(saved.error())), 1;
    }
}
EOF
# The core reads tags with TagLib.
# shellcheck disable=SC2046 # pkg-config's flags are meant to split
g++ -std=c++17 -fPIC -I"$root" $(pkg-config --cflags Qt6Core taglib) "$work/save.cpp" \
    "$root/build/dev/libvantrel_core.a" $(pkg-config --libs Qt6Core taglib) -o "$work/save"

media="$work/媒体 文件夹"
long=$media/$(printf '长%.0s' {1..60})/$(printf '歌%.0s' {1..40}).mp3
names=("中文歌曲.mp3" "my song.mp3" "rock & roll.mp3" "a<b>.mp3" "track #1.mp3"
    "literal%20name.mp3" "don't stop.mp3" "nodot")
mkdir -p "$(dirname "$long")"
# An MP3 header: players sniff a name without a known extension by its content.
id3() { printf 'ID3\3\0\0\0\0\0\0' >"$1"; }
id3 "$long"
expected=()
for name in "${names[@]}"; do
    id3 "$media/$name"
    expected+=("$media/$name")
done
expected+=("$long" "$media/missing.mp3" "http://radio.example.com/live.mp3")

if [ "$mode" = relative ]; then
    lists=$media
    printf '%s\n' "${expected[@]#"$media/"}" >"$lists/source.m3u8"
else
    lists=$work/lists
    mkdir -p "$lists"
    printf '%s\n' "${expected[@]}" >"$lists/source.m3u8"
fi
"$work/save" "$lists/source.m3u8" "$lists"

printf '%-6s' format
for client in vlc mpv mpv-playlist totem; do printf "%14s" "$client"; done
echo "   (of ${#expected[@]}, $mode)"
for format in pls m3u m3u8 ram asx xspf; do
    printf '%-6s' "$format"
    for client in vlc mpv mpv-playlist totem; do
        if ! "$reader" "$client" "$lists/list.$format" >"$work/read" 2>/dev/null; then
            printf "%14s" "-"
            continue
        fi
        found=0
        for entry in "${expected[@]}"; do
            if grep -qxF -- "$entry" "$work/read"; then found=$((found + 1)); fi
        done
        printf "%14s" "$found"
    done
    echo
done
