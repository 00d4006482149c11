#!/usr/bin/env bash
# The .deb, made by CPack from the install rules: it must depend on the libraries the game links,
# hold the game, its data and its desktop files, install with apt-get, run from its menu entry's
# command line and remove without a trace. Installing needs root (CI runs as root); a machine where
# the game is installed already is left alone.
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
installed=0
cleanup() {
  if [ "$installed" = 1 ]; then apt-get remove -y -qq nokturo >/dev/null 2>&1 || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.txt") ||
  fail "cpack: $(cat "$work/cpack.txt")"
deb=$(echo "$work"/nokturo_*.deb)
[ -f "$deb" ] || fail "cpack made no nokturo_*.deb"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsdl2-ttf-2.0-0 libopenmpt0 libcurl4 libpng16-16 \
  libfontconfig1 fonts-comfortaa; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done
dpkg-deb -c "$deb" >"$work/contents.txt"
for file in ./usr/bin/nokturo ./usr/share/nokturo/Data/data.oil ./usr/share/nokturo/Data/level6.vmap \
  ./usr/share/nokturo/Sounds/whatever.xm ./usr/share/applications/org.nokturo.Nokturo.desktop \
  ./usr/share/metainfo/org.nokturo.Nokturo.metainfo.xml ./usr/share/icons/hicolor/48x48/apps/nokturo.png \
  ./usr/share/man/man6/nokturo.6.gz; do
  grep -q " $file\$" "$work/contents.txt" || fail "the package lacks $file"
done

if [ "$(id -u)" -ne 0 ]; then
  echo "installing the package needs root: not tried"
  exit 77
fi
if dpkg-query -W -f='${Status}' nokturo 2>/dev/null | grep -q 'ok installed'; then
  echo "nokturo is installed on this machine already: left alone"
  exit 77
fi
# One install at a time on a shared machine.
exec 9>/tmp/nokturo-package-test.lock
flock 9
export DEBIAN_FRONTEND=noninteractive
installed=1
apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300 "$deb" >"$work/apt.txt" 2>&1 ||
  fail "apt-get install: $(cat "$work/apt.txt")"
[ "$(command -v nokturo)" = /usr/bin/nokturo ] || fail "nokturo is not on the PATH"
command=$(sed -n 's/^Exec=//p' /usr/share/applications/org.nokturo.Nokturo.desktop)
mkdir "$work/home" "$work/start"
(cd "$work/start" && env -u XDG_DATA_HOME HOME="$work/home" $command --headless --frames 240 \
  --dump "$work/s.json") || fail "the installed game did not run"
grep -q '"messages": \[\]' "$work/s.json" || fail "the installed game complained: $(grep -A3 messages "$work/s.json")"
grep -q '"ScreenState": 2' "$work/s.json" || fail "the installed game is not on its title"
apt-get remove -y -qq -o DPkg::Lock::Timeout=300 nokturo >"$work/apt.txt" 2>&1 || fail "apt-get remove: $(cat "$work/apt.txt")"
installed=0
for gone in /usr/bin/nokturo /usr/share/nokturo /usr/share/applications/org.nokturo.Nokturo.desktop \
  /usr/share/icons/hicolor/256x256/apps/nokturo.png; do
  [ ! -e "$gone" ] || fail "$gone is left after the package was removed"
done
echo "$(basename "$deb") installed, ran and was removed"
