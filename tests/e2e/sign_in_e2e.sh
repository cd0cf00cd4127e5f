#!/usr/bin/env bash
# The real client against the real simulator on a virtual display: the client reaches its login
# window, a user types the demo account's name and password and signs in, and the simulator's
# request log shows the sign-in. Run under xvfb-run (ctest does); arguments: client, simulator,
# and a folder for the screenshots.
set -euo pipefail
client=$1 simulator=$2 shots=$3

e2e_name=sign_in
source "$(dirname "$0")/e2e_common.sh"
start_simulator

"$client" --server-host 127.0.0.1 --port-offset "$offset" --update-host "127.0.0.1:$update_port" \
  --segment-url "https://127.0.0.1:$segment_port" --store-dir "$work/store" \
  >"$work/client.out" 2>&1 &
client_pid=$!

wait_for_window login 300 '^Verdomo$' "login window"
grep -q "/yh.txt" "$work/requests.log" || fail "start-up did not ask the update host"
grep -q "/sign/username=&password=" "$work/requests.log" || fail "start-up did not ask for the support QQ"

# Click into the user name box, type, move on to the password, type, press Enter (登录 is the
# window's default button). Positions are those of the window design.
xdotool mousemove --window "$login" 250 153 click 1
xdotool type --delay 20 "demo01"
xdotool mousemove --window "$login" 250 191 click 1
xdotool type --delay 20 "demo2026"
import -window root "$shots/sign_in_typed.png"
xdotool key Return

for _ in $(seq 100); do
  grep -q "/sign/username=demo01&password=demo2026" "$work/requests.log" && break
  sleep 0.1
done
grep -q "/sign/username=demo01&password=demo2026" "$work/requests.log" || fail "no sign-in request"
wait_for_window - 300 '用户端公告' "notice window"
sleep 0.5
import -window root "$shots/sign_in_notice.png"
echo "1 passed, 0 failed"
