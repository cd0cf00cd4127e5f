#!/usr/bin/env bash
# Record pages with the real client and the real simulator on a virtual display: signed in with
# the remembered demo account, the user opens the SMS records through the funds menu and pages
# forward and back through the demo account's records. The simulator's request log shows the
# first page, then page 2, then page 1 again. Run under xvfb-run (ctest does); arguments:
# client, simulator, screenshot folder.
set -euo pipefail
client=$1 simulator=$2 shots=$3

e2e_name=records
source "$(dirname "$0")/e2e_common.sh"

start_simulator

start_signed_in_client

# 明细统计 opens the funds menu: 提现, 提现记录, 充值记录, 短信记录, 推荐人奖励明细.
xdotool mousemove --window "$main" 605 40 click 1
sleep 0.5
xdotool key Down Down Down Down Return
plain="/yh_mx/username=demo01&password=demo2026"
wait_for 100 at_least "$plain$" 1 || fail "the SMS records were not loaded"
sleep 1
import -window "$main" "$shots/sms_records.png"

# The page buttons lie in the row below the list, the page starting at (4, 79).
page_x=4 page_y=79
at() { xdotool mousemove --window "$main" $((page_x + $1)) $((page_y + $2)) click 1; }
at 737 492  # 下一页
wait_for 100 at_least "$plain&y=2$" 1 || fail "the next page was not asked for"
sleep 1
at 604 492  # 上一页
wait_for 100 at_least "$plain&y=1$" 1 || fail "the previous page was not asked for"
[[ $(grep -n "/yh_mx/" "$work/requests.log" | cut -d: -f1 | tr '\n' ' ') =~ ^[0-9]+\ [0-9]+\ [0-9]+\ $ ]] ||
  fail "more or fewer record requests than three"
grep "/yh_mx/" "$work/requests.log" | sed 's/.* \//\//' | tr '\n' ' ' |
  grep -qx "$plain $plain&y=2 $plain&y=1 " || fail "the record requests came in another order"
echo "1 passed, 0 failed"
