#!/usr/bin/env bash
# The installed game. `cmake --install` into a fresh prefix; the menu entry, the AppStream file, the
# icons and the manual checked; the game played from an unrelated folder with a fresh HOME to the
# options, a name applied, out by the exit path: Config.cfg must be in the player's data folder and
# nothing in the folder it was started from. A moved prefix still finds its data, and a folder
# holding Data/ (build/game/ among them) is played where it is.
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >/dev/null
game=$prefix/bin/nokturo

# What the desktop's menu and a software centre read.
desktop-file-validate "$prefix"/share/applications/*.desktop
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >"$work/appstream.txt" ||
  fail "the AppStream file does not validate: $(cat "$work/appstream.txt")"
icons=$prefix/share/icons/hicolor
for size in 48 128 256; do
  file "$icons/${size}x$size/apps/nokturo.png" | grep -q "PNG image data, $size x $size," ||
    fail "no $size-pixel icon"
done
grep -q '<svg' "$icons/scalable/apps/nokturo.svg" || fail "no scalable icon"
# The manual names every option the game knows (roff writes a '-' as '\-').
zcat "$prefix/share/man/man6/nokturo.6.gz" >"$work/nokturo.6"
for option in $("$game" --help | grep -o -- '--[a-z-]*' | sort -u); do
  grep -qF -- "${option//-/\\-}" "$work/nokturo.6" || fail "the manual page lacks $option"
done

# Options, the name field, edit, type, stop editing, Apply; then Esc and Yes: the exit path.
cat >"$work/name.txt" <<'SCRIPT'
0 tap Space
5 tap Down
10 tap Enter
15 tap Up
20 tap Enter
25 type Васька
45 tap Enter
50 tap Down
55 tap Enter
70 tap Escape
75 tap Up
80 tap Enter
SCRIPT
play() {  # FOLDER GAME [env assignments]: the name script, from FOLDER
  local folder=$1 binary=$2
  shift 2
  (cd "$folder" && env -u XDG_DATA_HOME "$@" "$binary" --headless --seed 1 --script "$work/name.txt" \
    --frames 600 --dump "$work/played.json")
  grep -q '"ScreenState": 20' "$work/played.json" || fail "the run did not leave by the exit path"
  grep -q '"messages": \[\]' "$work/played.json" || fail "the game complained: $(grep -A3 messages "$work/played.json")"
}

home=$work/home start=$work/start
mkdir -p "$home" "$start"
play "$start" "$game" HOME="$home"
[ -z "$(ls -A "$start")" ] || fail "the game wrote into the folder it was started from: $(ls -A "$start")"
config=$home/.local/share/nokturo/Config.cfg
[ -f "$config" ] || fail "no $config"
[ "$(stat -c %a "$home/.local/share/nokturo")" = 700 ] || fail "the player's data folder is open to others"
# The name is in that file: a game folder made of it and the installed data shows it.
mkdir "$work/check"
cp "$config" "$work/check/"
ln -s "$prefix/share/nokturo/Data" "$work/check/Data"
"$game" --headless --frames 1 --workdir "$work/check" --dump "$work/check.json"
grep -q '"PlayerName": "Васька"' "$work/check.json" || fail "the name is not in $config"

# A prefix moved elsewhere finds its data beside its program; XDG_DATA_HOME moves the player's folder.
mv "$prefix" "$work/moved"
moved=$work/moved/bin/nokturo
(cd "$start" && HOME="$home" XDG_DATA_HOME="$work/xdg" "$moved" --print-paths) >"$work/paths.txt"
for expected in "^installed layout" "^  Data/ *$work/moved/share/nokturo/Data/\$" \
  "^  Config.cfg *$work/xdg/nokturo/Config.cfg  (not there)\$"; do
  grep -q "$expected" "$work/paths.txt" || fail "--print-paths does not say $expected: $(cat "$work/paths.txt")"
done

# A folder holding Data/ is a game folder: Config.cfg is kept in it and the player's file is untouched.
before=$(md5sum <"$config")
folder=$work/folder
mkdir "$folder"
ln -s "$work/moved/share/nokturo/Data" "$work/moved/share/nokturo/Sounds" "$folder/"
play "$folder" "$moved" HOME="$home"
[ -f "$folder/Config.cfg" ] || fail "no Config.cfg in the game folder"
[ "$(md5sum <"$config")" = "$before" ] || fail "the game folder's run wrote the player's Config.cfg"
(cd "$build/game" && ./nokturo --print-paths) >"$work/built.txt"
grep -q "^portable layout" "$work/built.txt" && grep -q "^  Config.cfg *$build/game/Config.cfg" "$work/built.txt" ||
  fail "build/game/ is not played where it is: $(cat "$work/built.txt")"
echo "installed, played and checked in $work"
