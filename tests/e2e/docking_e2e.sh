#!/usr/bin/env bash
# Exclusive dockings with the real client and the real simulator on a virtual display: signed in
# with the remembered demo account, the user opens 专属对接, joins a docking by a code of the
# simulator's demo data, sees it listed, pauses and resumes it from the list's menu (its state
# cell changes and changes back), then opens 公开专属, finds a docking by a keyword and joins it
# from the menu of the found row. Run under xvfb-run (ctest does); arguments: client, simulator,
# screenshot folder.
set -euo pipefail
client=$1 simulator=$2 shots=$3

e2e_name=docking
source "$(dirname "$0")/e2e_common.sh"

start_simulator

start_signed_in_client

# Positions are those of the window design, the pages starting at (4, 79) in the main window.
page_x=4 page_y=79
at() { xdotool mousemove --window "$main" $((page_x + $1)) $((page_y + $2)) click "${@:3}" 1; }
own_list="/yh_zs_lb/username=demo01&password=demo2026"

# 专属对接 loads the list of the demo account's three dockings.
xdotool mousemove --window "$main" 326 40 click 1
wait_for 100 at_least "$own_list" 1 || fail "the docking list was not loaded"
sleep 0.8

# 加入对接(A), the code, 确定: the join reloads the list.
at 59 21
sleep 0.3
at 511 106
xdotool type "DEMOJOIN2026A"
at 668 106
wait_for 100 at_least "/yh_zs_jr/username=demo01&password=demo2026&d=DEMOJOIN2026A$" 1 ||
  fail "no join"
wait_for 100 at_least "$own_list" 2 || fail "the list was not reloaded after the join"
sleep 0.8

# The joined docking is the fourth row; selected, its state cell is cut from the window.
row_y=$((42 + 24 + 3 * 19 + 10))
at 200 "$row_y"
sleep 0.3
state_cell() {
  import -window "$main" -crop "86x16+$((page_x + 4 + 704 + 2))+$((page_y + row_y - 8))" "$1"
}
state_cell "$work/state_active.png"
import -window "$main" "$shots/docking_page.png"

# A right-click on the row, then the menu's second item (暂停对接(Z) or 恢复对接(H)), then Yes.
switch_state() {
  xdotool mousemove --window "$main" $((page_x + 200)) $((page_y + row_y)) click 3
  sleep 0.5
  xdotool key Down Down Return
  sleep 0.5
  xdotool key Return
}
switch_state
wait_for 100 at_least "/yh_zs_fhzt/username=demo01&password=demo2026&d=DEMOJOIN2026A$" 1 ||
  fail "no pause"
sleep 0.8
state_cell "$work/state_paused.png"
# The selection may be drawn a shade lighter once the list has lost the focus: only the text counts.
differs() { [[ $(compare -metric AE -fuzz 20% "$1" "$2" null: 2>&1 || true) != 0 ]]; }
differs "$work/state_active.png" "$work/state_paused.png" || fail "the state cell did not change"

# The paused row offers 恢复对接(H) at the same place.
switch_state
wait_for 100 at_least "/yh_zs_fhzt/username=demo01&password=demo2026&d=DEMOJOIN2026A$" 2 ||
  fail "no resume"
sleep 0.8
state_cell "$work/state_resumed.png"
differs "$work/state_active.png" "$work/state_resumed.png" &&
  fail "the state cell did not change back"

# 公开专属 loads the public list; the find box finds 悦读小说上行注册, and the menu key on the
# found row joins it.
xdotool mousemove --window "$main" 419 40 click 1
wait_for 100 at_least "/yh_zs_gk_lb/username=demo01&password=demo2026$" 1 ||
  fail "the public list was not loaded"
sleep 1
# Typed through the clipboard: xdotool drops Chinese characters now and then.
printf '悦读小说上行注册' | xclip -selection clipboard
at 210 21
xdotool key ctrl+v
at 378 21
sleep 0.5
import -window "$main" "$shots/public_docking_page.png"
xdotool key Menu
sleep 0.5
xdotool key Down Return
wait_for 100 at_least "/yh_zs_jr/username=demo01&password=demo2026&d=QW4E9T2YU7P3S$" 1 ||
  fail "the found docking was not joined"
sleep 0.5
xdotool key Return
echo "1 passed, 0 failed"
