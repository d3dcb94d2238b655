#!/usr/bin/env bash
# The Debian package, made from the build folder with cpack: its control fields, its contents,
# and the desktop file and AppStream data it installs, checked by their own validators.
# Usage: package.sh BUILD_FOLDER
set -u
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

(cd "$build" && cpack -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log"; fail "cpack"; }
deb=$(ls "$tmp"/solo-whist_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no package was made"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = solo-whist ] || fail "Package is $(field Package)"
[ "$(field Section)" = games ] || fail "Section is $(field Section)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is $(field Architecture)"
[[ "$(basename "$deb")" == "solo-whist_$(field Version)_amd64.deb" ]] || fail "file name $(basename "$deb")"
for lib in libqt6widgets6 libqt6multimedia6 libstdc++6; do
  field Depends | grep -q "$lib" || fail "Depends lacks $lib: $(field Depends)"
done
[ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "no Maintainer or Description"

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's#^\./#/#' >"$tmp/contents"
for path in /usr/games/solo-whist /usr/games/solo-sim \
            /usr/share/applications/net.solowhist.SoloWhist.desktop \
            /usr/share/metainfo/net.solowhist.SoloWhist.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/solo-whist.svg \
            /usr/share/icons/hicolor/48x48/apps/solo-whist.png \
            /usr/share/icons/hicolor/256x256/apps/solo-whist.png \
            /usr/share/man/man6/solo-whist.6.gz /usr/share/man/man6/solo-sim.6.gz \
            /usr/share/solo-whist/Card.wav /usr/share/solo-whist/shuffle.wav; do
  grep -qx "$path" "$tmp/contents" || fail "the package lacks $path"
done
grep -qE '^/usr/(bin|local)/' "$tmp/contents" && fail "files outside the places for games"

dpkg-deb -x "$deb" "$tmp/root"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$tmp/root/usr/share/applications/net.solowhist.SoloWhist.desktop" || fail "desktop file"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/net.solowhist.SoloWhist.metainfo.xml" ||
    fail "AppStream data"
fi
"$tmp/root/usr/games/solo-sim" --version | grep -q "$(field Version)" || fail "solo-sim --version"

echo "$failures failed"
[ "$failures" = 0 ]
