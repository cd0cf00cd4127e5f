#!/usr/bin/env bash
# Receiving codes with the real client and the real simulator on a virtual display: signed in
# with the remembered demo account, the user takes three numbers for the first favourite
# project, and the three SMS arrive; a double-click on each row copies its code, which must be
# the code of the SMS the simulator delivered to that row's number: three different codes from
# exactly three takes. The release button then gives the numbers back. The simulator's request
# log shows the takes, the polls, the segment lookups and the releases. Run under xvfb-run (ctest does); arguments: client,
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

# A double-click on a row copies its code once the SMS is there, else its phone number; the menu's
# first item, 复制手机号码(A), copies its phone number.
row_y() { echo $((222 + 19 * $1)); }
double_click_copy() {
  xdotool mousemove --window "$main" 100 "$(row_y "$1")" click --repeat 2 --delay 80 1
  sleep 0.3
  xclip -o -selection clipboard 2>/dev/null || true
}
phone_of_row() {
  xdotool mousemove --window "$main" 100 "$(row_y "$1")" click 3
  sleep 0.5
  xdotool key Down Return
  sleep 0.3
  xclip -o -selection clipboard 2>/dev/null || true
}
# The code in the SMS that the simulator delivered to $1: its record (project #c- name #c- phone
# #c- price #c- text #c- time) from the SMS records, and in its text the first run of digits.
sent_code_for() {
  local reply record
  reply=$(curl -s --max-time 10 --noproxy '*' \
    "http://127.0.0.1:$((offset + 130))/yh_mx_s/username=demo01&password=demo2026&n=$1" |
    iconv -f GBK -t UTF-8) || return 0
  reply=${reply#*|}
  record=${reply#*|}
  record=${record%%#c+*}
  [[ $(awk -F'#c-' '{print $1 " " $3}' <<<"$record") == "1021 $1" ]] || return 0
  awk -F'#c-' '{print $5}' <<<"$record" | LC_ALL=C grep -o '[0-9][0-9]*' | head -n 1 || true
}
declare -A row_of_phone=() row_of_code=()
for row in 0 1 2; do
  phone=$(phone_of_row "$row")
  [[ "$phone" =~ ^1[0-9]{10}$ ]] || fail "row $row: the menu copied '$phone', not a phone number"
  [[ -z "${row_of_phone[$phone]:-}" ]] || fail "rows ${row_of_phone[$phone]} and $row hold $phone"
  row_of_phone[$phone]=$row
  [[ " ${phones[*]} " == *" $phone "* ]] || fail "row $row holds $phone, which was never polled"
  copied=$phone
  for _ in $(seq 40); do
    copied=$(double_click_copy "$row")
    [[ -n "$copied" && "$copied" != "$phone" ]] && break
    sleep 0.5
  done
  [[ -n "$copied" && "$copied" != "$phone" ]] || fail "row $row shows no code (copied: '$copied')"
  sent=$(sent_code_for "$phone")
  [[ -n "$sent" ]] || fail "the simulator delivered no SMS with a code to $phone"
  [[ "$copied" == "$sent" ]] ||
    fail "row $row ($phone) copied '$copied', but the SMS sent to $phone holds the code $sent"
  [[ -z "${row_of_code[$copied]:-}" ]] || fail "rows ${row_of_code[$copied]} and $row copy $copied"
  row_of_code[$copied]=$row
  echo "row $row: $phone, code $copied"
done
[[ $(count "$take") -eq 3 ]] || fail "$(count "$take") takes were sent, not 3"
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
[[ $(count "$take") -eq 3 ]] || fail "$(count "$take") takes were sent, not 3"
echo "1 passed, 0 failed"
