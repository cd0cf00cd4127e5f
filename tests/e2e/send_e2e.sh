#!/usr/bin/env bash
# Sending an SMS with the real client and the real simulator on a virtual display: signed in
# with the remembered demo account, the user opens 发短信, takes a number for the first send
# favourite, types a text and sends it to the first service number; the card supplier's result
# comes back through the poll and the status box reads "成功". The simulator's request log
# shows the take, the send with its parameters in order, and the polls. Run under xvfb-run
# (ctest does); arguments: client, simulator, screenshot folder.
set -euo pipefail
client=$1 simulator=$2 shots=$3

e2e_name=send
source "$(dirname "$0")/e2e_common.sh"

start_simulator --sms-delay 2

start_signed_in_client

# Positions are those of the window design, the page starting at (4, 79) in the main window:
# 发短信, then 取号.
page_x=4 page_y=79
at() { xdotool mousemove --window "$main" $((page_x + $1)) $((page_y + $2)) click "${@:3}" 1; }
xdotool mousemove --window "$main" 140 40 click 1
sleep 0.5
at 300 93
wait_for 100 at_least "/yh_qh/username=demo01&password=demo2026&id=" 1 || fail "no take"
take=$(grep -o "/yh_qh/username=demo01&password=demo2026&id=[0-9]*&operator=&region=&card=&loop=1$" \
  "$work/requests.log" | head -n 1) || fail "the take did not carry the filters and the loop flag"
project=${take#*&id=}
project=${project%%&*}
wait_for 100 at_least "/cc/json/mobile_tel_segment.htm?tel=" 1 || fail "no province lookup"
sleep 0.5

# The text, then 发送短信; the platform's answer comes in a message box.
at 360 201
xdotool type "hello 123"
at 703 201
wait_for 100 at_least "/fdx_tj/" 1 || fail "no send"
grep -qE "^.* /fdx_tj/username=demo01&password=demo2026&id=$project&send=[0-9]+&phone=[0-9]+&content=hello%20123$" \
  "$work/requests.log" || fail "the send did not carry its parameters in order"
sleep 0.5
xdotool key Return

# The status box reads 成功 once the result has come through the poll.
status_text() {
  at 486 237
  xdotool key ctrl+a ctrl+c
  sleep 0.2
  xclip -o -selection clipboard 2>/dev/null || true
}
status=""
for _ in $(seq 60); do
  status=$(status_text)
  [[ "$status" == "成功" ]] && break
  sleep 0.5
done
[[ "$status" == "成功" ]] || fail "the status reads '$status', not 成功"
wait_for 10 at_least "/yh_qm/username=demo01&password=demo2026&id=$project&phone=" 1 ||
  fail "no poll"
xdotool key End  # no selection in the screenshot
sleep 0.5
import -window "$main" "$shots/send_page.png"
echo "1 passed, 0 failed"
