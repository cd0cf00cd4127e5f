# What the end-to-end scripts share; sourced after `client`, `simulator` and `shots` are set
# and `e2e_name` names the test (for its failure screenshot). Gives a work folder that goes with
# the script, `fail`, `wait_for`, `wait_for_window` and `start_simulator`.

work=$(mktemp -d)
cleanup() {
  kill "${client_pid:-}" "${second_pid:-}" "${simulator_pid:-}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Says why, keeps a screenshot, the simulator's request log and the client's output, and stops.
fail() {
  echo "FAILED: $*" >&2
  import -window root "$shots/${e2e_name}_failure.png" 2>/dev/null || true
  echo "--- simulator output:" >&2
  cat "$work/simulator.out" >&2 || true
  echo "--- simulator requests:" >&2
  cat "$work/requests.log" >&2 || true
  echo "--- client output:" >&2
  cat "$work/client.out" >&2 || true
  exit 1
}

# Waits up to $1 tenths of a second for the command that follows to succeed.
wait_for() {
  local tenths=$1
  shift
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}

# Waits up to $2 tenths of a second for a visible window whose title matches the pattern $3 and
# puts the first one's id into the variable named $1 ("-" for none); without one it fails with
# "no $4" and the evidence. xdotool's own --sync would wait for ever, and ctest's time-out would
# end the test without any of it.
wait_for_window() {
  local variable=$1 tenths=$2 pattern=$3 what=$4 found=""
  for _ in $(seq "$tenths"); do
    found=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1) || true
    [[ -n "$found" ]] && break
    sleep 0.1
  done
  [[ -n "$found" ]] || fail "no $what within $((tenths / 10)) s"
  [[ "$variable" == "-" ]] || printf -v "$variable" '%s' "$found"
}

# Starts the simulator on a port offset of its own, so parallel runs and other servers do not
# meet, with its request log in the work folder; further arguments go to the simulator. Sets
# offset, update_port and segment_port. The offsets keep the poll port (38123 + offset) above
# the system's range of ephemeral ports, where an outgoing connection could hold it; a port
# taken all the same makes it try another offset.
start_simulator() {
  for _ in 1 2 3 4 5; do
    offset=$((22900 + RANDOM % 4400))
    update_port=$((offset + 79))
    segment_port=$((offset + 443))
    "$simulator" --port-offset "$offset" --update-port "$update_port" \
      --segment-port "$segment_port" --request-log "$work/requests.log" "$@" \
      >"$work/simulator.out" 2>&1 &
    simulator_pid=$!
    if wait_for 100 grep -q "127.0.0.1" "$work/simulator.out" && kill -0 "$simulator_pid"; then
      sleep 0.3
      return 0
    fi
    kill "$simulator_pid" 2>/dev/null || true
    wait "$simulator_pid" 2>/dev/null || true
  done
  fail "the simulator did not start"
}

# How often the simulator's request log holds $1, and whether at least $2 times.
count() { grep -c "$1" "$work/requests.log" || true; }
at_least() { [[ $(count "$1") -ge $2 ]]; }

# Starts the client with the demo account remembered, signs in, closes the notice and waits until
# the main window's favourites have loaded. Sets client_pid and main.
start_signed_in_client() {
  local remembered="$work/store/设置/商户信息/211195/187167"
  mkdir -p "$remembered"
  printf 'demo01|demo2026' >"$remembered/用户.数据"
  "$client" --server-host 127.0.0.1 --port-offset "$offset" --update-host "127.0.0.1:$update_port" \
    --segment-url "https://127.0.0.1:$segment_port" --store-dir "$work/store" \
    >"$work/client.out" 2>&1 &
  client_pid=$!
  wait_for_window - 300 '^Verdomo$' "login window"
  sleep 0.5
  xdotool key Return
  wait_for_window - 300 '用户端公告' "notice window"
  sleep 0.5
  xdotool key Escape
  wait_for_window main 300 '^Verdomo客户端' "main window"
  wait_for 100 at_least "/xiangmu_ysc/username=demo01&password=demo2026$" 1 ||
    fail "no receive favourites"
  wait_for 100 at_least "/xiangmu_ysc/username=demo01&password=demo2026&l=1$" 1 ||
    fail "no send favourites"
  sleep 1
}
