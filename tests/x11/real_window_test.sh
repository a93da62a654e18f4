#!/usr/bin/env bash
# The real window on an X server with the openbox window manager: title, size, centring, no
# maximize by request or by a double click on the title bar, resizing, and a clean close.
#   real_window_test.sh PATH/TO/calculo-manual
set -euo pipefail
program=$1
work=$(mktemp -d)
pids=()
cleanup() {
  local status=$?
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  if [ "$status" -ne 0 ] && [ -s "$work/program.log" ]; then
    echo "--- program output"
    head -c 4000 "$work/program.log"
  fi
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
check() {  # check DESCRIPTION EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: expected '$2', got '$3'"
    failures=$((failures + 1))
  fi
}

wait_for() {  # wait_for SECONDS COMMAND...
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "timed out waiting for: $*"
      exit 1
    fi
    sleep 0.1
  done
}

# An 8-bit default screen breaks Qt; ask for true colour.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 10 test -s "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 10 wmctrl -m

"$program" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")
wait_for 30 xdotool search --name '^CALCULO MANUAL$'  # slow under the sanitizers
window=$(xdotool search --name '^CALCULO MANUAL$' | head -n1)
wait_for 10 sh -c "xwininfo -id $window | grep -q 'Map State: IsViewable'"
sleep 0.5  # let openbox finish placing and decorating it

geometry() { xwininfo -id "$window" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }
position() { xwininfo -id "$window" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} END{print x, y}'; }
maximized() { xprop -id "$window" _NET_WM_STATE | grep -c MAXIMIZED || true; }

check "title" "CALCULO MANUAL" "$(xdotool getwindowname "$window")"
check "client area at opening" "599x454" "$(geometry)"

read -r x y < <(position)
centre_x=$((x + 599 / 2))
centre_y=$((y + 454 / 2))
# The frame's title bar moves the client area down a little from the screen's centre.
check "centred across" "yes" "$([ $((centre_x - 640)) -ge -8 ] && [ $((centre_x - 640)) -le 8 ] && echo yes || echo "no ($centre_x)")"
check "centred down" "yes" "$([ $((centre_y - 512)) -ge -8 ] && [ $((centre_y - 512)) -le 30 ] && echo yes || echo "no ($centre_y)")"

read -r x y < <(position)
xdotool mousemove $((x + 250)) $((y - 8)) click --repeat 2 --delay 100 1
sleep 1
check "size after a double click on the title bar" "599x454" "$(geometry)"
check "not maximized after a double click" "0" "$(maximized)"

wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
sleep 1
check "size after a maximize request" "599x454" "$(geometry)"
check "not maximized after a maximize request" "0" "$(maximized)"

xdotool windowsize "$window" 640 500
sleep 1
check "resizable" "640x500" "$(geometry)"

wmctrl -i -c "$window"
status=0
wait "$app" || status=$?
check "exit status after close" "0" "$status"

[ "$failures" -eq 0 ]
