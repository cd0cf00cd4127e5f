#!/usr/bin/env bash
# Receiving codes with the real client and the real simulator on a virtual display: signed in
# with the remembered demo account, the user takes three numbers for the first favourite
# project, and the three SMS arrive; a double-click on each row copies its code. The release
# button then gives the numbers back. The simulator's request log shows the takes, the polls,
# the segment lookups and the releases. Run under xvfb-run (ctest does); arguments: client,
# simulator, screenshot folder.
set -euo pipefail
client=$1 simulator=$2 shots=$3

e2e_name=receive
source "$(dirname "$0")/e2e_common.sh"

start_simulator --sms-delay 2

start_signed_in_client

# Positions are those of the window design: 收短信, the quantity box, 获取手机号码.
xdotool mousemove --window "$main" 47 40 click 1
sleep 0.5
xdotool mousemove --window "$main" 578 134 click --repeat 3 1
xdotool type "3"
xdotool mousemove --window "$main" 678 134 click 1

take="/yh_qh/username=demo01&password=demo2026&id=1021&operator=&region=&card=&loop=1"
wait_for 100 at_least "$take" 3 || fail "three takes were not sent"
wait_for 100 at_least "/cc/json/mobile_tel_segment.htm?tel=" 3 || fail "no province lookups"
wait_for 150 at_least "/yh_qm/username=demo01&password=demo2026&id=1021&phone=" 3 ||
  fail "the numbers were not polled"
mapfile -t phones < <(grep -o "/yh_qm/username=demo01&password=demo2026&id=1021&phone=[0-9]*" \
  "$work/requests.log" | sed 's/.*phone=//' | awk '!seen[$0]++')
[[ ${#phones[@]} -eq 3 ]] || fail "polled ${#phones[@]} numbers, not 3"
for phone in "${phones[@]}"; do
  grep -q "/cc/json/mobile_tel_segment.htm?tel=$phone$" "$work/requests.log" ||
    fail "no province lookup for $phone"
done

# A double-click on a row copies its code once the SMS is there, else its phone number.
code_of_row() {
  xdotool mousemove --window "$main" 100 $((222 + 19 * $1)) click --repeat 2 --delay 80 1
  sleep 0.3
  xclip -o -selection clipboard 2>/dev/null || true
}
for row in 0 1 2; do
  code=""
  for _ in $(seq 40); do
    code=$(code_of_row "$row")
    [[ "$code" =~ ^[0-9]{4,8}$ ]] && break
    sleep 0.5
  done
  [[ "$code" =~ ^[0-9]{4,8}$ ]] || fail "row $row shows no code (copied: '$code')"
  echo "row $row: code $code"
done
sleep 0.5
import -window "$main" "$shots/receive_codes.png"

# 释放号码, answered Yes: every number goes back with its project.
xdotool mousemove --window "$main" 501 168 click 1
sleep 0.5
xdotool key Return
for phone in "${phones[@]}"; do
  wait_for 50 grep -q "/yh_sf/username=demo01&password=demo2026&id=1021&phone=$phone$" \
    "$work/requests.log" || fail "$phone was not released"
done
echo "1 passed, 0 failed"
