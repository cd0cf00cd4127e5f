# What the soak's driver does with the client, as a user would, through the X server only
# (xdotool, xclip and the window probe). Sourced by tests/soak/run after e2e_common.sh; needs
# main, main_name, client_pid, probe, notes and work. Every step writes a line to the notes:
# kind, milliseconds since the epoch, then the step's fields, separated by tabs.
#
# Positions are those of the window design, in the main window: the large buttons on top, the
# 收短信 page below them (quantity box, 获取手机号码, 号码加黑, 释放号码, the number list with
# rows 19 pixels apart). Without a window manager the keyboard goes to the window under the
# pointer, so keys are sent only with the pointer on the menu or message box they are meant for.

now_ms() { date +%s%3N; }

note() {
  local kind=$1
  shift
  local IFS=$'\t'
  printf '%s\t%s\t%s\n' "$kind" "$(now_ms)" "$*" >>"$notes"
}

declare -A page_button=([receive]=47 [send]=140 [projects]=233 [docking]=326 [public]=419)
random_page() {
  local pages=(send projects docking public)
  echo "${pages[RANDOM % 4]}"
}
row_y() { echo $((222 + 19 * $1)); }

# The client process is there and no zombie; else a crash is noted.
client_alive() {
  local state
  state=$(awk '{print $3}' "/proc/$client_pid/stat" 2>/dev/null || true)
  if [[ -z $state || $state == Z ]]; then
    note crash "$client_pid"
    return 1
  fi
}

# The main window answers a _NET_WM_PING within the probe's ten seconds; else a hang is noted.
client_answers() {
  local answer
  if answer=$("$probe" ping "$main_name" 0.01 2>/dev/null); then
    note ping "$(awk '{print $3}' <<<"$answer")"
  else
    note hang "no answer to a ping within 10 s"
  fi
}

# Answers every open message box with its default button (OK, or Yes for the driver's own
# release and blacklist questions) and notes it with what the driver was doing.
answer_dialogs() {
  local context=${1:-idle} box answered=0
  for _ in 1 2 3 4 5; do
    box=$(xdotool search --onlyvisible --name '^信息：$' 2>/dev/null | head -n 1) || true
    [[ -n $box ]] || break
    note dialog "$context"
    xdotool mousemove --window "$box" 30 20 key Return 2>/dev/null || true
    answered=$((answered + 1))
    sleep 0.3
  done
  ((answered > 0))
}

# Waits up to $1 tenths of a second for a message box; answers it. False when none came.
answer_dialog_within() {
  local tenths=$1 context=$2
  for _ in $(seq "$tenths"); do
    answer_dialogs "$context" && return 0
    sleep 0.1
  done
  return 1
}

# The menu is a top-level window of the client's class without a title of its own.
menu_open() {
  local window
  for window in $(xdotool search --onlyvisible --classname '^verdomo$' 2>/dev/null); do
    [[ $window != "$main" && $(xdotool getwindowname "$window" 2>/dev/null) != 信息：* ]] &&
      return 0
  done
  return 1
}

close_menu() {
  if menu_open; then
    xdotool key Escape
    sleep 0.1
  fi
}

show_page() {
  answer_dialogs "before $1" || true
  xdotool mousemove --window "$main" "${page_button[$1]}" 40 click 1
  note page "$1"
  sleep 0.5
  answer_dialogs "page $1" || true
}

# Opens the list menu on row $1 and picks its item $2 (1 复制手机号码, 2 复制验证码,
# 3 复制全部手机号码, 4 复制短信内容, 6 释放号码, 7 拉黑号码). False when no menu opened: no row
# there, or the window did not take the click.
pick_from_menu() {
  local row=$1 item=$2
  answer_dialogs "menu" || true
  close_menu
  xdotool mousemove --window "$main" 100 "$(row_y "$row")" click 3
  for _ in 1 2 3 4 5 6 7 8; do
    menu_open && break
    sleep 0.1
  done
  menu_open || return 1
  xdotool key --repeat "$item" --delay 30 Down key Return
  sleep 0.15
  close_menu
}

# Copies with menu item $2 on row $1 and prints what reached the clipboard. False when nothing
# did: the clipboard still holds the marker put there before.
copy_from_row() {
  local marker="soak-marker-$RANDOM$RANDOM" text
  printf '%s' "$marker" | xclip -i -selection clipboard >/dev/null 2>&1
  pick_from_menu "$1" "$2" || return 1
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    text=$(timeout 3 xclip -o -selection clipboard 2>/dev/null || true)
    [[ $text != "$marker" ]] && break
    sleep 0.1
  done
  [[ $text != "$marker" ]] || return 1
  printf '%s' "$text"
}

# The listed numbers, one a line (复制全部手机号码); nothing when the list is empty.
listed_numbers() {
  copy_from_row 0 3 | tr -d '\r' | grep -E '^[0-9]+$' || true
}

# Reads every row: number, code and SMS text, then the number again. A row that changed under
# the reading (the number differs) is noted as shifted, not as a reading.
read_rows() {
  local -a phones
  mapfile -t phones < <(listed_numbers)
  note rows "${#phones[@]}" "${phones[*]}"
  local row phone code sms code_again again
  for ((row = 0; row < ${#phones[@]} && row < 6; row++)); do
    if phone=$(copy_from_row "$row" 1) && code=$(copy_from_row "$row" 2) &&
      sms=$(copy_from_row "$row" 4) && code_again=$(copy_from_row "$row" 2) &&
      again=$(copy_from_row "$row" 1); then
      if [[ $phone != "$again" ]]; then
        note shifted "$row" "$phone" "$again"
      elif [[ $code != "$code_again" ]]; then
        # The SMS arrived between the two copies of the code: a reading of two moments.
        note arrived "$row" "$phone" "$code" "$code_again"
      else
        note read "$row" "$phone" "$code" "${sms//$'\t'/ }"
      fi
    else
      note unread "$row"
    fi
  done
}

# Takes $1 numbers for the selected project and waits until the run has sent its takes (the run
# first releases the listed numbers), at most long enough for every request to time out.
take_numbers() {
  local quantity=$1 before
  before=$(grep -ac "/yh_qh/" "$work/requests.log" || true)
  answer_dialogs "before take" || true
  xdotool mousemove --window "$main" 578 134 click --repeat 3 1
  xdotool type "$quantity"
  xdotool mousemove --window "$main" 678 134 click 1
  note take "$quantity"
  for _ in $(seq 150); do
    (($(grep -ac "/yh_qh/" "$work/requests.log" || true) >= before + quantity)) && break
    answer_dialogs "take" && break # a refusal of the first take ends the run
    sleep 0.4
  done
  sleep 0.6
}

# Waits $1 seconds, answering message boxes meanwhile.
settle() {
  for _ in $(seq "$1"); do
    answer_dialogs "waiting" || true
    sleep 1
  done
}

# Releases or blacklists ($1) the row $2 through the list menu, if there is such a row.
remove_row() {
  local kind=$1 row=$2 phone item=6
  [[ $kind == blacklist ]] && item=7
  phone=$(copy_from_row "$row" 1) || return 0
  [[ -n $phone ]] || return 0
  pick_from_menu "$row" "$item" || return 0
  if answer_dialog_within 30 "$kind row"; then
    note removed "$kind" "$phone"
  else
    note unconfirmed "$kind" "$phone"
  fi
  sleep 0.5
}

# Releases or blacklists ($1) the whole list with its button and waits until the list is empty,
# as it must be however the platform answered, within every request's time-out.
remove_all() {
  local kind=$1 x=501 started count
  [[ $kind == blacklist ]] && x=401
  local -a phones
  mapfile -t phones < <(listed_numbers)
  answer_dialogs "before $kind all" || true
  xdotool mousemove --window "$main" "$x" 168 click 1
  if ! answer_dialog_within 30 "$kind all"; then
    note ignored "$kind" "${#phones[@]}" # the buttons were disabled: a take is running
    return 0
  fi
  started=$(now_ms)
  local limit=$((5000 + 16000 * ${#phones[@]}))
  while (($(now_ms) - started < limit)); do
    sleep 1
    answer_dialogs "$kind all" || true
    count=$(listed_numbers | wc -l)
    if ((count == 0)); then
      note emptied "$kind" "${#phones[@]}" "$(($(now_ms) - started))" "${phones[*]}"
      return 0
    fi
  done
  note not-emptied "$kind" "${#phones[@]}" "${phones[*]}"
}
