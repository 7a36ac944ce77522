#!/usr/bin/env bash
# Makes the songs that tst_tags reads, from silence, with Debian's sox, lame, flac and
# vorbis-tools. Their files are kept, so the tests need none of these tools.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

sox -n -r 8000 -c 1 -b 16 "$work/2s.wav" trim 0 2
lame --quiet -b 8 -m m --id3v2-only --id3v2-utf16 --tt "Morning Song" --ta "王菲" --tl "Eyes" \
  --tn 3 "$work/2s.wav" tagged.mp3

sox -n -r 8000 -c 1 -b 16 "$work/3s.wav" trim 0 3
flac --silent -f -o tagged.flac "$work/3s.wav"
metaflac --set-tag="TITLE=夜曲" --set-tag="ARTIST=周杰伦" --set-tag="ALBUM=十一月的萧邦" \
  --set-tag="TRACKNUMBER=1" tagged.flac
metaflac --remove --block-type=PADDING --dont-use-padding tagged.flac

# 1.6 seconds: a length that rounds up.
sox -n -r 11025 -c 1 -b 16 "$work/1.6s.wav" trim 0 1.6
oggenc --quiet -q 0 -s 1 -t "Ogg Title" -a "Vorbis Artist" -l "Ogg Album" -N 12 -o tagged.ogg \
  "$work/1.6s.wav"
