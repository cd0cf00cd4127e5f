#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it: named verdomo at the project's
# version, its library dependencies found by dpkg-shlibdeps, the client with its desktop files
# and nothing of the simulator. Argument: the build folder.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.out" 2>&1 ||
  { cat "$work/cpack.out" >&2; fail "cpack failed"; }
package=$(find "$work" -maxdepth 1 -name 'verdomo_*.deb')
[[ -n "$package" ]] || fail "no verdomo_*.deb"
echo "package: ${package##*/}"
dpkg-deb --info "$package" | tee "$work/info"
dpkg-deb --contents "$package" | tee "$work/contents"

field() { sed -n "s/^ $1: //p" "$work/info"; }
[[ $(field Package) == "verdomo" ]] || fail "the package is not named verdomo"
[[ $(field Version) == "1.6" ]] || fail "the version is not 1.6"
[[ -n $(field Maintainer) ]] || fail "no maintainer"
depends=$(field Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libcurl4 libpcre2-8-0 libpng16-16 \
  libjpeg62-turbo libminizip1 libc6 libstdc++6; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
for file in ./usr/bin/verdomo ./usr/share/applications/cn.verdomo.Verdomo.desktop \
  ./usr/share/metainfo/cn.verdomo.Verdomo.metainfo.xml \
  ./usr/share/icons/hicolor/48x48/apps/verdomo.png; do
  grep -q " $file$" "$work/contents" || fail "the package lacks $file"
done
if grep -q "verdomo-sim" "$work/contents"; then fail "the package holds the simulator"; fi
echo "1 passed, 0 failed"
