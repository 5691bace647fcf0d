# Helpers for driving drawinghost on an X display with real input and
# checking its session log. Source it from a driver that runs under
# with-xvfb:
#   dh_start EXE [ARG...]    start the host with --log and wait for its window
#   dh_type TEXT, dh_key KEY..., dh_click X Y
#   dh_expect LINE           wait for LINE in the log, after what was expected
#                            before (so repeated lines are counted in order)
#   dh_expect_prefix TEXT    the same for a line starting with TEXT; the line
#                            is left in DH_LINE
#   dh_locate NAME           the screen centre of a widget, menu or toolbar
#                            button (host command LOCATE): DH_X, DH_Y
#   dh_wait_windows N        wait until the host shows N windows (a menu
#                            that popped up is one)
#   dh_count_since PATTERN N how many log lines after line N start with
#                            PATTERN (a grep pattern)
#   dh_on_screen WINDOW WHAT fail unless the window's frame (as the window
#                            manager draws it) lies wholly on the screen
#   dh_fail MESSAGE          report, show the log's end, and stop
#   dh_quit                  QUIT, and check that the host ends with status 0
# Every wait gives up after DH_TIMEOUT seconds (default 10).

DH_TIMEOUT=${DH_TIMEOUT:-10}
DH_SEEN=0
DH_PID=""
DH_DIR=$(mktemp -d "${TMPDIR:-/tmp}/xdrive.XXXXXX")
DH_LOG="$DH_DIR/session.log"

dh_cleanup() {
  if [ -n "$DH_PID" ] && kill -0 "$DH_PID" 2>/dev/null; then
    kill "$DH_PID" 2>/dev/null
    wait "$DH_PID" 2>/dev/null
  fi
  rm -rf "$DH_DIR"
}
trap dh_cleanup EXIT

dh_fail() {
  echo "FAIL: $*"
  if [ -f "$DH_LOG" ]; then
    echo "--- last lines of the session log:"
    tail -n 15 "$DH_LOG"
  fi
  if [ -s "$DH_DIR/host.out" ]; then
    echo "--- the host printed:"
    tail -n 15 "$DH_DIR/host.out"
  fi
  exit 1
}

dh_step() {
  echo "-- [${SECONDS}s] $*"
}

dh_start() {
  local exe=$1
  shift
  : >"$DH_LOG"
  QT_QPA_PLATFORM=xcb "$exe" --log "$DH_LOG" "$@" >"$DH_DIR/host.out" 2>&1 &
  DH_PID=$!
  local window
  window=$(timeout "$DH_TIMEOUT" xdotool search --sync --onlyvisible --name '^Drawing Host$' |
    head -n1) || true
  [ -n "$window" ] || dh_fail "the host's window did not appear"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  DH_WINDOW=$window
  # The window's middle is in the drawing view; a click there gives the
  # window the keyboard and picks nothing while no command runs.
  dh_click $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
}

dh_type() {
  xdotool type --delay 15 -- "$1"
}

dh_key() {
  xdotool key --delay 30 "$@"
}

dh_click() {
  # mousemove --sync waits for motion, which never comes when the pointer is
  # there already.
  local X Y SCREEN WINDOW
  eval "$(xdotool getmouselocation --shell)"
  if [ "$X" -eq "$1" ] && [ "$Y" -eq "$2" ]; then
    xdotool click 1
  else
    xdotool mousemove --sync "$1" "$2" click 1
  fi
}

# Waits for the first line after the last one expected that grep -x finds
# with the options given ($1) and the pattern ($2).
dh_wait_line() {
  local options=$1 pattern=$2 deadline=$((SECONDS + DH_TIMEOUT)) found
  while :; do
    found=$(tail -n +$((DH_SEEN + 1)) "$DH_LOG" | grep -n -m1 "$options" -e "$pattern") && {
      DH_SEEN=$((DH_SEEN + ${found%%:*}))
      DH_LINE=${found#*:}
      return 0
    }
    kill -0 "$DH_PID" 2>/dev/null || return 1
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

dh_expect() {
  dh_wait_line -xF "$1" || dh_fail "expected the line \"$1\""
}

dh_expect_prefix() {
  local pattern
  pattern=$(printf '%s' "$1" | sed 's/[][\.*^$/]/\\&/g')
  dh_wait_line -G "^$pattern" || dh_fail "expected a line starting with \"$1\""
}

dh_wait_windows() {
  local deadline=$((SECONDS + DH_TIMEOUT))
  until [ "$(xdotool search --onlyvisible --pid "$DH_PID" 2>/dev/null | wc -l)" -eq "$1" ]; do
    [ "$SECONDS" -lt "$deadline" ] || dh_fail "the host did not show $1 window(s)"
    sleep 0.05
  done
}

dh_count_since() {
  tail -n +$(($2 + 1)) "$DH_LOG" | grep -c -- "^$1"
}

dh_on_screen() {
  local left right top bottom x y w h screen_w screen_h
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "x=" $4}
    /Absolute upper-left Y/ {print "y=" $4} /Width:/ {print "w=" $2} /Height:/ {print "h=" $2}')"
  eval "$(xwininfo -root | awk '/Width:/ {print "screen_w=" $2} /Height:/ {print "screen_h=" $2}')"
  [ $((x - ${left:-0})) -ge 0 ] && [ $((y - ${top:-0})) -ge 0 ] &&
    [ $((x + w + ${right:-0})) -le "$screen_w" ] && [ $((y + h + ${bottom:-0})) -le "$screen_h" ] ||
    dh_fail "$2's frame leaves the ${screen_w}x${screen_h} screen: ${w}x${h} at $x,$y"
}

dh_locate() {
  dh_type "LOCATE"
  dh_key Return
  dh_type "$1"
  dh_key Return
  dh_expect "Command: LOCATE"
  dh_expect_prefix "$1: centre "
  local centre=${DH_LINE#"$1: centre "}
  centre=${centre%%,\ *}
  DH_X=${centre%,*}
  DH_Y=${centre#*,}
}

dh_quit() {
  dh_type "QUIT"
  dh_key Return
  local deadline=$((SECONDS + DH_TIMEOUT))
  while kill -0 "$DH_PID" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || dh_fail "the host did not quit"
    sleep 0.05
  done
  wait "$DH_PID"
  local status=$?
  DH_PID=""
  [ "$status" -eq 0 ] || dh_fail "the host ended with status $status"
}
