#!/usr/bin/env bash
# Funds with the real client and the real simulator on a virtual display: signed in with the
# remembered demo account, the user opens 充值, submits a demo Alipay transaction number (the
# status bar's balance changes at the next refresh), asks for a payment QR code of 10 yuan (a
# screenshot of it decodes to the simulator's payment link), then withdraws 10 yuan (the
# withdrawal records are reloaded). Run under xvfb-run (ctest does); arguments: client,
# simulator, screenshot folder.
set -euo pipefail
client=$1 simulator=$2 shots=$3

e2e_name=funds
source "$(dirname "$0")/e2e_common.sh"

start_simulator

start_signed_in_client
credentials="username=demo01&password=demo2026"
wait_for 100 at_least "/yh_gx/$credentials$" 1 || fail "no balance refresh"

# The status bar's balance part, cut from the main window: of its five equal parts the second.
balance_part() { import -window "$main" -crop "200x20+206+$(($(xdotool getwindowgeometry "$main" | awk '/Geometry/ {split($2, size, "x"); print size[2]}') - 22))" "$1"; }
balance_part "$work/balance_before.png"

# 充值 opens the recharge window on its manual tab, which asks for the payee at once.
xdotool mousemove --window "$main" 698 40 click 1
wait_for_window recharge 300 '^支付宝充值$' "recharge window"
wait_for 100 at_least "/cx/$credentials$" 1 || fail "no payee query"
sleep 0.5
import -window "$recharge" "$shots/recharge_manual.png"

# The transaction number of a demo transfer of 50.00, then 充值; its answer, then OK.
in_recharge() { xdotool mousemove --window "$recharge" "$1" "$2" click 1; }
in_recharge 268 428
xdotool type "20260101200040011100160000000001"
in_recharge 504 428
wait_for 100 at_least "/cz_tj/$credentials&d=20260101200040011100160000000001$" 1 ||
  fail "no manual recharge"
sleep 0.5
xdotool key Return

# 扫码充值, 10 yuan, 充值: the simulator's QR picture shows; a screenshot of it decodes to the
# payment link the simulator encoded.
in_recharge 115 14
sleep 0.3
in_recharge 256 72
xdotool type "10"
in_recharge 321 72
wait_for 100 at_least "/sc/$credentials&j=10$" 1 || fail "no QR request"
sleep 1
import -window "$recharge" "$shots/recharge_qr.png"
link=$(zbarimg --raw -q "$shots/recharge_qr.png" 2>/dev/null || true)
[[ "$link" =~ ^https://pay\.verdomo\.example/qr/QR[0-9]+\?amount=10\.00$ ]] ||
  fail "the QR code reads '$link'"
echo "QR: $link"
xdotool key Escape
sleep 0.5

# The balance refresh after the recharge (7 to 19 seconds later) shows another balance.
refreshes=$(count "/yh_gx/$credentials$")
wait_for 250 at_least "/yh_gx/$credentials$" $((refreshes + 1)) || fail "no balance refresh"
sleep 0.5
balance_part "$work/balance_after.png"
[[ $(compare -metric AE "$work/balance_before.png" "$work/balance_after.png" null: 2>&1 || true) != 0 ]] ||
  fail "the balance in the status bar did not change"

# 明细统计 → 提现: 10 yuan, 确定; the platform takes it, the withdrawal records are reloaded.
xdotool mousemove --window "$main" 605 40 click 1
sleep 0.5
xdotool key Down Return
wait_for_window withdraw 300 '^Verdomo提现' "withdrawal window"
xdotool mousemove --window "$withdraw" 195 20 click 1
xdotool type "10"
sleep 0.3
import -window "$withdraw" "$shots/withdraw_window.png"
xdotool mousemove --window "$withdraw" 356 20 click 1
wait_for 100 at_least "/tj/$credentials&j=10$" 1 || fail "no withdrawal"
wait_for 100 at_least "/tx_mx/$credentials$" 1 || fail "the withdrawal records were not reloaded"
sleep 0.5
xdotool key Return
sleep 0.5
xdotool search --onlyvisible --name '^Verdomo提现' >/dev/null && fail "the withdrawal window is still open"
echo "1 passed, 0 failed"
