#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it as a user meets it: its fields and
# files, its desktop entry and metadata, and an installed copy that keeps its files in the user's
# data folder, while the copy in the build folder keeps them beside itself.
# Usage: TestPackage.sh <build folder> <stand-in mame> <stand-in demo folder> <version> <application id>
set -euo pipefail
build=$(realpath "$1") standin=$2 demo=$3 version=$4 id=$5
work=$(realpath "$(mktemp -d)")
pid=
trap '[ -z "$pid" ] || kill "$pid"; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 || fail "cpack: $(cat "$work/cpack.log")"
deb=$work/package/marqueon_${version}_$(dpkg --print-architecture).deb
info=$(dpkg-deb --info "$deb")
for field in "Package: marqueon" "Version: $version" "Section: games" "Recommends: mame" "Maintainer: ." \
  "Depends: .*qt6-qpa-plugins.*libqt6widgets6" "Description: front end for the arcade emulator MAME"; do
  grep -q "^ $field" <<<"$info" || fail "no '$field' in: $info"
done
[ "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sort | xargs)" = "./control ./md5sums" ] || fail "maintainer scripts"
expected=$(LC_ALL=C sort <<EOT
./usr/games/marqueon
./usr/share/marqueon/retro.txt
./usr/share/applications/$id.desktop
./usr/share/metainfo/$id.metainfo.xml
./usr/share/man/man6/marqueon.6.gz
./usr/share/doc/marqueon/copyright
./usr/share/doc/marqueon/changelog.gz
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/128x128/apps/$id.png
./usr/share/icons/hicolor/256x256/apps/$id.png
EOT
)
contents=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort)
[ "$contents" = "$expected" ] || fail "the package holds: $contents"

root=$work/root
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
# Debian's own check of the package, errors and warnings alike (it dislikes being run as root).
lintian --fail-on error,warning --allow-root "$deb" >"$work/lintian.log" 2>&1 || fail "lintian: $(cat "$work/lintian.log")"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" ||
  fail "metainfo: $(cat "$work/appstream.log")"
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" || fail "the desktop entry's icon"

# A fresh user: no display for the answers on the console, no MARQUEON_HOME.
home=$work/home data=$work/home/.local/share/marqueon program=$root/usr/games/marqueon
user=(env -u MARQUEON_HOME -u XDG_DATA_HOME -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" QT_QPA_PLATFORM=xcb)
[ "$("${user[@]}" "$program" --version)" = "Marqueon $version" ] || fail "--version"
help=$("${user[@]}" "$program" --help)
grep -qxF "  $data/" <<<"$help" && grep -qxF "  $root/usr/share/marqueon/retro.txt" <<<"$help" || fail "installed: $help"
[ ! -e "$data" ] || fail "--help made $data"
help=$("${user[@]}" "$build/src/marqueon" --help)
grep -qxF "  $build/src/" <<<"$help" && grep -qxF "  $build/src/retro.txt" <<<"$help" || fail "build folder: $help"
status=0
"${user[@]}" "$program" --bogus 2>"$work/error" || status=$?
[ $status -eq 2 ] && grep -q "unknown option '--bogus'" "$work/error" || fail "--bogus: status $status"

# The installed copy reads its options from the user's folder and builds its game list there.
mame=$work/mame
mkdir -p "$mame"/{roms,neogeo,samples,snap} "$data/settings"
cp "$standin" "$mame/mame"
cp "$demo/standin-games.dat" "$mame/"
printf '[Preferences]\r\nGameList=RetroP\r\nHideClones=False\r\nCloneShots=False\r\nDisableHotKeys=True\r
UseStarfield=True\r\nBackColor=0\r\nForeColor=0\r\n[Directories]\r\nMAME=%s/\r\nRetroROMs=%s/roms/\r
NeoGeoROMs=%s/neogeo/\r\nSamples=%s/samples/\r\nSnapshots=%s/snap/\r\n' "$mame" "$mame" "$mame" "$mame" "$mame" \
  >"$data/settings/options.ini"
"${user[@]}" QT_QPA_PLATFORM=offscreen "$program" &
pid=$!
for _ in $(seq 300); do
  [ -s "$data/reports/gameinfo.txt" ] && break
  sleep 0.1
done
[ -s "$data/reports/gameinfo.txt" ] || fail "no game list in $data/reports"
kill "$pid"
wait "$pid" || true
pid=
[ -z "$(find "$root" -name settings -o -name reports)" ] || fail "files beside the installed program"
echo "PASS: $(basename "$deb"), $(du -k "$deb" | cut -f1) KB"
