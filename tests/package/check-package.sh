#!/usr/bin/env bash
# Checks the Debian package that `./build.sh package` made: the files it installs, its control
# data, the menu entry and the AppStream data as their validators read them, the manual pages
# as man renders them, the bash completion as the shell runs it, and lintian's verdict.
#   tests/package/check-package.sh build/release/vantrel_1.0.9_amd64.deb
set -uo pipefail

deb=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -e "$deb" "$work/control"
root=$work/root

passed=0
failed=0
# check NAME COMMAND...: the command's exit status decides; its output shows when it fails.
check() {
  local name=$1 output
  shift
  if output=$("$@" 2>&1); then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAIL: %s\n%s\n' "$name" "$output"
  fi
}
# same WANTED GOT: the two texts are equal.
same() {
  [ "$1" = "$2" ] || { diff <(printf '%s\n' "$1") <(printf '%s\n' "$2"); return 1; }
}
# quiet COMMAND...: succeeds, prints something on standard output and nothing on standard error.
quiet() {
  local errors
  errors=$("$@" 2>&1 >"$work/out") && [ -s "$work/out" ] && [ -z "$errors" ] ||
    { echo "$errors"; return 1; }
}

files='./usr/bin/vantrel
./usr/bin/vantrel-list
./usr/share/applications/vantrel.desktop
./usr/share/bash-completion/completions/vantrel
./usr/share/bash-completion/completions/vantrel-list
./usr/share/doc/vantrel/changelog.gz
./usr/share/doc/vantrel/copyright
./usr/share/icons/hicolor/256x256/apps/vantrel.png
./usr/share/icons/hicolor/48x48/apps/vantrel.png
./usr/share/icons/hicolor/64x64/apps/vantrel.png
./usr/share/icons/hicolor/scalable/apps/vantrel.svg
./usr/share/lintian/overrides/vantrel
./usr/share/man/man1/vantrel-list.1.gz
./usr/share/man/man1/vantrel.1.gz
./usr/share/man/zh_CN/man1/vantrel-list.1.gz
./usr/share/man/zh_CN/man1/vantrel.1.gz
./usr/share/metainfo/org.example.vantrel.metainfo.xml
./usr/share/vantrel/readme.txt'
check "the package holds exactly its files" \
  same "$files" "$(dpkg-deb -c "$deb" | grep -v '^d' | awk '{print $6}' | sort)"
check "no maintainer scripts: dpkg's triggers refresh the menu, MIME and icon caches" \
  same "control md5sums" "$(ls "$work/control" | tr '\n' ' ' | sed 's/ $//')"
check "the dependencies are the libraries the binaries link" \
  grep -Eq '(^|, )libqt6widgets6 .*(, )libqt6core6 |(^|, )libqt6core6 .*libqt6widgets6 ' \
  <<<"$(dpkg-deb -f "$deb" Depends)"
check "the file name carries the version and the architecture" \
  same "vantrel_$(dpkg-deb -f "$deb" Version)_$(dpkg-deb -f "$deb" Architecture).deb" \
  "$(basename "$deb")"

desktop=$root/usr/share/applications/vantrel.desktop
check "desktop-file-validate accepts the menu entry" \
  desktop-file-validate "$desktop"
check "the menu entry opens one file and names the installed icon" \
  same "Exec=vantrel %f Icon=vantrel" "$(grep -E '^(Exec|Icon)=' "$desktop" | tr '\n' ' ' | sed 's/ $//')"
check "appstreamcli accepts the metainfo" \
  appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.vantrel.metainfo.xml"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
check "the menu entry's command answers --version" \
  same "Vantrel $(dpkg-deb -f "$deb" Version)" \
  "$(PATH=$root/usr/bin:$PATH ${exec_line/\%f/--version})"

for page in man1/vantrel.1.gz man1/vantrel-list.1.gz zh_CN/man1/vantrel.1.gz \
  zh_CN/man1/vantrel-list.1.gz; do
  check "man renders $page without a warning" \
    quiet env LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -l "$root/usr/share/man/$page"
done
for page in man1/vantrel.1.gz man1/vantrel-list.1.gz; do
  check "man renders $page on an ASCII terminal without a warning" \
    quiet env LC_ALL=C MANWIDTH=80 man --warnings=w -l "$root/usr/share/man/$page"
done

# complete COMMAND WORD...: what Tab offers for the words, the last being the one completed,
# one a line and sorted, in a shell of its own in the folder with the test's files.
complete() {
  (cd "$work/files" && bash --norc --noprofile -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    function=$(complete -p "$1" | sed "s/.*-F \([^ ]*\) .*/\1/")
    "$function" "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf "%s\n" "${COMPREPLY[@]}" | sort' _ \
    "$root/usr/share/bash-completion/completions/$1" "$@")
}
mkdir -p "$work/files/folder"
touch "$work/files/"{car.m3u,old.PLS,notes.txt,song.mp3}
check "vantrel-list con<Tab> completes the command" \
  same "convert" "$(complete vantrel-list con)"
check "vantrel-list show <Tab> offers lists and folders" \
  same "car.m3u folder old.PLS" "$(complete vantrel-list show '' | tr '\n' ' ' | sed 's/ $//')"

check "lintian finds no error and no warning" \
  lintian --fail-on error,warning "$deb"

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
