#!/usr/bin/env bash
# Self-update with the real client and the real simulator on a virtual display. The update host
# publishes 1.7 and serves a package, made with zip, whose executable is a small script that
# notes where it was started. A copy of the client in a folder of its own shows the update
# window, downloads and unpacks the package into that folder, starts the new executable and
# ends. Then a later start of a client in that folder removes an executable an update moved
# aside. Run under xvfb-run (ctest does); arguments: client, simulator, screenshot folder.
set -euo pipefail
client=$1 simulator=$2 shots=$3

e2e_name=update
source "$(dirname "$0")/e2e_common.sh"

run="$work/run"
mkdir -p "$run" "$work/package" "$work/elsewhere"
cp "$client" "$run/verdomo"

# The new client: not marked executable in the package, so the update has to mark it. It notes
# the folder it runs in beside itself.
printf '#!/bin/sh\npwd > "%s/started.txt"\n' "$run" >"$work/package/verdomo"
chmod 644 "$work/package/verdomo"
echo "Verdomo 1.7" >"$work/package/readme.txt"
(cd "$work/package" && zip -q "$work/ostrel.zip" verdomo readme.txt)

start_simulator --published-version 1.7 --package "$work/ostrel.zip"

# Started from another current directory: the update still lands beside the executable.
(cd "$work/elsewhere" && exec "$run/verdomo" --server-host 127.0.0.1 --port-offset "$offset" \
  --update-host "127.0.0.1:$update_port" --store-dir "$work/store") >"$work/client.out" 2>&1 &
client_pid=$!

wait_for_window - 300 '用户端更新' "update window"
import -window root "$shots/update_window.png"
wait_for 300 bash -c "! kill -0 $client_pid 2>/dev/null" || fail "the old client did not end"
wait "$client_pid" || fail "the old client ended with status $?"
client_pid=

wait_for 100 test -s "$run/started.txt" || fail "the new executable was not started"
# It was started from the run directory and, as any program started by the old one, runs in
# the old one's current directory.
[ "$(cat "$run/started.txt")" = "$work/elsewhere" ] || fail "the new executable ran in $(cat "$run/started.txt")"
cmp -s "$run/verdomo" "$work/package/verdomo" || fail "the executable was not replaced"
[ -x "$run/verdomo" ] || fail "the new executable is not executable"
[ "$(cat "$run/readme.txt")" = "Verdomo 1.7" ] || fail "the package was not unpacked"
[ ! -e "$run/用户端.zip" ] || fail "the package was not deleted"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the update wrote into the current directory"
# This system lets the update delete the old executable while it still runs.
[ ! -e "$run/verdomo.gx" ] || fail "the old executable is still there"
grep -q "/ostrel.zip" "$work/requests.log" || fail "no package request"

# Where the old executable could not be deleted during the update (Windows keeps a running
# program's file), the next start removes it. A real client stands in the folder again, with
# such a leftover beside it; its update host is unreachable, which is no update.
cp "$client" "$run/verdomo"
echo "old client" >"$run/verdomo.gx"
"$run/verdomo" --server-host 127.0.0.1 --port-offset "$offset" --update-host "127.0.0.1:1" \
  --store-dir "$work/store" >>"$work/client.out" 2>&1 &
second_pid=$!
wait_for_window - 300 '^Verdomo$' "login window"
[ ! -e "$run/verdomo.gx" ] || fail "the next start did not remove the moved executable"
import -window root "$shots/update_next_start.png"
echo "1 passed, 0 failed"
