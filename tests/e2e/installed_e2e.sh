#!/usr/bin/env bash
# The client installed as a Linux desktop expects: `cmake --install` of the client component into
# a temporary prefix gives the executable, the desktop entry, the icons and the AppStream
# metadata and nothing of the simulator; the desktop and AppStream validators accept the files;
# the installed client tells its version, and started from the prefix, in another folder, it
# shows its login window against the simulator. Run under xvfb-run (ctest does); arguments:
# build folder, simulator, screenshot folder.
set -euo pipefail
build=$1 simulator=$2 shots=$3

e2e_name=installed
source "$(dirname "$0")/e2e_common.sh"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" --component client >/dev/null ||
  fail "the install failed"

expected=(
  bin/verdomo
  share/applications/cn.verdomo.Verdomo.desktop
  share/metainfo/cn.verdomo.Verdomo.metainfo.xml
)
for size in 16 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x$size/apps/verdomo.png")
  [[ $(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x$size/apps/verdomo.png") == \
    "${size}x$size" ]] || fail "the ${size}-pixel icon has another size"
done
mapfile -t installed < <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
mapfile -t expected < <(printf '%s\n' "${expected[@]}" | sort)
[[ "${installed[*]}" == "${expected[*]}" ]] ||
  fail "installed: ${installed[*]}; expected: ${expected[*]}"
[[ -x "$prefix/bin/verdomo" ]] || fail "the client is not executable"

desktop-file-validate "$prefix/share/applications/cn.verdomo.Verdomo.desktop" ||
  fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/cn.verdomo.Verdomo.metainfo.xml" ||
  fail "appstreamcli refused the metadata"
grep -q '<release version="1.6"' "$prefix/share/metainfo/cn.verdomo.Verdomo.metainfo.xml" ||
  fail "the metadata names another release"

[[ $("$prefix/bin/verdomo" --version) == "1.6" ]] || fail "--version did not print 1.6"
"$prefix/bin/verdomo" --help | grep -q -- "--version" || fail "--help does not mention --version"

# Started from the prefix, in a folder of its own, the installed client opens its login window.
start_simulator
mkdir -p "$work/elsewhere"
(cd "$work/elsewhere" && exec "$prefix/bin/verdomo" --server-host 127.0.0.1 \
  --port-offset "$offset" --update-host "127.0.0.1:$update_port" \
  --segment-url "https://127.0.0.1:$segment_port" --store-dir "$work/store") \
  >"$work/client.out" 2>&1 &
client_pid=$!
wait_for_window - 300 '^Verdomo$' "login window"
sleep 1
import -window root "$shots/installed.png"
echo "1 passed, 0 failed"
